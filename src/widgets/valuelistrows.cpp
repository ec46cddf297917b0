#include "widgets/valuelistrows.h"

#include "widgets/rownameerror.h"

#include <stdexcept>

ValueListRows::ValueListRows(QObject* parent) : QAbstractTableModel(parent) {}

const ValueListRows::Row& ValueListRows::at(int row) const
{
    if (row < 0 || row >= RowCount())
        throw std::out_of_range("ValueListRows: no such row");
    return m_rows[static_cast<std::size_t>(row)];
}

const QString& ValueListRows::Name(int row) const
{
    return at(row).name;
}

const QString& ValueListRows::Value(int row) const
{
    return at(row).value;
}

bool ValueListRows::ReadOnly(int row) const
{
    return at(row).readOnly;
}

ValueListRows::EditStyle ValueListRows::Style(int row) const
{
    return at(row).style;
}

const QStringList& ValueListRows::PickList(int row) const
{
    return at(row).pickList;
}

int ValueListRows::FindRow(const QString& name) const
{
    for (int i = 0; i < RowCount(); ++i) {
        if (QString::compare(m_rows[static_cast<std::size_t>(i)].name, name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString ValueListRows::ValueOf(const QString& name) const
{
    const int row = FindRow(name);
    return row < 0 ? QString() : Value(row);
}

bool ValueListRows::SetValueOf(const QString& name, const QString& value)
{
    const int row = FindRow(name);
    if (row < 0)
        return false;
    SetValue(row, value);
    return true;
}

int ValueListRows::AppendRow(const QString& name, const QString& value)
{
    if (name.contains(QLatin1Char('=')))
        throw RowNameError(name);
    const int row = RowCount();
    beginInsertRows(QModelIndex(), row, row);
    m_rows.push_back(Row{name, value, false, EditStyle::Simple, {}});
    endInsertRows();
    Q_EMIT StringsChange();
    return row;
}

void ValueListRows::DeleteRow(int row)
{
    at(row);
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
    Q_EMIT StringsChange();
}

void ValueListRows::SetValue(int row, const QString& value)
{
    if (at(row).value == value)
        return;
    m_rows[static_cast<std::size_t>(row)].value = value;
    const QModelIndex cell = index(row, 1);
    Q_EMIT dataChanged(cell, cell);
    Q_EMIT StringsChange();
}

void ValueListRows::SetReadOnly(int row, bool readOnly)
{
    at(row);
    m_rows[static_cast<std::size_t>(row)].readOnly = readOnly;
    propsChanged(row);
}

void ValueListRows::SetEditStyle(int row, EditStyle style)
{
    at(row);
    m_rows[static_cast<std::size_t>(row)].style = style;
    propsChanged(row);
}

void ValueListRows::SetPickList(int row, const QStringList& items)
{
    at(row);
    m_rows[static_cast<std::size_t>(row)].pickList = items;
    propsChanged(row);
}

void ValueListRows::propsChanged(int row)
{
    Q_EMIT dataChanged(index(row, 0), index(row, 1));
}

int ValueListRows::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : RowCount();
}

int ValueListRows::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant ValueListRows::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Row& row = at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return index.column() == 0 ? row.name : row.value;
    case ReadOnlyRole:
        return row.readOnly;
    case EditStyleRole:
        return static_cast<int>(row.style);
    case PickListRole:
        return row.pickList;
    default:
        return {};
    }
}

bool ValueListRows::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid) || index.column() != 1 ||
        !(flags(index) & Qt::ItemIsEditable))
        return false;
    SetValue(index.row(), value.toString());
    return true;
}

Qt::ItemFlags ValueListRows::flags(const QModelIndex& index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    if (index.column() == 0)
        return Qt::ItemIsEnabled;
    const Row& row = at(index.row());
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // A read-only flag blocks typing; a pick list can still be chosen from.
    if (row.style == EditStyle::PickList || !row.readOnly)
        flags |= Qt::ItemIsEditable;
    return flags;
}
