// The viewer as a model and view: it reads LogCfg.txt only when first shown, shows the same rows,
// headings and widths a grid of cells did, and tells a screen reader the same texts.
#include "directtablesort.h"
#include "files/logrecord.h"
#include "files/tfmexibelog.h"
#include "generatedlog.h"
#include "scripteddialogs.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace
{

// What the grid shows, row by row, as the table it was filled from would hold it.
QList<TableRow> shownRows(const QTableView* grid)
{
    const QAbstractItemModel* model = grid->model();
    QList<TableRow> rows;
    TableRow headings;
    for (int c = 0; c < model->columnCount(); ++c)
        headings[std::size_t(c)] = model->headerData(c, Qt::Horizontal).toString();
    rows.append(headings);
    for (int r = 0; r < model->rowCount(); ++r) {
        TableRow row;
        for (int c = 0; c < model->columnCount(); ++c)
            row[std::size_t(c)] = model->index(r, c).data().toString();
        rows.append(row);
    }
    return rows;
}

// What a screen reader gets from the grid: its column headings and the name of every cell.
QList<TableRow> heardRows(QTableView* grid)
{
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(grid);
    QAccessibleTableInterface* table = view ? view->tableInterface() : nullptr;
    if (!table)
        return {};
    QList<TableRow> rows;
    TableRow headings;
    for (int c = 0; c < table->columnCount(); ++c)
        headings[std::size_t(c)] = table->columnDescription(c);
    rows.append(headings);
    for (int r = 0; r < table->rowCount(); ++r) {
        TableRow row;
        for (int c = 0; c < table->columnCount() && c < kTableColumns; ++c) {
            QAccessibleInterface* cell = table->cellAt(r, c);
            row[std::size_t(c)] = cell ? cell->text(QAccessible::Name) : QStringLiteral("<no cell>");
        }
        rows.append(row);
    }
    return rows;
}

// The grid's cells as the window shows them: what was last painted.
QImage shownOnScreen(QTableView* grid)
{
    QCoreApplication::processEvents();
    const QWidget* cells = grid->viewport();
    const QPoint at = cells->mapTo(grid->window(), QPoint(0, 0));
    return grid->screen()
        ->grabWindow(grid->window()->winId(), at.x(), at.y(), cells->width(), cells->height())
        .toImage();
}

// The grid's cells painted afresh from the table.
QImage rendered(QTableView* grid)
{
    return grid->viewport()->grab().toImage();
}

void press(QTableView* grid, int row, int column)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(row, column)).center());
}

} // namespace

class TestGuiViewerLoad : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousDir;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<QWidget> m_main;

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir->filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            qFatal("cannot write a test file");
        return path;
    }

    std::unique_ptr<TfmExibeLog> makeViewer() { return std::make_unique<TfmExibeLog>(m_dialogs, m_main.get()); }

    static void showAndWait(TfmExibeLog& viewer)
    {
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_previousDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_dialogs.clear();
        m_main = std::make_unique<QWidget>();
    }

    void cleanup()
    {
        QDir::setCurrent(m_previousDir);
        m_main.reset();
        m_dir.reset();
    }

    void readsTheLogWhenFirstShown()
    {
        write(logFileName(), generatedLog(3));
        auto viewer = makeViewer();
        QCOMPARE(viewer->table().rows, emptyTable().rows); // created, not yet read

        // The log as it is when the viewer opens, not as it was when the tool started.
        const QByteArray log = generatedLog(5, 2);
        write(logFileName(), log);
        showAndWait(*viewer);
        QCOMPARE(viewer->table().rows, parseTable(log).rows);
        QCOMPARE(shownRows(viewer->grid()), parseTable(log).rows);

        // Shown again later: not read again.
        viewer->hide();
        write(logFileName(), generatedLog(1));
        showAndWait(*viewer);
        QCOMPARE(viewer->grid()->model()->rowCount(), 5);
        QVERIFY(m_dialogs.shown.isEmpty());
    }

    void aFileLoadedBeforeTheFirstShowStays()
    {
        write(logFileName(), generatedLog(4));
        auto viewer = makeViewer();
        viewer->CarregaArquivo(write(QStringLiteral("other.txt"), "A;B;\r\n1;2;\r\n"));
        showAndWait(*viewer);
        QCOMPARE(shownRows(viewer->grid()).mid(0, 2), (QList<TableRow>{{QStringLiteral("A"), QStringLiteral("B")},
                                                                       {QStringLiteral("1"), QStringLiteral("2")}}));

        // "Visualizar Log" hands the viewer the program's log, which it loads and shows at once.
        auto second = makeViewer();
        const QString programLog = write(QStringLiteral("program-log.txt"), generatedLog(2, 9));
        second->showFile(programLog);
        QVERIFY(second->isVisible());
        QCOMPARE(second->table().rows, parseTable(generatedLog(2, 9)).rows);
    }

    void showsTheRowsHeadingsAndWidthsOfTheTable()
    {
        const QByteArray log = generatedLog(40, 3);
        write(logFileName(), log);
        auto viewer = makeViewer();
        showAndWait(*viewer);
        QTableView* grid = viewer->grid();
        const QList<TableRow> expected = parseTable(log).rows;
        QCOMPARE(expected.size(), 41);
        QCOMPARE(shownRows(grid), expected);
        QCOMPARE(heardRows(grid), expected);

        const QList<int> widths = {85, 92, 51, 88, 52, 53, 90, 90, 72, 63, 52, 51, 63, 46};
        for (int c = 0; c < kTableColumns; ++c) {
            QCOMPARE(grid->columnWidth(c), widths.at(c));
            QCOMPARE(grid->horizontalHeader()->sectionSize(c), widths.at(c));
        }
        for (int r = 0; r < 40; ++r)
            QCOMPARE(grid->rowHeight(r), 20);
        QVERIFY(grid->horizontalHeader()->isVisible());
        QCOMPARE(grid->horizontalHeader()->height(), 20);
        QVERIFY(!grid->verticalHeader()->isVisible());
        // Headings are part of no row: the first data row is the first row of the grid.
        QCOMPARE(grid->rowAt(grid->visualRect(grid->model()->index(0, 0)).center().y()), 0);

        // A press selects that one cell; cells cannot be edited.
        press(grid, 3, 5);
        QCOMPARE(grid->selectionModel()->selectedIndexes(), QModelIndexList{grid->model()->index(3, 5)});
        QTest::keyClick(grid, Qt::Key_F2);
        QVERIFY(!grid->indexWidget(grid->currentIndex()));
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(!(grid->model()->flags(grid->model()->index(3, 5)) & Qt::ItemIsEditable));
    }

    void sortingMovesTheTextsAndKeepsTheCurrentCell()
    {
        const QByteArray log = generatedLog(150, 4);
        write(logFileName(), log);
        auto viewer = makeViewer();
        showAndWait(*viewer);
        QTableView* grid = viewer->grid();
        Table expected = parseTable(log);

        press(grid, 4, 5);                             // the grid takes the focus, nothing sorts
        QCOMPARE(shownOnScreen(grid), rendered(grid)); // painted: from here on only changes are
        press(grid, 4, 0);
        QVERIFY(directSortColumn(expected, 0, nullptr));
        QCOMPARE(shownRows(grid), expected.rows);
        QCOMPARE(heardRows(grid), expected.rows);
        QCOMPARE(grid->currentIndex(), grid->model()->index(4, 0));
        // On screen too: the window shows the moved texts, not only the model.
        QCOMPARE(shownOnScreen(grid), rendered(grid));

        QTest::keyClick(grid, Qt::Key_Right);
        QVERIFY(directSortColumn(expected, 1, nullptr));
        QCOMPARE(shownRows(grid), expected.rows);
        QCOMPARE(grid->currentIndex(), grid->model()->index(4, 1));
        QCOMPARE(shownOnScreen(grid), rendered(grid));
        QVERIFY(m_dialogs.shown.isEmpty());
    }

    void loadingAfterASortShowsTheNewFileOnly()
    {
        write(logFileName(), generatedLog(30, 5));
        auto viewer = makeViewer();
        showAndWait(*viewer);
        QTableView* grid = viewer->grid();
        press(grid, 10, 1);
        viewer->CarregaArquivo(write(QStringLiteral("small.txt"), "H;\r\nx;\r\n"));
        QCOMPARE(shownRows(grid).size(), 2);
        QCOMPARE(heardRows(grid).size(), 2);
        QCOMPARE(grid->model()->index(0, 0).data().toString(), QStringLiteral("x"));
        QCOMPARE(grid->currentIndex(), grid->model()->index(0, 0));
    }
};

QTEST_MAIN(TestGuiViewerLoad)
#include "test_gui_viewerload.moc"
