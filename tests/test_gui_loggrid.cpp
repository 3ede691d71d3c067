#include "generatedlog.h"
#include "logsize/screenreader.h"
#include "ui/loggrid.h"
#include "ui/loggridaccessible.h"
#include "ui/tablemodel.h"

#include <QAccessible>
#include <QHeaderView>
#include <QTest>

#include <memory>

namespace
{

constexpr int kColumns = 14;

// The rows whose cells the viewport shows, found from the cells' own rectangles.
QList<int> rowsInSight(const LogGrid& grid)
{
    QList<int> rows;
    for (int r = 0; r < grid.model()->rowCount(); ++r) {
        if (grid.viewport()->rect().intersects(grid.visualRect(grid.model()->index(r, 0))))
            rows.append(r);
    }
    return rows;
}

QString shownText(const LogGrid& grid, int row, int column)
{
    return row < 0 ? grid.model()->headerData(column, Qt::Horizontal).toString()
                   : grid.model()->index(row, column).data().toString();
}

struct GridFixture {
    TableModel model;
    LogGrid grid;
    explicit GridFixture(int records)
    {
        model.setTable(records == 0 ? emptyTable() : parseTable(generatedLog(records)));
        grid.setModel(&model);
        grid.resize(900, 400);
        grid.show();
    }
    LogGridAccessible* face() { return static_cast<LogGridAccessible*>(QAccessible::queryAccessibleInterface(&grid)); }
};

// Focus events as the accessibility layer resolves them: the cell's row and its name.
QList<QPair<int, QString>> g_focused;

void recordFocus(QAccessibleEvent* event)
{
    if (event->type() != QAccessible::Focus)
        return;
    QAccessibleInterface* cell = event->accessibleInterface();
    const QAccessibleTableCellInterface* place = cell ? cell->tableCellInterface() : nullptr;
    g_focused.append({place ? place->rowIndex() : -100, cell ? cell->text(QAccessible::Name) : QString()});
}

} // namespace

class TestGuiLogGrid : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void childrenAreTheHeadingsAndCellsInSight_data();
    void childrenAreTheHeadingsAndCellsInSight();
    void resetForgetsTheCellsAndSortKeepsThemTrue();
    void focusEventNamesTheCurrentCell_data();
    void focusEventNamesTheCurrentCell();
};

void TestGuiLogGrid::initTestCase()
{
    // The view then sends its events, as with a screen reader.
    if (!activateAccessibility())
        QSKIP("accessibility cannot be switched on in this build");
}

void TestGuiLogGrid::childrenAreTheHeadingsAndCellsInSight_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("scrollTo");
    QTest::newRow("empty log") << 0 << 0;
    QTest::newRow("a few rows, all in sight") << 5 << 0;
    QTest::newRow("1 000 rows, top") << 1000 << 0;
    QTest::newRow("1 000 rows, middle") << 1000 << 500;
    QTest::newRow("1 000 rows, bottom") << 1000 << 999;
}

// A screen reader reading the window walks these children: the headings and the rows in sight,
// each named by its text, however long the log.
void TestGuiLogGrid::childrenAreTheHeadingsAndCellsInSight()
{
    QFETCH(int, records);
    QFETCH(int, scrollTo);
    GridFixture f(records);
    QVERIFY(QTest::qWaitForWindowExposed(&f.grid));
    if (records > 0)
        f.grid.scrollTo(f.model.index(scrollTo, 0), QAbstractItemView::PositionAtTop);
    const QList<int> sight = rowsInSight(f.grid);
    QVERIFY(!sight.isEmpty()); // an empty log still shows one empty row
    QVERIFY(sight.size() < 30);

    LogGridAccessible* face = f.face();
    QCOMPARE(face->childCount(), kColumns * (1 + int(sight.size())));
    QCOMPARE(face->child(face->childCount()), nullptr);
    for (int i = 0; i < face->childCount(); ++i) {
        const int row = i < kColumns ? -1 : sight.at(i / kColumns - 1);
        QAccessibleInterface* child = face->child(i);
        QVERIFY(child);
        QCOMPARE(child->role(), row < 0 ? QAccessible::ColumnHeader : QAccessible::Cell);
        QCOMPARE(child->text(QAccessible::Name), shownText(f.grid, row, i % kColumns));
        QCOMPARE(face->indexOfChild(child), i);
        QCOMPARE(child->parent(), face);
    }
    QVERIFY(face->cellsMade() <= face->childCount() + 1); // the current cell may lie out of sight
    // Every row stays reachable through the table, in sight or not.
    const int rows = f.model.rowCount();
    QCOMPARE(face->rowCount(), rows);
    QCOMPARE(face->cellAt(rows - 1, 0)->text(QAccessible::Name), shownText(f.grid, rows - 1, 0));
    QCOMPARE(face->cellAt(0, kColumns - 1)->tableCellInterface()->rowIndex(), 0);
    QCOMPARE(face->cellAt(rows, 0), nullptr);
}

void TestGuiLogGrid::resetForgetsTheCellsAndSortKeepsThemTrue()
{
    GridFixture f(1000);
    QVERIFY(QTest::qWaitForWindowExposed(&f.grid));
    LogGridAccessible* face = f.face();
    for (int i = 0; i < face->childCount(); ++i)
        face->child(i);
    QVERIFY(face->cellsMade() > 0);

    QVERIFY(f.model.sortColumn(0));
    QCOMPARE(face->child(kColumns)->text(QAccessible::Name), shownText(f.grid, 0, 0));
    QVERIFY(face->cellsMade() > 0);

    f.model.setTable(parseTable(generatedLog(1500, 3)));
    QCOMPARE(face->cellsMade(), 0);
    QCOMPARE(face->rowCount(), 1500);
    QCOMPARE(face->child(kColumns + 1)->text(QAccessible::Name), shownText(f.grid, 0, 1));
    QCOMPARE(face->cellsMade(), 1);
}

void TestGuiLogGrid::focusEventNamesTheCurrentCell_data()
{
    QTest::addColumn<bool>("rowNumbers");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    for (const bool numbers : {false, true}) {
        const char* shown = numbers ? ", row numbers shown" : "";
        QTest::addRow("first cell%s", shown) << numbers << 0 << 0;
        QTest::addRow("a row far below the sight%s", shown) << numbers << 600 << 3;
        QTest::addRow("last cell%s", shown) << numbers << 999 << 13;
    }
}

// The view numbers the cell of its events in the whole table: the event still names that cell.
void TestGuiLogGrid::focusEventNamesTheCurrentCell()
{
    QFETCH(bool, rowNumbers);
    QFETCH(int, row);
    QFETCH(int, column);
    GridFixture f(1000);
    f.grid.verticalHeader()->setVisible(rowNumbers);
    f.grid.activateWindow();
    f.grid.setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&f.grid));
    QTRY_VERIFY(f.grid.hasFocus());
    if (row == 0 && column == 0)
        f.grid.setCurrentIndex(f.model.index(1, 1)); // so that the first cell becomes current anew

    g_focused.clear();
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(recordFocus);
    f.grid.setCurrentIndex(f.model.index(row, column));
    QAccessible::installUpdateHandler(previous);
    QVERIFY(!g_focused.isEmpty());
    QCOMPARE(g_focused.last().first, row);
    QCOMPARE(g_focused.last().second, shownText(f.grid, row, column));
}

QTEST_MAIN(TestGuiLogGrid)
#include "test_gui_loggrid.moc"
