#include "widgets/valuelisteditor.h"

#include "widgets/valuelistrows.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cstdlib>

namespace {

const QColor kSilver(192, 192, 192);
const QColor kFocusBlue(49, 106, 197);
constexpr int kTextInset = 2;
constexpr int kArrowWidth = 14;
constexpr int kMinColumnWidth = 16;

bool isPickList(const QModelIndex& index)
{
    return index.data(ValueListRows::EditStyleRole).toInt() == static_cast<int>(ValueListRows::EditStyle::PickList);
}

// The grid's cell drawing: name cells on the button face, value cells on the window colour, and the rules for
// read-only values, the current cell and the current row's name.
class CellDelegate final : public QStyledItemDelegate
{
public:
    explicit CellDelegate(ValueListEditor* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QPalette& palette = m_grid->palette();
        const bool current = index.row() == m_grid->CurrentRow();
        QColor text = Qt::black;
        QColor background = palette.color(QPalette::Base);
        if (index.column() == 0) {
            background = ValueListEditor::ButtonFace();
            if (current)
                background = m_grid->HasInputFocus() ? kFocusBlue : palette.color(QPalette::Base);
        } else if (index.data(ValueListRows::ReadOnlyRole).toBool() && !isPickList(index)) {
            text = kSilver;
        }

        painter->save();
        painter->fillRect(option.rect, background);
        painter->setClipRect(option.rect);
        QRect textRect = option.rect.adjusted(kTextInset, kTextInset, 0, 0);
        if (index.column() == 1 && isPickList(index)) {
            textRect.setRight(textRect.right() - kArrowWidth);
            drawArrow(painter, option);
        }
        painter->setFont(option.font);
        painter->setPen(text);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        if (index.column() != 1)
            return nullptr;
        if (isPickList(index)) {
            auto* combo = new QComboBox(parent);
            combo->setEditable(false);
            combo->addItems(index.data(ValueListRows::PickListRole).toStringList());
            // A choice counts at once, as the drop-down list closes.
            connect(combo, &QComboBox::activated, this,
                    [this, combo] { const_cast<CellDelegate*>(this)->commitData(combo); });
            return combo;
        }
        auto* edit = new QLineEdit(parent);
        edit->setFrame(false);
        return edit;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        const QString value = index.data(Qt::EditRole).toString();
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            // A value that is no item (a custom video size, say) still shows.
            combo->setPlaceholderText(value);
            int found = -1;
            for (int i = 0; i < combo->count() && found < 0; ++i) {
                if (QString::compare(combo->itemText(i), value, Qt::CaseInsensitive) == 0)
                    found = i;
            }
            combo->setCurrentIndex(found);
        } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            edit->setText(value);
        }
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            if (combo->currentIndex() >= 0)
                model->setData(index, combo->currentText());
        } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            model->setData(index, edit->text());
        }
    }

    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        editor->setGeometry(option.rect);
    }

private:
    void drawArrow(QPainter* painter, const QStyleOptionViewItem& option) const
    {
        QStyleOption arrow;
        arrow.initFrom(m_grid);
        arrow.rect = QRect(option.rect.right() - kArrowWidth + 1, option.rect.top(), kArrowWidth, option.rect.height())
                         .adjusted(3, 5, -3, -5);
        arrow.palette.setColor(QPalette::ButtonText, QColor(0x16, 0x35, 0x64));
        m_grid->style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, painter, m_grid);
    }

    ValueListEditor* m_grid;
};

} // namespace

ValueListEditor::ValueListEditor(QWidget* parent) : QTableView(parent)
{
    setFrameShape(QFrame::NoFrame);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight + kLineWidth);
    horizontalHeader()->setMinimumSectionSize(kMinColumnWidth);
    horizontalHeader()->setStretchLastSection(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setItemDelegate(new CellDelegate(this));
    viewport()->setMouseTracking(true);
}

void ValueListEditor::SetRows(ValueListRows* rows)
{
    if (m_rows)
        disconnect(m_rows, nullptr, this, nullptr);
    m_rows = rows;
    setModel(rows);
    if (rows) {
        connect(rows, &ValueListRows::StringsChange, this, &ValueListEditor::StringsChange);
        setColumnWidth(0, kNameWidth);
    }
}

QColor ValueListEditor::ButtonFace()
{
    // The application's colour: a style sheet that whitens the grid's own palette leaves it alone.
    return QApplication::palette().color(QPalette::Button);
}

int ValueListEditor::CurrentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

bool ValueListEditor::HasInputFocus() const
{
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}

void ValueListEditor::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // The name column is fixed: the value cell of the row becomes current instead.
    if (current.isValid() && current.column() == 0 && model()) {
        setCurrentIndex(model()->index(current.row(), 1));
        return;
    }
    QTableView::currentChanged(current, previous);
    // The name cells of both rows change colour.
    viewport()->update();
}

bool ValueListEditor::onColumnLine(const QPoint& position) const
{
    return m_rows && std::abs(position.x() - columnWidth(0)) <= 2;
}

void ValueListEditor::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT MouseDown();
    if (event->button() == Qt::LeftButton && onColumnLine(event->position().toPoint())) {
        m_resizing = true;
        return;
    }
    QTableView::mousePressEvent(event);
}

void ValueListEditor::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    if (m_resizing) {
        setColumnWidth(0,
                       std::clamp(position.x(), kMinColumnWidth, std::max(kMinColumnWidth, width() - kMinColumnWidth)));
        return;
    }
    viewport()->setCursor(onColumnLine(position) ? Qt::SplitHCursor : Qt::ArrowCursor);
    QTableView::mouseMoveEvent(event);
}

void ValueListEditor::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_resizing) {
        m_resizing = false;
        return;
    }
    QTableView::mouseReleaseEvent(event);
}

void ValueListEditor::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    viewport()->update();
}

void ValueListEditor::focusOutEvent(QFocusEvent* event)
{
    QTableView::focusOutEvent(event);
    viewport()->update();
}

void ValueListEditor::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    if (!m_rows || m_rows->RowCount() == 0)
        paintBlankRow();
}

void ValueListEditor::paintBlankRow()
{
    QPainter painter(viewport());
    const int nameWidth = m_rows ? columnWidth(0) : kNameWidth;
    const QRect name(0, 0, nameWidth - kLineWidth, kRowHeight);
    const QRect value(nameWidth, 0, viewport()->width() - nameWidth - kLineWidth, kRowHeight);
    painter.fillRect(name, ButtonFace());
    painter.fillRect(value, palette().color(QPalette::Base));
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    painter.setPen(
        QColor::fromRgba(static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this))));
    painter.drawLine(name.topRight() + QPoint(1, 0), name.bottomRight() + QPoint(1, 1));
    painter.drawLine(0, kRowHeight, viewport()->width(), kRowHeight);
}
