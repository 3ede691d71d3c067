#pragma once

#include "framesplitter.h"
#include "simoptions.h"
#include "terminalmodel.h"
#include "trafficlog.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <optional>

class QTcpSocket;

// One accepted connection: cuts the stream into frames, lets the model answer them and sends
// each reply in one write (or in two paced pieces with --split-replies). Owned by its socket.
class SimConnection final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SimConnection)

public:
    static constexpr int kPieceGapMs = 100;
    static constexpr int kRebootCloseMs = 200;
    static constexpr int kFloodSize = 64 * 1024;

    SimConnection(QTcpSocket* socket, TerminalState& state, const SimOptions& options);

    // What --garbage and --flood send: neither block has a reply letter at index 1.
    static QByteArray garbageBlock();
    static QByteArray floodBlock();
    // What --flood-read and --zero-flood send again and again after a read request: 64 copies of
    // the read reply, or as many zero bytes.
    static QByteArray endlessBlock(const QByteArray& readReply, bool zeros);

signals:
    void stateChanged(); // a write or a logo was taken

private:
    void readRequests();
    void resyncStalled();
    void answerAll(const QList<QByteArray>& requests);
    void answer(const QByteArray& request);
    void send(const QByteArray& reply);
    void sendNextPiece();
    void closeWhenSent();
    void keepFlooding();

    QTcpSocket* m_socket;
    TerminalState& m_state;
    SimOptions m_options;
    TerminalModel m_model;
    FrameSplitter m_splitter;
    int m_requests = 0;
    bool m_closing = false;
    QList<QByteArray> m_pieces; // reply pieces still to go, one every kPieceGapMs
    QTimer m_pace;
    QTimer m_stall;       // runs while bytes of an unfinished frame wait for the rest
    QByteArray m_endless; // sent again whenever the socket has sent what it held, until closed

    // With --verbose: a line on stdout for every frame and reply.
    std::optional<TrafficLog> m_log;
};
