#include "ui/loggridaccessible.h"

#include "ui/loggrid.h"

#include <QHeaderView>
#include <QPointer>

namespace
{

// One cell, or a column heading (row -1), read from the model whenever asked: a sort moves the
// texts, never the cells.
class LogGridCell final : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    LogGridCell(LogGrid* grid, int row, int column) : m_grid(grid), m_row(row), m_column(column) {}

    bool isValid() const override
    {
        return m_grid && m_grid->model() && m_row < m_grid->model()->rowCount() &&
               m_column < m_grid->model()->columnCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_grid ? m_grid->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_grid.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return isHeading() ? QAccessible::ColumnHeader : QAccessible::Cell; }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return {};
        return isHeading() ? m_grid->model()->headerData(m_column, Qt::Horizontal).toString()
                           : m_grid->model()->index(m_row, m_column).data().toString();
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        if (isHeading())
            return state;
        const QModelIndex index = m_grid->model()->index(m_row, m_column);
        state.focusable = state.selectable = true;
        state.selected = m_grid->selectionModel()->isSelected(index);
        state.focused = m_grid->hasFocus() && m_grid->currentIndex() == index;
        state.invisible = m_row < m_grid->firstRowInSight() || m_row > m_grid->lastRowInSight();
        return state;
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        if (isHeading()) {
            const QHeaderView* header = m_grid->horizontalHeader();
            const QRect r(header->sectionViewportPosition(m_column), 0, header->sectionSize(m_column),
                          header->height());
            return QRect(header->viewport()->mapToGlobal(r.topLeft()), r.size());
        }
        const QRect r = m_grid->visualRect(m_grid->model()->index(m_row, m_column));
        return QRect(m_grid->viewport()->mapToGlobal(r.topLeft()), r.size());
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface && !isHeading()
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override
    {
        QAccessibleInterface* table = parent();
        return {table ? table->tableInterface()->cellAt(-1, m_column) : nullptr};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    bool isHeading() const { return m_row < 0; }

    QPointer<LogGrid> m_grid;
    int m_row;
    int m_column;
};

qint64 cellKey(int row, int column)
{
    return (qint64(row) << 32) | quint32(column);
}

} // namespace

LogGridAccessible::LogGridAccessible(LogGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

LogGridAccessible::~LogGridAccessible()
{
    forgetCells();
}

LogGrid* LogGridAccessible::grid() const
{
    return static_cast<LogGrid*>(widget());
}

int LogGridAccessible::columnCount() const
{
    return grid()->model() ? grid()->model()->columnCount() : 0;
}

int LogGridAccessible::rowCount() const
{
    return grid()->model() ? grid()->model()->rowCount() : 0;
}

// Children: the headings, then the rows in sight, a row's cells left to right. While the view
// sends an event about a cell, a child is numbered by its place in the whole table instead
// (headings first, then every row), as the view numbers it.
int LogGridAccessible::childCount() const
{
    const int rowsInSight = grid()->lastRowInSight() - grid()->firstRowInSight() + 1;
    return columnCount() * (1 + rowsInSight);
}

QAccessibleInterface* LogGridAccessible::child(int index) const
{
    const int columns = columnCount();
    if (index < 0 || columns == 0)
        return nullptr;
    if (grid()->numbersWholeTable()) {
        // The view counts a column of row numbers, shown or hidden.
        constexpr int numbers = 1;
        const int row = index / (columns + numbers) - 1;
        const int column = index % (columns + numbers) - numbers;
        return row < 0 ? cellInterface(-1, column) : cellAt(row, column);
    }
    const int row = index / columns - 1;
    const int column = index % columns;
    if (row < 0)
        return cellInterface(-1, column);
    if (index >= childCount())
        return nullptr;
    return cellAt(grid()->firstRowInSight() + row, column);
}

int LogGridAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child || child->parent() != this)
        return -1;
    // The headings' interface has no cell interface of its own: find its column by its text's place.
    const QAccessibleTableCellInterface* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    if (!cell) {
        for (auto it = m_cells.cbegin(); it != m_cells.cend(); ++it) {
            if (it.key() >> 32 == -1 && QAccessible::accessibleInterface(it.value()) == child)
                return int(quint32(it.key()));
        }
        return -1;
    }
    const int columns = columnCount();
    const int row = cell->rowIndex();
    if (grid()->numbersWholeTable()) {
        constexpr int numbers = 1;
        return (row + 1) * (columns + numbers) + cell->columnIndex() + numbers;
    }
    if (row < grid()->firstRowInSight() || row > grid()->lastRowInSight())
        return -1;
    return (row - grid()->firstRowInSight() + 1) * columns + cell->columnIndex();
}

QAccessibleInterface* LogGridAccessible::childAt(int x, int y) const
{
    const QPoint inViewport = grid()->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex index = grid()->indexAt(inViewport);
    return index.isValid() ? cellAt(index.row(), index.column()) : nullptr;
}

QAccessibleInterface* LogGridAccessible::focusChild() const
{
    const QModelIndex current = grid()->currentIndex();
    return current.isValid() ? cellAt(current.row(), current.column()) : nullptr;
}

void* LogGridAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* LogGridAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return cellInterface(row, column);
}

QAccessibleInterface* LogGridAccessible::cellInterface(int row, int column) const
{
    if (column < 0 || column >= columnCount())
        return nullptr;
    const qint64 key = cellKey(row, column);
    if (const auto found = m_cells.constFind(key); found != m_cells.cend())
        return QAccessible::accessibleInterface(*found);
    auto* cell = new LogGridCell(grid(), row, column);
    m_cells.insert(key, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

QString LogGridAccessible::columnDescription(int column) const
{
    return grid()->model() ? grid()->model()->headerData(column, Qt::Horizontal).toString() : QString();
}

QString LogGridAccessible::rowDescription(int row) const
{
    return grid()->model() ? grid()->model()->headerData(row, Qt::Vertical).toString() : QString();
}

int LogGridAccessible::selectedCellCount() const
{
    return int(grid()->selectionModel()->selectedIndexes().size());
}

QList<QAccessibleInterface*> LogGridAccessible::selectedCells() const
{
    QList<QAccessibleInterface*> cells;
    for (const QModelIndex& index : grid()->selectionModel()->selectedIndexes())
        cells.append(cellAt(index.row(), index.column()));
    return cells;
}

void LogGridAccessible::modelChange(QAccessibleTableModelChangeEvent* event)
{
    // The texts are read live; only a change of the rows or columns leaves cells pointing nowhere.
    if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged)
        forgetCells();
}

void LogGridAccessible::forgetCells()
{
    const auto ids = m_cells.values();
    m_cells.clear();
    for (const QAccessible::Id id : ids)
        QAccessible::deleteAccessibleInterface(id);
}
