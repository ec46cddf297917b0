#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <vector>

// The rows of a name/value grid: each a name, a value, a read-only flag, an edit style and the items of
// its pick list. Free of widgets, so logic can hold and change the rows without a window; a ValueListEditor
// shows and edits them. Column 0 is the name, column 1 the value.
class ValueListRows final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum class EditStyle
    {
        Simple,   // the value is typed
        PickList, // the value is chosen from the pick list
    };
    enum Role
    {
        ReadOnlyRole = Qt::UserRole + 1,
        EditStyleRole,
        PickListRole,
    };

    explicit ValueListRows(QObject* parent = nullptr);

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    const QString& Name(int row) const;
    const QString& Value(int row) const;
    bool ReadOnly(int row) const;
    EditStyle Style(int row) const;
    const QStringList& PickList(int row) const;

    // The first row of that name, without regard to case; -1 when there is none.
    int FindRow(const QString& name) const;
    // The value of the row of that name; empty when there is none.
    QString ValueOf(const QString& name) const;
    // Sets the value of the row of that name; false when there is none.
    bool SetValueOf(const QString& name, const QString& value);

    // Appends a plain, editable row and gives its position. A name holding "=" throws RowNameError.
    int AppendRow(const QString& name, const QString& value);
    void DeleteRow(int row);
    void SetValue(int row, const QString& value);
    void SetReadOnly(int row, bool readOnly);
    void SetEditStyle(int row, EditStyle style);
    void SetPickList(int row, const QStringList& items);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

Q_SIGNALS:
    // A row was added or deleted, or a value changed.
    void StringsChange();

private:
    struct Row
    {
        QString name;
        QString value;
        bool readOnly = false;
        EditStyle style = EditStyle::Simple;
        QStringList pickList;
    };

    const Row& at(int row) const;
    void propsChanged(int row);

    std::vector<Row> m_rows;
};
