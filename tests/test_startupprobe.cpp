// The whole-process start-up unit of the benchmarks, on one of their baseline programs: it reports
// the first painted window and that program's own peak memory, whatever the benchmark holds.
#include "startupprobe.h"
#include "testprogram.h"

#include <QCoreApplication>
#include <QTest>

#include <vector>

namespace
{

StartupRun runEmptyWindow()
{
    const QString bin = QCoreApplication::applicationDirPath();
    const StartupProbe probe(StartupProbe::probeDirBeside(bin));
    return probe.run({QStringLiteral("empty window"), bin + QStringLiteral("/baseline_empty_window"), {}, {}});
}

} // namespace

class TestStartupProbe : public QObject
{
    Q_OBJECT

private slots:
    void peakIsTheProgramsOwn()
    {
        const StartupRun alone = runEmptyWindow();
        QVERIFY2(alone.failure.isEmpty(), qPrintable(alone.failure));
        QVERIFY(alone.milliseconds > 0);
        QVERIFY(alone.peakKib > 1024);

        // A benchmark holding far more memory than the program: a process started with
        // posix_spawn takes its parent's peak over into its own rusage at exec.
        constexpr std::size_t kBallast = std::size_t(300) << 20;
        std::vector<char> ballast(kBallast);
        for (std::size_t i = 0; i < ballast.size(); i += 4096)
            ballast[i] = char(i);
        const StartupRun beside = runEmptyWindow();
        QVERIFY2(beside.failure.isEmpty(), qPrintable(beside.failure));
        QVERIFY2(beside.peakKib < alone.peakKib + 100 * 1024,
                 qPrintable(QStringLiteral("%1 KiB, alone %2 KiB").arg(beside.peakKib).arg(alone.peakKib)));
        QVERIFY(ballast[4096] == char(4096));
    }
};

HX_TEST_GUILESS_MAIN(TestStartupProbe)
#include "test_startupprobe.moc"
