#pragma once

#include "files/tablefile.h"

#include <QAbstractTableModel>

// The viewer's table for its grid: the heading row as the column headings, the data rows as the
// grid's rows, read-only. The cells are the table's own texts; no item is made per cell.
class TableModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TableModel)

public:
    explicit TableModel(QObject* parent = nullptr);

    const Table& table() const { return m_table; }
    void setTable(Table table);

    // Sorts the data rows by column 0 or 1 (sortColumn). The grid's cells keep their places and
    // show the texts that moved into them, as a grid whose texts were exchanged would.
    image::Outcome<void> sortColumn(int column);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    Table m_table = emptyTable();
};
