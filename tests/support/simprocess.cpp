#include "simprocess.h"

#include "image/cp1252.h"
#include "statefile.h"

#include <QDeadlineTimer>

namespace
{

constexpr int kStartTimeoutMs = 5000;
const QByteArray kListening = QByteArrayLiteral("hxterm-sim listening on ");

} // namespace

SimProcess::SimProcess(const QStringList& extraArgs, const QString& statePath)
    : m_statePath(statePath.isEmpty() ? m_dir.filePath(QStringLiteral("state.txt")) : statePath)
{
    QStringList args{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--state"), m_statePath};
    args += extraArgs;
    m_process.start(QStringLiteral(HXTERM_SIM_PATH), args);
    if (!m_process.waitForStarted(kStartTimeoutMs))
        return;
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!m_process.canReadLine() && !deadline.hasExpired() && m_process.state() == QProcess::Running)
        m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    const QByteArray line = m_process.readLine().trimmed();
    if (!line.startsWith(kListening))
        return;
    const qsizetype colon = line.lastIndexOf(':');
    bool ok = false;
    const uint port = line.mid(colon + 1).toUInt(&ok);
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
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(2000)) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}
