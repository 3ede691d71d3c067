#include "faketerminal.h"

#include <QTcpSocket>
#include <QTest>

FakeTerminal::FakeTerminal()
{
    connect(&m_server, &QTcpServer::newConnection, this, &FakeTerminal::takeConnection);
    m_server.listen(QHostAddress::LocalHost, 0);
}

QString FakeTerminal::address() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort());
}

bool FakeTerminal::waitForPeer(int milliseconds)
{
    return QTest::qWaitFor([this] { return m_peer != nullptr; }, milliseconds);
}

void FakeTerminal::send(const QByteArray& block)
{
    if (!m_peer)
        return;
    m_peer->write(block);
    m_peer->flush();
}

void FakeTerminal::takeConnection()
{
    m_peer = m_server.nextPendingConnection();
    connect(m_peer, &QTcpSocket::readyRead, this, [this] {
        received += m_peer->readAll();
        if (!m_answer.isEmpty())
            send(m_answer);
    });
}
