#pragma once

#include <QTableView>

// The log viewer's grid. A screen reader meets it through LogGridAccessible, whose children are
// the headings and the cells in sight only; the view's own accessibility events number a cell by
// its place in the whole table (a column of row numbers counted), so while the view sends them the interface reads that
// numbering.
class LogGrid final : public QTableView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LogGrid)

public:
    explicit LogGrid(QWidget* parent = nullptr);

    // True while the view sends an accessibility event about one of its cells.
    bool numbersWholeTable() const { return m_numbersWholeTable; }

    // The first and last rows in sight, or -1 and -2 when none is.
    int firstRowInSight() const;
    int lastRowInSight() const;

    // Makes the accessibility layer ask LogGridAccessible for grids of this class.
    static void installAccessibility();

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool m_numbersWholeTable = false;
};
