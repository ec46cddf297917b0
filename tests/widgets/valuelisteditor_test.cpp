#include "widgets/rownameerror.h"
#include "widgets/valuelisteditor.h"
#include "widgets/valuelistrows.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using EditStyle = ValueListRows::EditStyle;

const QColor kSilver(192, 192, 192);
const QColor kFocusBlue(49, 106, 197);

// Three rows, one of each kind: a pick list (read-only, as a profile's list rows are), a typed value and a
// fixed one.
class ValueListTest : public testing::Test
{
protected:
    void SetUp() override
    {
        rows.AppendRow("Codec", "B");
        rows.SetReadOnly(0, true);
        rows.SetEditStyle(0, EditStyle::PickList);
        rows.SetPickList(0, {"A", "B", "C"});
        rows.AppendRow("Rate", "25");
        rows.AppendRow("Fixed", "WWWWWWWW");
        rows.SetReadOnly(2, true);
        grid.SetRows(&rows);
        grid.resize(362, 3 * 18);
    }

    QModelIndex value(int row) const { return rows.index(row, 1); }

    // Every colour in a part of a cell, so a test can ask whether the text was drawn in a colour.
    static bool contains(const QImage& image, const QRect& area, const QColor& colour)
    {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (image.pixelColor(x, y) == colour)
                    return true;
            }
        }
        return false;
    }

    ValueListRows rows;
    ValueListEditor grid;
};

TEST_F(ValueListTest, RowsAreFoundByNameWithoutRegardToCaseAndRefuseANameWithEquals)
{
    rows.AppendRow("rate", "second");
    EXPECT_EQ(rows.FindRow("RATE"), 1);
    EXPECT_EQ(rows.ValueOf("rAtE"), "25");
    EXPECT_EQ(rows.FindRow("Size"), -1);
    EXPECT_EQ(rows.ValueOf("Size"), "");
    EXPECT_FALSE(rows.SetValueOf("Size", "x"));
    EXPECT_EQ(rows.RowCount(), 4);

    EXPECT_THROW(rows.AppendRow("a=b", ""), RowNameError);
    EXPECT_EQ(rows.RowCount(), 4);
}

TEST_F(ValueListTest, StringsChangeFollowsRowsAndValuesButNotTheirProperties)
{
    QSignalSpy changes(&grid, &ValueListEditor::StringsChange);
    rows.SetValue(1, "30");
    rows.SetValue(1, "30");
    rows.SetPickList(0, {"X"});
    rows.SetReadOnly(1, true);
    EXPECT_EQ(changes.count(), 1);
    rows.AppendRow("More", "");
    rows.DeleteRow(3);
    EXPECT_EQ(changes.count(), 3);
}

TEST_F(ValueListTest, OnlyValuesAreEditedAndAReadOnlyPlainRowNotAtAll)
{
    EXPECT_FALSE(rows.flags(rows.index(1, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(rows.flags(value(0)) & Qt::ItemIsEditable); // read-only, but a pick list
    EXPECT_TRUE(rows.flags(value(1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(rows.flags(value(2)) & Qt::ItemIsEditable);
    EXPECT_FALSE(rows.setData(value(2), "typed"));
    EXPECT_EQ(rows.Value(2), "WWWWWWWW");

    // The name column is fixed: a click there makes the row's value cell current.
    grid.show();
    grid.setCurrentIndex(rows.index(1, 0));
    EXPECT_EQ(grid.currentIndex(), value(1));
}

TEST_F(ValueListTest, APickListOffersItsItemsWithoutTypingAndAChoiceCountsAtOnce)
{
    grid.show();
    grid.setCurrentIndex(value(0));
    auto* combo = qobject_cast<QComboBox*>(grid.indexWidget(value(0)));
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable());
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText(), "B");

    QSignalSpy changes(&rows, &ValueListRows::StringsChange);
    combo->setCurrentIndex(2);
    Q_EMIT combo->activated(2);
    EXPECT_EQ(rows.Value(0), "C");
    EXPECT_EQ(changes.count(), 1);

    // A value that is no item still shows while the list is open.
    grid.setCurrentIndex(value(1));
    rows.SetValue(0, "640x480");
    grid.setCurrentIndex(value(0));
    combo = qobject_cast<QComboBox*>(grid.indexWidget(value(0)));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->placeholderText(), "640x480");
}

TEST_F(ValueListTest, AnEditableRowTakesTypedText)
{
    grid.show();
    grid.setCurrentIndex(value(1));
    auto* edit = qobject_cast<QLineEdit*>(grid.indexWidget(value(1)));
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, "96");
    QTest::keyClick(edit, Qt::Key_Return);
    QCoreApplication::processEvents(); // the delegate commits through a queued call
    EXPECT_EQ(rows.Value(1), "96");

    grid.setCurrentIndex(value(2));
    EXPECT_EQ(grid.indexWidget(value(2)), nullptr);
}

TEST_F(ValueListTest, DrawsReadOnlyValuesSilverAndNeverHighlightsTheValueColumn)
{
    grid.show();
    grid.setCurrentIndex(value(2));
    const QImage unfocused = grid.grab().toImage();
    const QColor window = grid.palette().color(QPalette::Base);
    const QColor buttonFace = ValueListEditor::ButtonFace();

    // Row 2 is current: its value keeps the window colour and its silver text; its name cell, out of focus,
    // takes the window colour; the other names stay on the button face.
    const QRect fixedValue(162, 2 * 18 + 2, 150, 13);
    EXPECT_TRUE(contains(unfocused, fixedValue, kSilver));
    EXPECT_EQ(unfocused.pixelColor(355, 2 * 18 + 8), window);
    EXPECT_EQ(unfocused.pixelColor(150, 2 * 18 + 8), window);
    EXPECT_EQ(unfocused.pixelColor(150, 1 * 18 + 8), buttonFace);
    // A typed value is black.
    EXPECT_TRUE(contains(unfocused, QRect(162, 18 + 2, 30, 13), Qt::black));
    EXPECT_FALSE(contains(unfocused, QRect(162, 18 + 2, 30, 13), kSilver));

    grid.activateWindow();
    grid.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    ASSERT_TRUE(grid.HasInputFocus());
    const QImage focused = grid.grab().toImage();
    EXPECT_EQ(focused.pixelColor(150, 2 * 18 + 8), kFocusBlue);
    EXPECT_EQ(focused.pixelColor(355, 2 * 18 + 8), window);
    EXPECT_EQ(focused.pixelColor(150, 8), buttonFace);
}

TEST(ValueListEditor, AnEmptyGridShowsOneBlankRowAndRowsAre18PixelsApart)
{
    ValueListRows rows;
    ValueListEditor grid;
    grid.SetRows(&rows);
    grid.resize(362, 18);
    grid.show();
    const QImage blank = grid.grab().toImage();
    EXPECT_EQ(blank.pixelColor(100, 8), ValueListEditor::ButtonFace());
    EXPECT_EQ(blank.pixelColor(300, 8), grid.palette().color(QPalette::Base));

    rows.AppendRow("One", "");
    rows.AppendRow("Two", "");
    EXPECT_EQ(grid.rowViewportPosition(1), 18);
    EXPECT_EQ(grid.columnWidth(0), 160);
}

TEST(ValueListEditor, TheLineBetweenTheColumnsCanBeDragged)
{
    ValueListRows rows;
    rows.AppendRow("One", "");
    ValueListEditor grid;
    grid.SetRows(&rows);
    grid.resize(362, 18);
    grid.show();
    QSignalSpy mouseDowns(&grid, &ValueListEditor::MouseDown);
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, QPoint(160, 8));
    QMouseEvent move(QEvent::MouseMove, QPointF(120, 8), QPointF(120, 8), grid.viewport()->mapToGlobal(QPointF(120, 8)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid.viewport(), &move);
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, QPoint(120, 8));
    EXPECT_EQ(grid.columnWidth(0), 120);
    EXPECT_EQ(mouseDowns.count(), 1);
}

} // namespace
