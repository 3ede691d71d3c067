// Measures fleets: hxconfig-cli batch (apply with backup, verification and reboot) against
// simulated fleets of 1, 100 and 1000 terminals, the same work one terminal after another (the
// window's way), hxconfig-cli scan of a /24 and a /20 of loopback with 50 terminals in each, and
// hxconfig-cli backup of 1000 terminals twice: a first run that saves every terminal and a second
// that finds them all unchanged, against the backup of one terminal (the fixed cost of a process, a
// read and a file) and the goal of 2 s each.
// Prints each time with its ratio to the floor measured or set in the same run, and the CPU time
// per terminal of the tool and of the simulator. The floor of a batch is the terminal's own two
// 1500 ms pauses (3.0 s): a fleet can finish no sooner than one terminal. The floor of a scan is
// one connect timeout, the longest one address can take.
//
// Every program runs as its own process, as a user runs it; hxterm-sim and hxconfig-cli are the
// ones built beside this benchmark. Loopback only: 127.0.0.0/8 is loopback as a whole on Linux, so
// the scanned fleets listen on 127.201.x.y to 127.203.x.y.
#include "loopback.h"
#include "simprocess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace
{

constexpr double kBatchFloorMs = 2 * 1500.0;
constexpr int kScanTimeoutMs = 1000;
constexpr int kSequentialSample = 5;
constexpr double kBackupGoalMs = 2000.0;

double childCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3 + usage.ru_stime.tv_sec * 1e3 +
           usage.ru_stime.tv_usec / 1e3;
}

// User and system time a running process has used so far (/proc/PID/stat, fields 14 and 15).
double processCpuMs(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return 0;
    const double ticks = double(sysconf(_SC_CLK_TCK));
    return (fields.at(11).toDouble() + fields.at(12).toDouble()) * 1000.0 / ticks;
}

struct Run {
    double wallMs = 0;
    double toolCpuMs = 0;
    double simCpuMs = 0;
    int exitCode = -1;
    QByteArray out;
};

// One hxconfig-cli run to its end, with the time it took and the CPU time it and the simulator used.
Run runTool(const QStringList& arguments, qint64 simPid)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::SeparateChannels);
    tool.setStandardErrorFile(QProcess::nullDevice());
    Run run;
    const double toolBefore = childCpuMs();
    const double simBefore = processCpuMs(simPid);
    QElapsedTimer clock;
    clock.start();
    tool.start(QCoreApplication::applicationDirPath() + QStringLiteral("/hxconfig-cli"), arguments);
    if (!tool.waitForFinished(120000))
        qFatal("hxconfig-cli did not end within 120 s");
    run.wallMs = double(clock.nsecsElapsed()) / 1e6;
    run.toolCpuMs = childCpuMs() - toolBefore;
    run.simCpuMs = processCpuMs(simPid) - simBefore;
    run.exitCode = tool.exitCode();
    run.out = tool.readAllStandardOutput();
    return run;
}

std::unique_ptr<FleetProcess> startFleet(int count, const QStringList& extra = {})
{
    auto fleet = std::make_unique<FleetProcess>(count, extra, FleetProcess::Memory::InProcess);
    if (!fleet->isRunning())
        qFatal("hxterm-sim --fleet %d did not start: %s", count, qPrintable(fleet->errorOutput()));
    return fleet;
}

// batch with the profile on every terminal of a fresh fleet, all of them at once unless `parallel`
// says otherwise. Every terminal must end changed and verified.
Run batch(const QTemporaryDir& dir, const QString& profile, int count, int parallel)
{
    const std::unique_ptr<FleetProcess> fleet = startFleet(count);
    const QString tag = QStringLiteral("%1-%2").arg(count).arg(parallel);
    const QString report = dir.filePath(QStringLiteral("report-%1.json").arg(tag));
    const Run run = runTool({QStringLiteral("batch"), fleet->fleetFile(), profile, QStringLiteral("--password=123456"),
                             QStringLiteral("--parallel=%1").arg(parallel), QStringLiteral("--quiet"),
                             QStringLiteral("--backup-dir"), dir.filePath(QStringLiteral("backups-") + tag),
                             QStringLiteral("--report"), report},
                            fleet->processId());
    QFile file(report);
    if (run.exitCode != 0 || !file.open(QIODevice::ReadOnly))
        qFatal("batch of %d terminals ended with %d", count, run.exitCode);
    int verified = 0;
    for (const QJsonValue& terminal :
         QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("terminals")).toArray())
        verified += terminal.toObject().value(QStringLiteral("verified")).toBool() ? 1 : 0;
    if (verified != count)
        qFatal("batch of %d terminals: only %d written and verified", count, verified);
    return run;
}

// scan of `range` on the fleet's port; it must find exactly the fleet's terminals.
Run scan(const QString& range, const FleetProcess& fleet, int expected)
{
    const QString port = fleet.addresses().constFirst().section(u':', 1);
    const Run run = runTool({QStringLiteral("scan"), range, QStringLiteral("--port"), port,
                             QStringLiteral("--timeout=%1").arg(kScanTimeoutMs)},
                            fleet.processId());
    const int found = int(run.out.count('\n'));
    if (run.exitCode != 0 || found != expected)
        qFatal("scan of %s found %d terminals, not %d", qPrintable(range), found, expected);
    return run;
}

// backup of every terminal of the fleet into `folder`; every terminal must end as `expected`.
Run backup(const QTemporaryDir& dir, const FleetProcess& fleet, const QString& folder, int count, int parallel,
           const QString& expected)
{
    const QString report = dir.filePath(QStringLiteral("backup-report.json"));
    QFile::remove(report);
    const Run run = runTool({QStringLiteral("backup"), fleet.fleetFile(), QStringLiteral("--password=123456"),
                             QStringLiteral("--parallel=%1").arg(parallel), QStringLiteral("--quiet"),
                             QStringLiteral("--backup-dir"), folder, QStringLiteral("--report"), report},
                            fleet.processId());
    QFile file(report);
    if (run.exitCode != 0 || !file.open(QIODevice::ReadOnly))
        qFatal("backup of %d terminals ended with %d", count, run.exitCode);
    int matching = 0;
    for (const QJsonValue& terminal :
         QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("terminals")).toArray())
        matching += terminal.toObject().value(QStringLiteral("result")).toString() == expected ? 1 : 0;
    if (matching != count)
        qFatal("backup of %d terminals: only %d %s", count, matching, qPrintable(expected));
    return run;
}

QString machine()
{
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    QString model;
    if (cpuinfo.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : cpuinfo.readAll().split('\n')) {
            if (line.startsWith("model name")) {
                model = QString::fromUtf8(line.mid(line.indexOf(':') + 1).trimmed());
                break;
            }
        }
    }
    double load[1] = {0};
    getloadavg(load, 1);
    return QStringLiteral("%1 processors (%2), load average %3")
        .arg(QThread::idealThreadCount())
        .arg(model)
        .arg(load[0], 0, 'f', 2);
}

void printBatch(const char* label, const Run& run, int count)
{
    std::printf("%-44s %8.0f ms  %5.2f x floor  tool %6.2f ms/terminal  simulator %6.2f ms/terminal\n", label,
                run.wallMs, run.wallMs / kBatchFloorMs, run.toolCpuMs / count, run.simCpuMs / count);
}

void printBackup(const char* label, const Run& run, int count, const Run& baseline)
{
    std::printf("%-44s %8.0f ms  %5.2f x goal   %6.2f x one terminal  tool %6.3f ms/terminal  simulator %6.3f "
                "ms/terminal\n",
                label, run.wallMs, run.wallMs / kBackupGoalMs, run.wallMs / baseline.wallMs, run.toolCpuMs / count,
                run.simCpuMs / count);
}

void printScan(const char* label, const Run& run, int addresses)
{
    std::printf("%-44s %8.0f ms  %5.2f x floor  tool %6.3f ms/address   simulator %6.3f ms/address\n", label,
                run.wallMs, run.wallMs / kScanTimeoutMs, run.toolCpuMs / addresses, run.simCpuMs / addresses);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString profile = dir.filePath(QStringLiteral("profile.ini"));
    QFile file(profile);
    if (!file.open(QIODevice::WriteOnly) || file.write("[Seriais]\r\nBaudRate1=19200\r\n") < 0)
        qFatal("cannot write %s", qPrintable(profile));
    file.close();

    std::printf("bench_fleet on %s\n", qPrintable(machine()));
    std::printf("batch: apply with backup, verification and reboot; floor 3000 ms (two 1500 ms pauses)\n");
    const Run one = batch(dir, profile, 1, 1);
    printBatch("batch, 1 terminal", one, 1);
    const Run hundred = batch(dir, profile, 100, 100);
    printBatch("batch, 100 terminals (--parallel 100)", hundred, 100);
    const Run thousand = batch(dir, profile, 1000, 1000);
    printBatch("batch, 1000 terminals (--parallel 1000)", thousand, 1000);
    const Run defaultParallel = batch(dir, profile, 100, 32);
    printBatch("batch, 100 terminals (--parallel 32, default)", defaultParallel, 100);
    const Run sequential = batch(dir, profile, kSequentialSample, 1);
    const double perTerminal = sequential.wallMs / kSequentialSample;
    std::printf("one after another (the window's way): %d terminals in %.0f ms, %.0f ms each; 100 terminals "
                "estimated %.0f ms = %.1f x the batch of 100\n",
                kSequentialSample, sequential.wallMs, perTerminal, perTerminal * 100,
                perTerminal * 100 / hundred.wallMs);

    std::printf("scan: connect and status; floor %d ms (one connect timeout, --timeout %d)\n", kScanTimeoutMs,
                kScanTimeoutMs);
    {
        // 50 terminals over a /24: every fifth address from 127.201.7.1.
        const auto fleet = startFleet(50, {QStringLiteral("--listen"), QStringLiteral("127.201.7.1"),
                                           QStringLiteral("--address-step"), QStringLiteral("5")});
        printScan("scan /24 (254 addresses, 50 terminals)", scan(QStringLiteral("127.201.7.0/24"), *fleet, 50), 254);
    }
    {
        // 50 terminals over a /20: every 80th address from 127.202.0.1.
        const auto fleet = startFleet(50, {QStringLiteral("--listen"), QStringLiteral("127.202.0.1"),
                                           QStringLiteral("--address-step"), QStringLiteral("80")});
        printScan("scan /20 (4094 addresses, 50 terminals)", scan(QStringLiteral("127.202.0.0/20"), *fleet, 50), 4094);
    }
    {
        // Loopback refuses a connection at once where nothing listens; a switched-off terminal on a
        // real network does not. Eight addresses whose connects are neither accepted nor refused
        // make the scan wait the whole connect timeout, as it would there.
        const auto fleet = startFleet(50, {QStringLiteral("--listen"), QStringLiteral("127.203.7.1"),
                                           QStringLiteral("--address-step"), QStringLiteral("5")});
        const quint16 port = quint16(fleet->addresses().constFirst().section(u':', 1).toUInt());
        std::vector<std::unique_ptr<StalledPort>> silent;
        for (int i = 0; i < 8; ++i)
            silent.push_back(std::make_unique<StalledPort>(
                QHostAddress(QStringLiteral("127.203.7.%1").arg(3 + 30 * i)).toIPv4Address(), port));
        printScan("scan /24 with 8 silent addresses", scan(QStringLiteral("127.203.7.0/24"), *fleet, 50), 254);
    }

    std::printf("backup: read every terminal, save it only when it changed; goal %.0f ms each run\n", kBackupGoalMs);
    {
        const auto single = startFleet(1);
        const Run one = backup(dir, *single, dir.filePath(QStringLiteral("backups-one")), 1, 1, QStringLiteral("new"));
        printBackup("backup, 1 terminal (the baseline)", one, 1, one);
        const auto fleet = startFleet(1000);
        const QString folder = dir.filePath(QStringLiteral("backups-1000"));
        printBackup("backup, 1000 terminals, first run (--parallel 1000)",
                    backup(dir, *fleet, folder, 1000, 1000, QStringLiteral("new")), 1000, one);
        printBackup("backup, 1000 terminals, second run (--parallel 1000)",
                    backup(dir, *fleet, folder, 1000, 1000, QStringLiteral("unchanged")), 1000, one);
        printBackup("backup, 1000 terminals, third run (--parallel 32, default)",
                    backup(dir, *fleet, folder, 1000, 32, QStringLiteral("unchanged")), 1000, one);
    }
    return 0;
}
