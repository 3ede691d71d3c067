// Start-up as a user waits for it: whole processes, from exec to the first painted main window,
// with their peak resident memory, against two baselines built in the same tree: a bare widget
// program showing an empty 638 x 449 window, and a plain program that builds the same widgets from
// the same .ui. Medians of alternating runs; figures and ratios printed, never judged.
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

// A program directory as a user has it after a few sessions: the program and its settings file
// with an address history and a logo path, so start-up reads the file and seeds nothing.
bool prepareProgramDir(const QString& dir, const QString& program, QString* failure)
{
    const QString copy = dir + QStringLiteral("/hxconfig");
    if (!QFile::copy(program, copy)) {
        *failure = QStringLiteral("cannot copy %1 to %2").arg(program, dir);
        return false;
    }
    QFile settings(dir + QStringLiteral("/ConfDefault.ini"));
    if (!settings.open(QIODevice::WriteOnly)) {
        *failure = QStringLiteral("cannot write %1").arg(settings.fileName());
        return false;
    }
    settings.write("[HXConfig]\r\nListBox=3\r\n1=192.168.0.20\r\n2=192.168.0.21\r\n3=127.0.0.1:2323\r\n"
                   "\r\n[Arquivo]\r\nCaminho=/home/tecnico/logo.txt\r\n");
    return true;
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
    QTemporaryDir programDir;
    QString failure;
    if (!programDir.isValid() || !prepareProgramDir(programDir.path(), tool, &failure)) {
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
    };
    const StartupProbe probe(StartupProbe::probeDirBeside(bin));
    const QList<StartupFigures> figures = probe.measure(cases, rounds, &failure);
    if (figures.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        return 1;
    }

    const StartupFigures& toolFigures = figures.at(0);
    std::printf("start-up, exec to the first painted window: medians of %d alternating runs, platform %s\n", rounds,
                qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? "offscreen" : qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("%-28s %10s %14s %12s %12s\n", "program", "time", "peak memory", "time ratio", "memory ratio");
    for (const StartupFigures& f : figures) {
        std::printf("%-28s %7.1f ms %10.0f KiB %12.2f %12.2f\n", qPrintable(f.label), f.medianMs, f.medianPeakKib,
                    toolFigures.medianMs / f.medianMs, toolFigures.medianPeakKib / f.medianPeakKib);
    }
    std::printf("(ratios: hxconfig's figure divided by the row's)\n");
    return 0;
}
