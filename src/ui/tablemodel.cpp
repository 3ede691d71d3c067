#include "ui/tablemodel.h"

#include "files/tablesort.h"

#include <utility>

TableModel::TableModel(QObject* parent) : QAbstractTableModel(parent) {}

void TableModel::setTable(Table table)
{
    beginResetModel();
    m_table = std::move(table);
    endResetModel();
}

image::Outcome<void> TableModel::sortColumn(int column)
{
    image::Outcome<void> sorted = ::sortColumn(m_table, column);
    // One notice for the whole grid: the view repaints what it shows.
    emit dataChanged(index(0, 0), index(rowCount() - 1, kTableColumns - 1), {Qt::DisplayRole});
    return sorted;
}

int TableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_table.rows.size()) - 1;
}

int TableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kTableColumns;
}

QVariant TableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_table.rows.at(index.row() + 1)[std::size_t(index.column())];
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < kTableColumns ? QVariant(m_table.rows.at(0)[std::size_t(section)])
                                                       : QVariant();
    return section + 1; // the row numbers a grid shows, though the viewer hides them
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
