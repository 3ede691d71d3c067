#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

// Stands between the tool and a terminal on loopback and writes down what passes, with the time
// it arrived: every block the tool sends (one frame, as the tool waits for each answer) and every
// block the terminal sends back. One connection at a time.
class RecordingProxy final : public QObject
{
    Q_OBJECT

public:
    struct Block {
        qint64 atMs;     // since the proxy was made
        bool fromTool;   // true: tool -> terminal
        QByteArray bytes;
    };

    explicit RecordingProxy(quint16 terminalPort);

    QString address() const; // "127.0.0.1:PORT"
    QList<Block> blocks;

    // The blocks the tool sent, in order.
    QList<Block> sent() const;

private:
    void takeConnection();

    quint16 m_terminalPort;
    QTcpServer m_server;
    QElapsedTimer m_clock;
};
