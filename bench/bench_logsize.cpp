// How the tool behaves as LogCfg.txt grows, measured in one run against the start-up of the whole
// program with an empty log:
//   - start-up: the real program, from exec to its first painted window, with peak resident
//     memory (the whole-process unit of bench_startup), its current directory holding a
//     LogCfg.txt of 0, 10 000 and 100 000 records; runs alternate between the sizes;
//   - the log viewer shown for the first time (reading the log, filling the grid, first paint) and
//     the memory it then holds;
//   - the two sorts on those rows, and a sort of rows already in order;
//   - the exchange sort written plainly (keys read from the texts at every comparison) against the
//     fast one on the same 3 000 rows only: it is quadratic in parsed keys and would take seconds
//     at 10 000 rows and many minutes at 100 000;
//   - the viewer showing 100 000 records with accessibility active, and what a screen reader reads
//     first (headings, the current cell, the rows in sight), then a sort;
//   - the viewer first shown at 10 000 and 100 000 records with a real screen reader connected
//     (under Xvfb, see logsize/withclient.h), against the same shows without it in the same process.
// The logs are generated in a temporary directory. Figures are printed, never judged.
//
// Usage: bench_logsize [--program PATH] [--screen-reader-only] [--client-limit SECONDS]
//   PATH: another build of hxconfig for the start-up rows; --screen-reader-only measures the
//   connected screen reader alone, stopped after SECONDS (900 unless told).
#include "directtablesort.h"
#include "files/tablesort.h"
#include "generatedlog.h"
#include "image/logrecord.h"
#include "logsize/procstatus.h"
#include "logsize/screenreader.h"
#include "logsize/withclient.h"
#include "startupprobe.h"
#include "ui/silentdialogs.h"
#include "ui/tfmexibelog.h"
#include "waitforpaint.h"

#include <QAccessible>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

namespace
{

constexpr int kStartRuns = 31;
constexpr int kWaitLimitMs = 60000;
constexpr int kPlainSortRows = 3000;
const std::vector<int> kLogSizes = {0, 10000, 100000};

double msSince(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// Whole starts of hxconfig, run from a program directory of its own with a settings file, its
// current directory holding each log in turn. Medians in the order of kLogSizes.
QList<StartupFigures> measureStartUps(const QString& tool, const QString& scratch,
                                      const std::map<int, QString>& logDirs)
{
    const QString programDir = scratch + QStringLiteral("/program");
    const QString program = programDir + QStringLiteral("/hxconfig");
    QFile settings(programDir + QStringLiteral("/ConfDefault.ini"));
    if (!QDir().mkpath(programDir) || !QFile::copy(tool, program) || !settings.open(QIODevice::WriteOnly) ||
        settings.write("[HXConfig]\r\nListBox=1\r\n1=127.0.0.1:2323\r\n") < 0)
        qFatal("cannot prepare a program directory for hxconfig");
    settings.close();
    QList<StartupCase> cases;
    for (const int records : kLogSizes)
        cases.append({QStringLiteral("LogCfg.txt of %1 records").arg(records), program, {}, logDirs.at(records)});
    QString failure;
    const StartupProbe probe(StartupProbe::probeDirBeside(QCoreApplication::applicationDirPath()));
    const QList<StartupFigures> figures = probe.measure(cases, kStartRuns, &failure);
    if (figures.isEmpty())
        qFatal("%s", qPrintable(failure));
    return figures;
}

void showAndWaitForPaint(QWidget& window)
{
    waitForPaint(window, kWaitLimitMs);
    QCoreApplication::processEvents();
}

struct ViewerFigures {
    double showMs = 0, heldKb = 0;
    double sort0Ms = 0, sort1Ms = 0, sortedAgainMs = 0;
    int rows = 0;
};

double timedSort(TfmExibeLog& viewer, int column)
{
    QElapsedTimer timer;
    timer.start();
    viewer.OrdenaColuna(column);
    QCoreApplication::processEvents(); // the repaint
    return msSince(timer);
}

// A viewer opening on the LogCfg.txt of dir: its first show, then column 0, column 1 and column 1
// again (rows already in order).
ViewerFigures measureViewer(const QString& dir, Dialogs& dialogs)
{
    QDir::setCurrent(dir);
    const long before = procStatusKb("VmRSS");
    auto viewer = std::make_unique<TfmExibeLog>(dialogs, nullptr);
    QElapsedTimer timer;
    timer.start();
    showAndWaitForPaint(*viewer);
    ViewerFigures f;
    f.showMs = msSince(timer);
    f.heldKb = double(procStatusKb("VmRSS") - before);
    f.rows = int(viewer->table().rows.size()) - 1;
    f.sort0Ms = timedSort(*viewer, 0);
    f.sort1Ms = timedSort(*viewer, 1);
    f.sortedAgainMs = timedSort(*viewer, 1);
    return f;
}

struct PlainVersusFast {
    double plainMs[2] = {0, 0};
    double fastMs[2] = {0, 0};
};

PlainVersusFast measurePlainSort()
{
    const Table table = parseTable(generatedLog(kPlainSortRows, 7));
    PlainVersusFast result;
    for (int column = 0; column < 2; ++column) {
        Table plain = table;
        Table fast = table;
        QElapsedTimer timer;
        timer.start();
        (void)directSortColumn(plain, column); // the two orders are compared below
        result.plainMs[column] = msSince(timer);
        timer.start();
        (void)sortColumn(fast, column);
        result.fastMs[column] = msSince(timer);
        if (plain.rows != fast.rows)
            qFatal("the two sorts disagree");
    }
    return result;
}

struct AccessibleFigures {
    bool active = false;
    double showMs = 0, readMs = 0, sortMs = 0;
    int cellsRead = 0;
};

// As a screen reader meets the viewer: the grid's headings, the current cell and every cell in
// sight, through the accessibility interfaces.
AccessibleFigures measureAccessibleViewer(const QString& dir, Dialogs& dialogs)
{
    AccessibleFigures f;
    f.active = activateAccessibility();
    QDir::setCurrent(dir);
    auto viewer = std::make_unique<TfmExibeLog>(dialogs, nullptr);
    QElapsedTimer timer;
    timer.start();
    showAndWaitForPaint(*viewer);
    f.showMs = msSince(timer);

    timer.start();
    QTableView* grid = viewer->grid();
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(grid);
    QAccessibleTableInterface* table = view ? view->tableInterface() : nullptr;
    if (!table)
        qFatal("the grid has no accessible table");
    QString heard;
    for (int c = 0; c < table->columnCount(); ++c)
        heard += table->columnDescription(c);
    const int firstRow = grid->rowAt(0);
    const int lastRow = std::max(firstRow, grid->rowAt(grid->viewport()->height() - 1));
    for (int r = firstRow; r <= lastRow && r < table->rowCount(); ++r) {
        for (int c = 0; c < table->columnCount(); ++c) {
            heard += table->cellAt(r, c)->text(QAccessible::Name);
            ++f.cellsRead;
        }
    }
    f.readMs = msSince(timer);
    if (heard.isEmpty())
        qFatal("nothing to read");
    f.sortMs = timedSort(*viewer, 0);
    return f;
}

} // namespace

int main(int argc, char** argv)
{
    // The connected screen reader's part runs in a child of this program, on the X server it was given.
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == kScreenReaderPart) {
        QApplication app(argc, argv);
        return runScreenReaderPart(QCoreApplication::arguments().mid(2));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption programOption(QStringLiteral("program"),
                                           QStringLiteral("The hxconfig whose start-up to measure (an older build, "
                                                          "say); the rest measures this tree's code."),
                                           QStringLiteral("PATH"));
    parser.addOption(programOption);
    const QCommandLineOption readerOnlyOption(
        QStringLiteral("screen-reader-only"),
        QStringLiteral("Measure only the viewer with a screen reader connected."));
    parser.addOption(readerOnlyOption);
    const QCommandLineOption limitOption(QStringLiteral("client-limit"),
                                         QStringLiteral("Stop the screen reader's part after SECONDS (900)."),
                                         QStringLiteral("SECONDS"), QStringLiteral("900"));
    parser.addOption(limitOption);
    parser.process(app);
    const QString tool = parser.isSet(programOption)
                             ? parser.value(programOption)
                             : QCoreApplication::applicationDirPath() + QStringLiteral("/hxconfig");

    // Each log size has a directory of its own, the current directory of the runs that use it.
    QTemporaryDir scratch;
    std::map<int, QString> logDirs;
    std::map<int, qint64> logBytes;
    QElapsedTimer generating;
    generating.start();
    for (const int records : kLogSizes) {
        const QString dir = scratch.filePath(QStringLiteral("log%1").arg(records));
        QDir().mkpath(dir);
        QFile log(dir + QLatin1Char('/') + logFileName());
        const QByteArray bytes = generatedLog(records);
        if (!log.open(QIODevice::WriteOnly) || log.write(bytes) != bytes.size())
            qFatal("cannot write a log");
        logDirs[records] = dir;
        logBytes[records] = bytes.size();
    }
    std::printf("(logs generated in %.1f s)\n", msSince(generating) / 1000.0);
    const int clientLimit = parser.value(limitOption).toInt();
    std::map<int, QString> readerDirs = {{10000, logDirs[10000]}, {100000, logDirs[100000]}};
    if (parser.isSet(readerOnlyOption)) {
        printScreenReaderFigures(readerDirs, clientLimit);
        return 0;
    }

    const QList<StartupFigures> starts = measureStartUps(tool, scratch.path(), logDirs);
    const double baseMs = starts.at(0).medianMs;
    const double baseKb = starts.at(0).medianPeakKib;

    SilentDialogs dialogs;
    const QString startDir = QDir::currentPath();
    measureViewer(logDirs[0], dialogs); // not counted: loads the styles and fonts of any first window
    std::map<int, ViewerFigures> viewer;
    for (const int records : kLogSizes)
        viewer[records] = measureViewer(logDirs[records], dialogs);
    const PlainVersusFast plain = measurePlainSort();
    const AccessibleFigures accessible = measureAccessibleViewer(logDirs[100000], dialogs);
    QDir::setCurrent(startDir);

    const auto ratio = [baseMs](double ms) { return ms / baseMs; };
    std::printf("%-58s %11s %8s\n", "measure", "figure", "ratio");
    std::printf("baseline: start-up to the first painted window, empty LogCfg.txt (median of %d)\n", kStartRuns);
    for (std::size_t k = 0; k < kLogSizes.size(); ++k) {
        const StartupFigures& f = starts.at(qsizetype(k));
        std::printf("start-up, LogCfg.txt of %6d records (%6.1f MiB)           %8.1f ms %8.2f\n", kLogSizes[k],
                    double(logBytes[kLogSizes[k]]) / 1048576.0, f.medianMs, ratio(f.medianMs));
        std::printf("  peak resident memory at the first paint                  %8.0f KiB %7.2f\n", f.medianPeakKib,
                    f.medianPeakKib / baseKb);
    }
    for (const int records : kLogSizes) {
        const ViewerFigures& f = viewer[records];
        std::printf("viewer first shown, %6d records (%6d rows)                  %8.1f ms %8.2f\n", records, f.rows,
                    f.showMs, ratio(f.showMs));
        std::printf("  memory the viewer then holds                              %8.0f KiB\n", f.heldKb);
        std::printf("  sort by column 0 (MAC)                                    %8.1f ms %8.2f\n", f.sort0Ms,
                    ratio(f.sort0Ms));
        std::printf("  sort by column 1 (last octet)                             %8.1f ms %8.2f\n", f.sort1Ms,
                    ratio(f.sort1Ms));
        std::printf("  sort by column 1 again (rows in order)                    %8.1f ms %8.2f\n", f.sortedAgainMs,
                    ratio(f.sortedAgainMs));
    }
    for (int column = 0; column < 2; ++column) {
        std::printf("%d rows, column %d: plain exchange sort                    %8.1f ms %8.2f\n", kPlainSortRows,
                    column, plain.plainMs[column], ratio(plain.plainMs[column]));
        std::printf("%d rows, column %d: fast sort (same result)                %8.1f ms %8.2f\n", kPlainSortRows,
                    column, plain.fastMs[column], ratio(plain.fastMs[column]));
    }
    std::printf("accessibility %s: viewer first shown, 100000 rows              %8.1f ms %8.2f\n",
                accessible.active ? "active" : "NOT ACTIVE", accessible.showMs, ratio(accessible.showMs));
    std::printf("  headings and %d cells in sight read through it             %8.1f ms %8.2f\n", accessible.cellsRead,
                accessible.readMs, ratio(accessible.readMs));
    std::printf("  sort by column 0                                          %8.1f ms %8.2f\n", accessible.sortMs,
                ratio(accessible.sortMs));
    printScreenReaderFigures(readerDirs, clientLimit);
    return 0;
}
