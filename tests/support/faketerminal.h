#pragma once

#include <QByteArray>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

// A terminal played by the test itself on loopback: it keeps what the tool sends, can answer
// every request with one fixed block, and sends blocks of the test's own at any time.
class FakeTerminal final : public QObject
{
    Q_OBJECT

public:
    FakeTerminal();

    bool isListening() const { return m_server.isListening(); }
    QString address() const; // "127.0.0.1:PORT"
    QTcpSocket* peer() const { return m_peer; }
    bool waitForPeer(int milliseconds = 5000);

    // Sent in one piece after every request that arrives from now on; empty: no answer.
    void answerEveryRequestWith(const QByteArray& reply) { m_answer = reply; }
    void send(const QByteArray& block);

    QByteArray received; // everything the tool has sent

private:
    void takeConnection();

    QTcpServer m_server;
    QTcpSocket* m_peer = nullptr;
    QByteArray m_answer;
};
