#include "simconnection.h"

#include "image/layout.h"

#include <QTcpSocket>

SimConnection::SimConnection(QTcpSocket* socket, TerminalState& state, const SimOptions& options)
    : QObject(socket), m_socket(socket), m_state(state), m_options(options), m_model(state, options.faults)
{
    m_pace.setSingleShot(true);
    m_pace.setInterval(kPieceGapMs);
    connect(&m_pace, &QTimer::timeout, this, &SimConnection::sendNextPiece);
    m_stall.setSingleShot(true);
    m_stall.setInterval(FrameSplitter::kStallMs);
    connect(&m_stall, &QTimer::timeout, this, &SimConnection::resyncStalled);
    connect(socket, &QTcpSocket::readyRead, this, &SimConnection::readRequests);
    if (options.verbose) {
        m_log.emplace();
        m_log->connected(QStringLiteral("%1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort()));
        connect(socket, &QTcpSocket::disconnected, this, [this] { m_log->closed(); });
    }
}

QByteArray SimConnection::garbageBlock()
{
    return QByteArrayLiteral("\x7f\x00\xff\x10garbage\x83\x82");
}

QByteArray SimConnection::floodBlock()
{
    QByteArray block(kFloodSize, '\0');
    for (int i = 0; i < kFloodSize; ++i)
        block[i] = char(i % 256);
    return block;
}

QByteArray SimConnection::endlessBlock(const QByteArray& readReply, bool zeros)
{
    constexpr int kCopies = 64;
    return zeros ? QByteArray(readReply.size() * kCopies, '\0') : readReply.repeated(kCopies);
}

void SimConnection::keepFlooding()
{
    // Two blocks in flight: the socket never runs dry and the process never holds more.
    while (!m_endless.isEmpty() && m_socket->state() == QAbstractSocket::ConnectedState &&
           m_socket->bytesToWrite() < 2 * m_endless.size())
        m_socket->write(m_endless);
}

void SimConnection::readRequests()
{
    answerAll(m_splitter.feed(m_socket->readAll()));
    if (m_splitter.pending() > 0)
        m_stall.start();
    else
        m_stall.stop();
}

void SimConnection::resyncStalled()
{
    answerAll(m_splitter.resyncStalled());
}

void SimConnection::answerAll(const QList<QByteArray>& requests)
{
    for (const QByteArray& request : requests) {
        if (m_closing)
            return;
        answer(request);
        ++m_requests;
        if (m_options.closeAfter > 0 && m_requests >= m_options.closeAfter)
            closeWhenSent();
    }
}

void SimConnection::answer(const QByteArray& request)
{
    if (m_log)
        m_log->received(request, m_state.image);
    if (m_options.mute)
        return;
    const int revision = m_state.revision;
    QByteArray reply = m_model.handle(request);
    if (m_state.revision != revision)
        emit stateChanged();
    if (m_model.rebooting()) {
        m_closing = true;
        QTimer::singleShot(kRebootCloseMs, m_socket, &QTcpSocket::disconnectFromHost);
        return;
    }
    if (reply.isEmpty())
        return;
    const bool readReply = reply.size() == image::kImageSize && reply.at(1) == 'F';
    if (readReply && (m_options.floodRead || m_options.zeroFlood)) {
        if (m_log)
            m_log->sent(reply);
        m_endless = endlessBlock(reply, m_options.zeroFlood);
        connect(m_socket, &QTcpSocket::bytesWritten, this, &SimConnection::keepFlooding, Qt::UniqueConnection);
        keepFlooding();
        return;
    }
    if (m_options.garbage)
        reply = garbageBlock();
    else if (m_options.flood)
        reply = floodBlock();
    send(reply);
}

void SimConnection::send(const QByteArray& reply)
{
    if (m_log)
        m_log->sent(reply);
    if (!m_options.splitReplies) {
        m_pieces.append(reply);
    } else {
        const qsizetype half = qMax<qsizetype>(1, reply.size() / 2);
        m_pieces.append(reply.left(half));
        if (reply.size() > half)
            m_pieces.append(reply.mid(half));
    }
    if (!m_pace.isActive())
        sendNextPiece();
}

void SimConnection::sendNextPiece()
{
    if (!m_pieces.isEmpty()) {
        m_socket->write(m_pieces.takeFirst());
        m_socket->flush();
    }
    if (!m_pieces.isEmpty() && m_options.splitReplies)
        m_pace.start();
    else if (!m_pieces.isEmpty())
        sendNextPiece();
    else if (m_closing)
        m_socket->disconnectFromHost();
}

void SimConnection::closeWhenSent()
{
    m_closing = true;
    if (m_pieces.isEmpty() && !m_pace.isActive())
        m_socket->disconnectFromHost();
}
