// Start-up as a user waits for it: whole processes, from exec to the first painted main window,
// with their peak resident memory, against two baselines built in the same tree: a bare widget
// program showing an empty 638 x 449 window, and a plain program that builds the same widgets from
// the same .ui. Medians of alternating runs; figures and ratios printed, never judged.
//
// Then the same program with a settings file of 1 MB, mostly a long address history, against the
// demo's settings file: start-up must not grow with the file (goal: within 1.2 times).
//
// Usage: bench_startup [--rounds N] [--program PATH]
//   --program measures another build of hxconfig (an older one, say) in place of the one beside.
// The programs, bin/probes and hxconfig must lie beside this program, as they do in build/bin.
#include "startupprobe.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

constexpr int kDefaultRounds = 25;
constexpr qsizetype kLargeSettingsSize = 1024 * 1024;

bool writeFile(const QString& path, const QByteArray& bytes, QString* failure)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        *failure = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

// A program directory: a copy of the program and its settings file.
bool prepareProgramDir(const QString& dir, const QString& program, const QByteArray& settings, QString* failure)
{
    const QString copy = dir + QStringLiteral("/hxconfig");
    if (!QFile::copy(program, copy)) {
        *failure = QStringLiteral("cannot copy %1 to %2").arg(program, dir);
        return false;
    }
    return writeFile(dir + QStringLiteral("/ConfDefault.ini"), settings, failure);
}

// As a user has it after a few sessions: an address history and a logo path, so start-up reads
// the file and seeds nothing.
const QByteArray kFewSessions = "[HXConfig]\r\nListBox=3\r\n1=192.168.0.20\r\n2=192.168.0.21\r\n3=127.0.0.1:2323\r\n"
                                "\r\n[Arquivo]\r\nCaminho=/home/tecnico/logo.txt\r\n";

// The demo's settings file, its address pointing at the simulator's usual port.
QByteArray demoSettings(QString* failure)
{
    QFile demo(QStringLiteral(HX_DEMO_DIR "/ConfDefault.ini"));
    if (!demo.open(QIODevice::ReadOnly)) {
        *failure = QStringLiteral("cannot read %1").arg(demo.fileName());
        return {};
    }
    return demo.readAll().replace("@PORT@", "2323");
}

// The demo's file with its one address replaced by a history that fills the file up to `size`
// bytes (within a line): one key per address, each line about a hundred bytes, as host names of a large fleet.
QByteArray withLongHistory(const QByteArray& demo, qsizetype size, int* entries)
{
    const qsizetype historyStart = demo.indexOf("[HXConfig]");
    const qsizetype historyEnd = demo.indexOf("\r\n[", historyStart + 1);
    const QByteArray before = demo.left(historyStart);
    const QByteArray after = demo.mid(historyEnd + 2);
    QByteArray lines;
    int count = 0;
    while (before.size() + after.size() + lines.size() + 40 < size) {
        ++count;
        lines += QByteArray::number(count) + "=caixa-" + QByteArray::number(count % 48 + 1) + ".loja-" +
                 QByteArray::number(count / 48 + 1).rightJustified(4, '0') +
                 ".filial-centro.rede-de-lojas.exemplo.com.br:2323\r\n";
    }
    *entries = count;
    return before + "[HXConfig]\r\nListBox=" + QByteArray::number(count) + "\r\n" + lines + "\r\n" + after;
}

void printFigures(const QList<StartupFigures>& figures, const StartupFigures& reference)
{
    std::printf("%-28s %10s %14s %12s %12s\n", "program", "time", "peak memory", "time ratio", "memory ratio");
    for (const StartupFigures& f : figures) {
        std::printf("%-28s %7.1f ms %10.0f KiB %12.2f %12.2f\n", qPrintable(f.label), f.medianMs, f.medianPeakKib,
                    reference.medianMs / f.medianMs, reference.medianPeakKib / f.medianPeakKib);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption roundsOption(QStringLiteral("rounds"), QStringLiteral("Runs per program (default 25)."),
                                          QStringLiteral("N"), QString::number(kDefaultRounds));
    const QCommandLineOption programOption(QStringLiteral("program"), QStringLiteral("The hxconfig to measure."),
                                           QStringLiteral("PATH"));
    parser.addOptions({roundsOption, programOption});
    parser.process(app);
    const int rounds = parser.value(roundsOption).toInt();
    if (rounds < 1) {
        std::fprintf(stderr, "--rounds needs a positive number\n");
        return 2;
    }

    const QString bin = QCoreApplication::applicationDirPath();
    const QString tool = parser.isSet(programOption) ? parser.value(programOption) : bin + QStringLiteral("/hxconfig");
    QString failure;
    const QByteArray demo = demoSettings(&failure);
    int entries = 0;
    const QByteArray large = withLongHistory(demo, kLargeSettingsSize, &entries);
    QTemporaryDir programDir, demoDir, largeDir;
    if (demo.isEmpty() || !programDir.isValid() || !demoDir.isValid() || !largeDir.isValid() ||
        !prepareProgramDir(programDir.path(), tool, kFewSessions, &failure) ||
        !prepareProgramDir(demoDir.path(), tool, demo, &failure) ||
        !prepareProgramDir(largeDir.path(), tool, large, &failure)) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(failure.isEmpty() ? QStringLiteral("no temporary directory") : failure));
        return 1;
    }

    // Every case starts in the same directory; the log viewer finds no LogCfg.txt there.
    const QString dir = programDir.path();
    const QList<StartupCase> cases = {
        {QStringLiteral("hxconfig"), dir + QStringLiteral("/hxconfig"), {}, dir},
        {QStringLiteral("same widgets from the .ui"), bin + QStringLiteral("/baseline_window_design"), {}, dir},
        {QStringLiteral("empty 638x449 window"), bin + QStringLiteral("/baseline_empty_window"), {}, dir},
        {QStringLiteral("hxconfig, demo's settings"), demoDir.path() + QStringLiteral("/hxconfig"), {}, dir},
        {QStringLiteral("hxconfig, 1 MB settings"), largeDir.path() + QStringLiteral("/hxconfig"), {}, dir},
    };
    const StartupProbe probe(StartupProbe::probeDirBeside(bin));
    const QList<StartupFigures> figures = probe.measure(cases, rounds, &failure);
    if (figures.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        return 1;
    }

    std::printf("start-up, exec to the first painted window: medians of %d alternating runs, platform %s\n", rounds,
                qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? "offscreen" : qgetenv("QT_QPA_PLATFORM").constData());
    printFigures(figures.mid(0, 3), figures.at(0));
    std::printf("(ratios: hxconfig's figure divided by the row's)\n\n");

    std::printf("settings file: the demo's (%lld bytes) against %lld bytes with %d addresses in the history\n",
                static_cast<long long>(demo.size()), static_cast<long long>(large.size()), entries);
    printFigures(figures.mid(3, 2), figures.at(4));
    std::printf("(ratios: the 1 MB start-up's figure divided by the row's; goal for time: at most 1.2)\n");
    return 0;
}
