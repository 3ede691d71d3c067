#pragma once

#include "framesplitter.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

// Stands between the tool and a terminal on loopback and writes down what passes, with the time
// it arrived: the frames the tool sends (cut as the terminal cuts them) and every block the
// terminal sends back. One connection at a time.
class RecordingProxy final : public QObject
{
    Q_OBJECT

public:
    struct Block {
        qint64 atMs;   // since the proxy was made
        bool fromTool; // true: tool -> terminal
        QByteArray bytes;
    };

    explicit RecordingProxy(quint16 terminalPort);

    QString address() const; // "127.0.0.1:PORT"
    QList<Block> blocks;     // both directions, as they arrived
    QList<Block> frames;     // the tool's frames, each at the time its last byte arrived

    // The bytes of the tool's frames, in order.
    QList<QByteArray> frameBytes() const;

private:
    void takeConnection();

    quint16 m_terminalPort;
    QTcpServer m_server;
    void takeFromTool(const QByteArray& bytes);

    QElapsedTimer m_clock;
    FrameSplitter m_splitter;
};
