#include "simprocess.h"

#include "image/cp1252.h"
#include "simfleet.h"
#include "statefile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>

#include <algorithm>

namespace
{

constexpr int kStartTimeoutMs = 5000;
const QByteArray kListening = QByteArrayLiteral("hxterm-sim listening on ");

// The "ADDR:PORT" of the next `count` "listening" lines the started simulator prints; fewer when it
// stops or the time runs out first.
QStringList listeningAddresses(QProcess& process, int count, int timeoutMs)
{
    QStringList addresses;
    if (!process.waitForStarted(timeoutMs))
        return addresses;
    const QDeadlineTimer deadline(timeoutMs);
    while (addresses.size() < count && !deadline.hasExpired()) {
        if (!process.canReadLine()) {
            if (process.state() != QProcess::Running)
                break;
            // In short steps, with the test's own events handled between them: a proxy or a fake
            // terminal already started must go on answering while a later simulator starts, or
            // the runs that go through it time out on a loaded machine.
            process.waitForReadyRead(int(std::clamp<qint64>(deadline.remainingTime(), 1, 20)));
            QCoreApplication::processEvents();
            continue;
        }
        const QByteArray line = process.readLine().trimmed();
        if (!line.startsWith(kListening))
            break;
        addresses.append(QString::fromLatin1(line.mid(kListening.size())));
    }
    return addresses;
}

void stopProcess(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(2000)) {
        process.kill();
        process.waitForFinished(2000);
    }
}

} // namespace

SimProcess::SimProcess(const QStringList& extraArgs, const QString& statePath)
    : m_statePath(statePath.isEmpty() ? m_dir.filePath(QStringLiteral("state.txt")) : statePath)
{
    QStringList args{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--state"), m_statePath};
    args += extraArgs;
    m_process.start(QStringLiteral(HXTERM_SIM_PATH), args);
    const QStringList listening = listeningAddresses(m_process, 1, kStartTimeoutMs);
    if (listening.isEmpty())
        return;
    const QString& line = listening.first();
    bool ok = false;
    const uint port = line.mid(line.lastIndexOf(u':') + 1).toUInt(&ok);
    if (ok && port > 0 && port <= 65535)
        m_port = quint16(port);
}

SimProcess::~SimProcess()
{
    stop();
}

QString SimProcess::address() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

QString SimProcess::errorOutput()
{
    return QString::fromLocal8Bit(m_process.readAllStandardError());
}

QString SimProcess::output()
{
    m_output += QString::fromLocal8Bit(m_process.readAllStandardOutput());
    return m_output;
}

QByteArray SimProcess::storedImage() const
{
    const auto state = statefile::load(m_statePath);
    return state ? state->image : QByteArray();
}

QByteArray SimProcess::storedLogo() const
{
    const auto state = statefile::load(m_statePath);
    return state ? state->logo : QByteArray();
}

QString SimProcess::storedPassword() const
{
    const auto state = statefile::load(m_statePath);
    return state ? cp1252::decode(state->password) : QString();
}

void SimProcess::stop()
{
    stopProcess(m_process);
}

FleetProcess::FleetProcess(int count, const QStringList& extraArgs, Memory memory) : m_count(count)
{
    QStringList args{QStringLiteral("--fleet"), QString::number(count),          QStringLiteral("--port"),
                     QStringLiteral("0"),       QStringLiteral("--write-fleet"), fleetFile()};
    if (memory == Memory::StateFolder)
        args << QStringLiteral("--state") << stateFolder();
    m_process.start(QStringLiteral(HXTERM_SIM_PATH), args + extraArgs);
    m_addresses = listeningAddresses(m_process, count, 2 * kStartTimeoutMs);
}

FleetProcess::~FleetProcess()
{
    stop();
}

QString FleetProcess::fleetFile() const
{
    return m_dir.filePath(QStringLiteral("fleet.csv"));
}

QString FleetProcess::stateFolder() const
{
    return m_dir.filePath(QStringLiteral("states"));
}

QString FleetProcess::errorOutput()
{
    return QString::fromLocal8Bit(m_process.readAllStandardError());
}

QByteArray FleetProcess::storedImage(int number) const
{
    const auto state = statefile::load(QDir(stateFolder()).filePath(SimFleet::stateFileName(number)));
    return state ? state->image : QByteArray();
}

QString FleetProcess::storedPassword(int number) const
{
    const auto state = statefile::load(QDir(stateFolder()).filePath(SimFleet::stateFileName(number)));
    return state ? cp1252::decode(state->password) : QString();
}

void FleetProcess::stop()
{
    stopProcess(m_process);
}
