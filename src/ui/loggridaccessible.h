#pragma once

#include <QAccessibleTableInterface>
#include <QAccessibleWidget>
#include <QHash>

class LogGrid;

// The log grid for a screen reader: a table whose children are the column headings and the cells
// in sight, so that reading the window costs what is visible whatever the log's length; every
// cell stays reachable through the table interface (cellAt). Cell interfaces are made when asked
// for and forgotten when the model is reset.
class LogGridAccessible final : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit LogGridAccessible(LogGrid* grid);
    ~LogGridAccessible() override;

    QAccessible::Role role() const override { return QAccessible::Table; }
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* cellAt(int row, int column) const override;
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int columnCount() const override;
    int rowCount() const override;
    int selectedCellCount() const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    // The cell interfaces made so far, headings included.
    int cellsMade() const { return int(m_cells.size()); }

private:
    LogGrid* grid() const;
    // A heading is row -1.
    QAccessibleInterface* cellInterface(int row, int column) const;
    void forgetCells();

    mutable QHash<qint64, QAccessible::Id> m_cells;
};
