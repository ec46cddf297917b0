#pragma once

#include <QTableView>

class ValueListRows;

// A two-column name/value grid over ValueListRows: no border, no title row, a fixed name column and an
// editable value column. A pick-list row offers its items in a drop-down list and takes no typing; a
// read-only plain row cannot be changed and shows its value in silver. The value column never shows the
// selection highlight; the name of the current row is drawn blue while the grid holds the focus.
// An empty grid shows one blank row. The line between the columns can be dragged.
class ValueListEditor final : public QTableView
{
    Q_OBJECT

public:
    static constexpr int kRowHeight = 17; // without the grid line below it
    static constexpr int kLineWidth = 1;
    static constexpr int kNameWidth = 160;

    explicit ValueListEditor(QWidget* parent = nullptr);

    void SetRows(ValueListRows* rows); // not owned
    ValueListRows* Rows() const { return m_rows; }

    // The row of the current cell; -1 when there is none.
    int CurrentRow() const;
    // The colour of the name cells.
    static QColor ButtonFace();
    // Holds the input focus itself or through the editor of a cell.
    bool HasInputFocus() const;

Q_SIGNALS:
    // A mouse button went down on the grid.
    void MouseDown();
    // The rows' names or values changed.
    void StringsChange();

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool onColumnLine(const QPoint& position) const;
    void paintBlankRow();

    ValueListRows* m_rows = nullptr;
    bool m_resizing = false;
};
