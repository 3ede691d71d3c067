#include "withclient.h"

#include "image/logrecord.h"
#include "ui/tfmexibelog.h"
#include "ui/silentdialogs.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <memory>
#include <sys/prctl.h>
#include <unistd.h>

namespace
{

constexpr int kClientReadyMs = 20000;
const QString kBusLauncher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");

// A helper process ends with the process that started it, even when that one is killed.
void endWithParent()
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
}

QString clientProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/hxscreenreaderclient");
}

struct ShowFigures {
    double paintedMs = 0; // up to the viewer's first paint
    double readMs = 0;    // up to the end of the client's review of the windows
    QByteArray objectsRead;
};

// "Visualizar Log" on the log of dir: a new viewer shown on that file, with the event loop run up
// to its first paint and, with a client, until the client has reviewed the program's windows.
ShowFigures firstShow(const QString& dir, Dialogs& dialogs, QProcess* client = nullptr)
{
    class PaintWatcher final : public QObject
    {
    public:
        bool painted = false;
        bool eventFilter(QObject*, QEvent* event) override
        {
            painted = painted || event->type() == QEvent::Paint;
            return false;
        }
    };
    QDir::setCurrent(dir);
    TfmExibeLog viewer(dialogs, nullptr);
    PaintWatcher watcher;
    viewer.installEventFilter(&watcher);
    QElapsedTimer timer;
    timer.start();
    viewer.showFile(dir + QLatin1Char('/') + logFileName());
    while (!watcher.painted)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    ShowFigures f;
    f.paintedMs = double(timer.nsecsElapsed()) / 1e6;
    viewer.removeEventFilter(&watcher);
    if (client)
        client->write("review\n");
    while (client && f.objectsRead.isEmpty() && client->state() == QProcess::Running) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5); // answers the client's questions
        while (client->canReadLine() && f.objectsRead.isEmpty()) {
            const QByteArray line = client->readLine().trimmed();
            if (line.startsWith("read "))
                f.objectsRead = line.mid(5);
        }
    }
    f.readMs = double(timer.nsecsElapsed()) / 1e6;
    QCoreApplication::processEvents();
    return f;
}

bool waitForLine(QProcess& process, const QByteArray& line, int limitMs)
{
    QElapsedTimer limit;
    limit.start();
    while (limit.elapsed() < limitMs) {
        if (process.canReadLine())
            return process.readLine().trimmed() == line;
        process.waitForReadyRead(100);
    }
    return false;
}

void printRow(const char* text, double ms, double baseMs)
{
    std::printf("  %-56s %8.1f ms %8.2f\n", text, ms, ms / baseMs);
    std::fflush(stdout);
}

} // namespace

QStringList screenReaderMissing()
{
    QStringList missing;
    for (const QString& program : {QStringLiteral("Xvfb"), QStringLiteral("dbus-run-session")}) {
        if (QStandardPaths::findExecutable(program).isEmpty())
            missing.append(program);
    }
    if (!QFileInfo(kBusLauncher).isExecutable())
        missing.append(QStringLiteral("at-spi2-core"));
    if (!QFileInfo(clientProgram()).isExecutable())
        missing.append(QStringLiteral("hxscreenreaderclient (built with libatspi2.0-dev)"));
    return missing;
}

void printScreenReaderFigures(const std::map<int, QString>& logDirs, int limitSeconds)
{
    const QStringList missing = screenReaderMissing();
    if (!missing.isEmpty()) {
        std::printf("screen reader connected: SKIPPED, missing %s\n", qPrintable(missing.join(QStringLiteral(", "))));
        return;
    }
    QProcess server;
    server.setChildProcessModifier(endWithParent);
    server.start(QStringLiteral("Xvfb"),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                  QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server.waitForStarted() || !server.waitForReadyRead(10000)) {
        std::printf("screen reader connected: SKIPPED, Xvfb did not start\n");
        return;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + QString::fromLatin1(server.readLine().trimmed()));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    env.remove(QStringLiteral("AT_SPI_BUS_ADDRESS"));

    // The part runs in a process group of its own, so that a run past the limit ends with all the
    // buses and clients it started.
    QProcess part;
    part.setProcessEnvironment(env);
    part.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    part.setChildProcessModifier([] {
        ::setsid();
        endWithParent();
    });
    QStringList arguments = {QStringLiteral("--"), QCoreApplication::applicationFilePath(), kScreenReaderPart};
    for (const auto& [records, dir] : logDirs)
        arguments << QString::number(records) << dir;
    part.start(QStringLiteral("dbus-run-session"), arguments);
    QElapsedTimer limit;
    limit.start();
    while (part.state() != QProcess::NotRunning && limit.elapsed() < qint64(limitSeconds) * 1000) {
        part.waitForReadyRead(200);
        std::fputs(part.readAll().constData(), stdout);
        std::fflush(stdout);
    }
    std::fputs(part.readAll().constData(), stdout);
    if (part.state() != QProcess::NotRunning)
        std::printf("screen reader connected: STOPPED after the limit of %d s\n", limitSeconds);
    if (part.processId() > 0)
        ::kill(-pid_t(part.processId()), SIGKILL);
    part.waitForFinished(5000);
    server.terminate();
    server.waitForFinished(5000);
}

int runScreenReaderPart(const QStringList& recordsAndDirs)
{
    endWithParent(); // the session runner ends with the benchmark, this part with the runner
    QList<int> records;
    QStringList logDirs;
    for (qsizetype k = 0; k + 1 < recordsAndDirs.size(); k += 2) {
        records.append(recordsAndDirs[k].toInt());
        logDirs.append(recordsAndDirs[k + 1]);
    }
    SilentDialogs dialogs;
    QTemporaryDir empty;
    firstShow(empty.path(), dialogs); // not counted: loads the styles and fonts of any first window
    QList<double> withoutMs;
    std::printf("screen reader connected (Xvfb, the accessibility bus, hxscreenreaderclient), in one process:\n");
    for (qsizetype k = 0; k < records.size(); ++k)
        withoutMs.append(firstShow(logDirs.at(k), dialogs).paintedMs);
    for (qsizetype k = 0; k < records.size(); ++k) {
        const QByteArray text = QStringLiteral("viewer first shown, %1 records, no client").arg(records[k]).toUtf8();
        printRow(text.constData(), withoutMs[k], withoutMs[k]);
    }

    QProcess client;
    client.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    client.setChildProcessModifier(endWithParent);
    client.start(clientProgram());
    if (!waitForLine(client, "ready", kClientReadyMs)) {
        std::printf("  the client did not start listening\n");
        return 1;
    }
    // The client announces itself on the accessibility bus; the bridge then switches on.
    QElapsedTimer waiting;
    waiting.start();
    while (!QAccessible::isActive() && waiting.elapsed() < kClientReadyMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!QAccessible::isActive()) {
        std::printf("  accessibility did not switch on\n");
        return 1;
    }
    firstShow(empty.path(), dialogs, &client); // not counted: the client's first look at the program
    for (qsizetype k = 0; k < records.size(); ++k) {
        const ShowFigures f = firstShow(logDirs.at(k), dialogs, &client);
        QByteArray text = QStringLiteral("viewer first shown, %1 records, client connected").arg(records[k]).toUtf8();
        printRow(text.constData(), f.paintedMs, withoutMs[k]);
        text = QStringLiteral("  and reviewed by the client (%1 objects read)")
                   .arg(QString::fromLatin1(f.objectsRead))
                   .toUtf8();
        printRow(text.constData(), f.readMs, withoutMs[k]);
    }
    // The client may still be reading the window: it ends once this process has answered it.
    client.closeWriteChannel();
    waiting.restart();
    while (client.state() != QProcess::NotRunning && waiting.elapsed() < kClientReadyMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        client.waitForFinished(10);
    }
    std::printf("  the client heard and read: %s\n", client.readAll().trimmed().constData());
    return 0;
}
