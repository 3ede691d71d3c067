#include "recordingproxy.h"

#include <QTcpSocket>

RecordingProxy::RecordingProxy(quint16 terminalPort) : m_terminalPort(terminalPort)
{
    m_clock.start();
    connect(&m_server, &QTcpServer::newConnection, this, &RecordingProxy::takeConnection);
    m_server.listen(QHostAddress::LocalHost, 0);
}

QString RecordingProxy::address() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort());
}

QList<QByteArray> RecordingProxy::frameBytes() const
{
    QList<QByteArray> result;
    for (const Block& frame : frames)
        result.append(frame.bytes);
    return result;
}

void RecordingProxy::takeFromTool(const QByteArray& bytes)
{
    const qint64 now = m_clock.elapsed();
    blocks.append({now, true, bytes});
    for (const QByteArray& frame : m_splitter.feed(bytes))
        frames.append({now, true, frame});
}

void RecordingProxy::takeConnection()
{
    QTcpSocket* tool = m_server.nextPendingConnection();
    auto* terminal = new QTcpSocket(tool);
    // The tool's bytes wait until the terminal side is connected.
    connect(terminal, &QTcpSocket::connected, this, [this, tool, terminal] {
        const QByteArray early = tool->readAll();
        if (!early.isEmpty()) {
            takeFromTool(early);
            terminal->write(early);
        }
    });
    connect(tool, &QTcpSocket::readyRead, this, [this, tool, terminal] {
        if (terminal->state() != QAbstractSocket::ConnectedState)
            return;
        const QByteArray bytes = tool->readAll();
        takeFromTool(bytes);
        terminal->write(bytes);
    });
    connect(terminal, &QTcpSocket::readyRead, this, [this, tool, terminal] {
        const QByteArray bytes = terminal->readAll();
        blocks.append({m_clock.elapsed(), false, bytes});
        tool->write(bytes);
    });
    // Either side closing closes the other, after what is pending has been passed on.
    connect(terminal, &QTcpSocket::disconnected, tool, &QTcpSocket::disconnectFromHost);
    connect(tool, &QTcpSocket::disconnected, terminal, &QTcpSocket::disconnectFromHost);
    connect(tool, &QTcpSocket::disconnected, tool, &QObject::deleteLater);
    terminal->connectToHost(QHostAddress::LocalHost, m_terminalPort);
}
