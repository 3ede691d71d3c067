#include "directtablesort.h"
#include "generatedlog.h"
#include "image/logrecord.h"
#include "scripteddialogs.h"
#include "ui/tfmexibelog.h"
#include "writefailure.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace
{

const QByteArray kFirstExample = "MAC;IP;\r\n0A;10.0.0.7;\r\n01;10.0.0.9;\r\n";

QStringList column(const QTableView* grid, int c)
{
    QStringList out;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        out.append(grid->model()->index(r, c).data().toString());
    return out;
}

QStringList headings(const QTableView* grid)
{
    QStringList out;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        out.append(grid->model()->headerData(c, Qt::Horizontal).toString());
    return out;
}

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

void press(QTableView* grid, int row, int c)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, c));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class TestGuiViewer : public QObject
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
        m_dialogs.fileChoices.clear();
        m_main = std::make_unique<QWidget>();
    }

    void cleanup()
    {
        QDir::setCurrent(m_previousDir);
        m_main.reset();
        m_dir.reset();
    }

    void windowLayout()
    {
        auto viewer = makeViewer();
        QCOMPARE(viewer->objectName(), QStringLiteral("fmExibeLog"));
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Arquivo Microterminal TCP-IP  Corvale Tecnologia"));
        QVERIFY(viewer->isWindow());
        QVERIFY(!viewer->isVisible());
        QCOMPARE(viewer->geometry(), QRect(15, 189, 997, 480));

        auto* panel = viewer->findChild<QWidget*>(QStringLiteral("Panel1"));
        QVERIFY(panel);
        auto* button = viewer->findChild<QToolButton*>(QStringLiteral("SpeedButton1"));
        QVERIFY(button);
        QCOMPARE(button->parentWidget(), panel);
        QCOMPARE(button->geometry(), QRect(8, 8, 23, 22));
        QVERIFY(!button->icon().isNull());
        QVERIFY(button->text().isEmpty());
        QCOMPARE(button->accessibleName(), QStringLiteral("Abrir arquivo"));

        QTableView* grid = viewer->grid();
        QCOMPARE(grid->objectName(), QStringLiteral("StringGrid1"));
        QCOMPARE(grid->model()->columnCount(), 14);
        const QList<int> widths = {85, 92, 51, 88, 52, 53, 90, 90, 72, 63, 52, 51, 63, 46};
        for (int c = 0; c < 14; ++c)
            QCOMPARE(grid->columnWidth(c), widths.at(c));
        QCOMPARE(grid->verticalHeader()->defaultSectionSize(), 20);
        QVERIFY(!grid->verticalHeader()->isVisible());
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        // Empty: the heading row and one blank data row.
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(headings(grid), QStringList(14, QString()));
        QVERIFY(!(grid->model()->index(0, 0).flags() & Qt::ItemIsEditable));

        viewer->show();
        QVERIFY(QTest::qWaitForWindowExposed(viewer.get()));
        QCOMPARE(panel->height(), 41);
        QCOMPARE(panel->width(), viewer->width());
        QCOMPARE(grid->geometry().top(), 41);
        QCOMPARE(grid->geometry().bottom(), viewer->height() - 1);
        QCOMPARE(grid->rowHeight(0), 20);
        QVERIFY(m_dialogs.shown.isEmpty()); // no LogCfg.txt: no message
    }

    void loadsLogCfgFromTheCurrentDirectory()
    {
        LogValues a;
        a.mac = QStringLiteral("0050C2000002");
        a.ipLocal = QStringLiteral("10.0.0.9");
        LogValues b;
        b.mac = QStringLiteral("0050C2000001");
        b.ipLocal = QStringLiteral("10.0.0.7");
        const QDateTime when(QDate(2026, 12, 7), QTime(3, 41));
        const QLocale locale(QLocale::Portuguese, QLocale::Brazil);
        write(logFileName(), buildLogRecord(a, when, locale) + buildLogRecord(b, when, locale));

        auto viewer = makeViewer();
        QTableView* grid = viewer->grid();
        QCOMPARE(grid->model()->rowCount(), 2);
        QCOMPARE(headings(grid).mid(0, 3),
                 (QStringList{QStringLiteral("MAC"), QStringLiteral("IP Local"), QStringLiteral("Data/Hora")}));
        QCOMPARE(column(grid, 0), (QStringList{QStringLiteral("0050C2000002"), QStringLiteral("0050C2000001")}));
        QCOMPARE(column(grid, 2), QStringList(2, QStringLiteral("07/12/26 - 03:41")));
        QVERIFY(m_dialogs.shown.isEmpty());
    }

    void carregaArquivoReplacesTheTable()
    {
        auto viewer = makeViewer();
        QTableView* grid = viewer->grid();
        viewer->CarregaArquivo(write(QStringLiteral("first.txt"), kFirstExample));
        QCOMPARE(headings(grid).mid(0, 3), (QStringList{QStringLiteral("MAC"), QStringLiteral("IP"), QString()}));
        QCOMPARE(column(grid, 0), (QStringList{QStringLiteral("0A"), QStringLiteral("01")}));
        QCOMPARE(column(grid, 1), (QStringList{QStringLiteral("10.0.0.7"), QStringLiteral("10.0.0.9")}));

        viewer->CarregaArquivo(write(QStringLiteral("second.txt"), "H1;H2;\r\na;b;z\r\nx;\r\n"));
        QCOMPARE(headings(grid).mid(0, 3), (QStringList{QStringLiteral("H1"), QStringLiteral("H2"), QString()}));
        // What a screen reader says of the grid follows the file it shows.
        QCOMPARE(QAccessible::queryAccessibleInterface(grid)->text(QAccessible::Name),
                 QStringLiteral("Tabela: second.txt"));
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(grid->model()->index(0, 0).data().toString(), QStringLiteral("x"));
        QCOMPARE(grid->model()->index(0, 1).data().toString(), QStringLiteral("b"));

        viewer->CarregaArquivo(m_dir->filePath(QStringLiteral("missing.txt")));
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(column(grid, 0), QStringList{QString()});
        QCOMPARE(headings(grid).first(), QString());
        QVERIFY(m_dialogs.shown.isEmpty());
        QCOMPARE(QAccessible::queryAccessibleInterface(grid)->text(QAccessible::Name), QStringLiteral("Tabela"));

        viewer->CarregaArquivo(m_dir->path()); // a folder is no file: nothing to load, nothing to say
        QVERIFY(m_dialogs.shown.isEmpty());
        QCOMPARE(grid->model()->rowCount(), 1);
    }

    void folderNamedLikeTheLogAtStart()
    {
        QVERIFY(QDir(m_dir->path()).mkdir(logFileName()));
        auto viewer = makeViewer();
        QVERIFY(m_dialogs.shown.isEmpty());
        QCOMPARE(viewer->grid()->model()->rowCount(), 1);
        QCOMPARE(headings(viewer->grid()).first(), QString());
    }

    void unreadableLogAtStartSaysSoInPortuguese()
    {
        const QString path = write(logFileName(), kFirstExample);
        {
            writefailure::UnreadableFile unreadable(path);
            if (!unreadable.active())
                QSKIP("cannot make a file unreadable here");
            auto viewer = makeViewer();
            QCOMPARE(viewer->grid()->model()->rowCount(), 1);
        }
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown.first().kind, QStringLiteral("error"));
        // What the box shows, its CR a line break.
        QCOMPARE(displayText(m_dialogs.shown.first().text),
                 QStringLiteral("Não foi possível abrir o arquivo \"%1\".\nSem permissão de leitura.")
                     .arg(QDir::currentPath() + QLatin1Char('/') + logFileName()));
    }

    void selectingACellSortsItsColumn()
    {
        auto viewer = makeViewer();
        viewer->show();
        QVERIFY(QTest::qWaitForWindowExposed(viewer.get()));
        QTableView* grid = viewer->grid();
        viewer->CarregaArquivo(write(QStringLiteral("first.txt"), kFirstExample));

        press(grid, 1, 0);
        QCOMPARE(column(grid, 0), (QStringList{QStringLiteral("01"), QStringLiteral("0A")}));
        press(grid, 1, 1);
        QCOMPARE(column(grid, 1), (QStringList{QStringLiteral("10.0.0.7"), QStringLiteral("10.0.0.9")}));
        QCOMPARE(column(grid, 0), (QStringList{QStringLiteral("0A"), QStringLiteral("01")}));
        // The keyboard selects too.
        QTest::keyClick(grid, Qt::Key_Left);
        QCOMPARE(column(grid, 0), (QStringList{QStringLiteral("01"), QStringLiteral("0A")}));
        QVERIFY(m_dialogs.shown.isEmpty());
    }

    void pressingTheCurrentCellSortsToo()
    {
        auto viewer = makeViewer();
        viewer->show();
        QVERIFY(QTest::qWaitForWindowExposed(viewer.get()));
        QTableView* grid = viewer->grid();
        viewer->CarregaArquivo(write(QStringLiteral("first.txt"), kFirstExample));
        QCOMPARE(grid->currentIndex().row(), 0);
        QCOMPARE(grid->currentIndex().column(), 0);
        QCOMPARE(column(grid, 0), (QStringList{QStringLiteral("0A"), QStringLiteral("01")})); // loading sorts nothing
        press(grid, 0, 0);
        QCOMPARE(column(grid, 0), (QStringList{QStringLiteral("01"), QStringLiteral("0A")}));
    }

    void otherColumnsNeverReorder()
    {
        auto viewer = makeViewer();
        viewer->show();
        QVERIFY(QTest::qWaitForWindowExposed(viewer.get()));
        QTableView* grid = viewer->grid();
        viewer->CarregaArquivo(write(QStringLiteral("t.txt"), "a;b;c;\r\n0B;1.9;x;\r\n0A;1.8;y;\r\n"));
        for (int c = 2; c < 14; ++c)
            press(grid, 1, c);
        QCOMPARE(column(grid, 0), (QStringList{QStringLiteral("0B"), QStringLiteral("0A")}));
    }

    void badKeyShowsOneErrorAndKeepsTheExchanges()
    {
        auto viewer = makeViewer();
        viewer->show();
        QVERIFY(QTest::qWaitForWindowExposed(viewer.get()));
        QTableView* grid = viewer->grid();
        viewer->CarregaArquivo(write(QStringLiteral("bad.txt"), "h;\r\n05;\r\n03;\r\nzz;\r\n01;\r\n"));
        press(grid, 2, 0);
        QCOMPARE(m_dialogs.texts(), QStringList{QStringLiteral("'$zz' is not a valid integer value")});
        QCOMPARE(m_dialogs.shown.first().kind, QStringLiteral("error"));
        QCOMPARE(column(grid, 0),
                 (QStringList{QStringLiteral("03"), QStringLiteral("05"), QStringLiteral("zz"), QStringLiteral("01")}));
    }

    void openButtonAndCancel()
    {
        auto viewer = makeViewer();
        QTableView* grid = viewer->grid();
        viewer->CarregaArquivo(write(QStringLiteral("first.txt"), kFirstExample));

        // Cancelled before any file was ever chosen: the dialog holds no name, the table empties.
        viewer->findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->click();
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown.first().kind, QStringLiteral("open"));
        QCOMPARE(m_dialogs.lastFilter, QStringLiteral("Arquivo Texto|*.txt")); // the name alone is shown
        QCOMPARE(QDir(m_dialogs.lastFolder), QDir(m_dir->path()));
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(headings(grid).first(), QString());

        const QString chosen = write(QStringLiteral("chosen.txt"), "A;\r\n1;\r\n2;\r\n");
        m_dialogs.fileChoices = {chosen};
        viewer->SpeedButton1Click();
        QCOMPARE(column(grid, 0), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));

        // A cancel later loads the name chosen the time before again, as it is now.
        write(QStringLiteral("chosen.txt"), "A;\r\n7;\r\n");
        viewer->SpeedButton1Click();
        QCOMPARE(column(grid, 0), QStringList{QStringLiteral("7")});
    }

    void closingHidesAndShowsTheMainWindow()
    {
        auto viewer = makeViewer();
        viewer->showFile(write(QStringLiteral("first.txt"), kFirstExample));
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->grid()->model()->rowCount(), 2);
        QVERIFY(!m_main->isVisible());
        QVERIFY(viewer->close());
        QVERIFY(!viewer->isVisible());
        QVERIFY(m_main->isVisible());
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
        QVERIFY(directSortColumn(expected, 0));
        QCOMPARE(shownRows(grid), expected.rows);
        QCOMPARE(heardRows(grid), expected.rows);
        QCOMPARE(grid->currentIndex(), grid->model()->index(4, 0));
        // On screen too: the window shows the moved texts, not only the model.
        QCOMPARE(shownOnScreen(grid), rendered(grid));

        QTest::keyClick(grid, Qt::Key_Right);
        QVERIFY(directSortColumn(expected, 1));
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

QTEST_MAIN(TestGuiViewer)
#include "test_gui_viewer.moc"
