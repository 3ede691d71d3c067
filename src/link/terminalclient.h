#pragma once

#include "link/endpoint.h"
#include "link/replyassembler.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

// A headless, asynchronous client for one terminal: one request at a time, one reply per request,
// with a connect timeout and a reply timeout of its own. Nothing blocks and no event loop is
// nested, so any number of clients can share one thread. Every outcome arrives as a signal from
// the event loop, never from inside the call that asked for it; delete a client with deleteLater()
// when it is used from one of its own signals.
class TerminalClient final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TerminalClient)

public:
    static constexpr int kDefaultTimeoutMs = 3000;
    static constexpr int kMostLateChecks = 1000; // of 1 ms each, for a connect's outcome only

    enum class Request { Connect, Status, Read, Unlock, Write, Reboot, Logo };
    Q_ENUM(Request)

    // What the terminal answered, as the link rules count it.
    enum class Answer {
        Ready,         // 'S' 'O'
        NotReady,      // 'S' with any other status
        Image,         // 'F': the 260-byte configuration image
        ReadRefused,   // 'L' 'N': wrong password
        Unlocked,      // 'U' 'O'
        UnlockRefused, // 'U' with any other status
        Written,       // 'G', status not examined
        RebootRefused, // 'B', status not examined
        Rebooted,      // the terminal closed the connection after the reboot frame
        Sent,          // the logo frame has left (the terminal answers nothing)
    };
    Q_ENUM(Answer)

    enum class Failure {
        Refused,     // connection refused
        Unreachable, // no connection within the connect timeout, host or network unreachable
        NotFound,    // the host name could not be resolved
        NoAnswer,    // no complete reply within the reply timeout
        Invalid,     // bytes that are not exactly one reply to the request
        Closed,      // the connection closed before the answer
        Busy,        // a request was made while another one was pending, or before connecting
        Other,       // any other socket error
    };
    Q_ENUM(Failure)

    explicit TerminalClient(QObject* parent = nullptr);
    ~TerminalClient() override;

    void setConnectTimeout(int milliseconds) { m_connectTimeoutMs = milliseconds; }
    void setReplyTimeout(int milliseconds) { m_replyTimeoutMs = milliseconds; }
    int connectTimeout() const { return m_connectTimeoutMs; }
    int replyTimeout() const { return m_replyTimeoutMs; }

    // Starts the connection; ends in connected() or failed(Request::Connect, ...).
    void connectTo(const Endpoint& endpoint);
    // Each sends its frame and ends in answered() or failed().
    void requestStatus();
    void requestRead(const QByteArray& password);
    void requestUnlock(const QByteArray& password);
    void requestWrite(const QByteArray& image); // 260 bytes, byte 1 'G'
    void requestReboot();                       // success is the terminal closing the connection
    void sendLogo(const QByteArray& logoFrame); // 260 bytes; answered(Sent) once it has left
    // Closes gracefully (frames already sent still leave); no signal follows.
    void close();

    bool isPending() const { return m_pending != Pending::None; }

    // "127.0.0.1:2323" as given to connectTo().
    QString address() const;

    // Portuguese, one line, without the address: what failed and during which request.
    static QString failureText(Failure failure, Request request, int timeoutMs, const QString& detail = {});

signals:
    void connected();
    void answered(TerminalClient::Request request, TerminalClient::Answer answer, const QByteArray& image);
    void failed(TerminalClient::Request request, TerminalClient::Failure failure, const QString& text);

private:
    enum class Pending { None, Connect, Reply, Close, Sending };

    void send(Request request, const QByteArray& frame, Pending pending);
    void takeBytes();
    void takeReply(const QByteArray& reply);
    bool holdsMoreBytes() const;
    void takeBytesWritten();
    void takeSocketError(QAbstractSocket::SocketError error);
    void takeDisconnected();
    void timeOut();
    bool hasUndelivered() const;
    void finish(Request request, Answer answer, const QByteArray& image = {});
    void fail(Failure failure, const QString& detail = {});
    void failLater(Request request, Failure failure);

    QTcpSocket m_socket;
    QTimer m_timer; // the pending request's timeout, single-shot
    ReplyAssembler m_assembler;
    Endpoint m_endpoint;
    int m_connectTimeoutMs = kDefaultTimeoutMs;
    int m_replyTimeoutMs = kDefaultTimeoutMs;
    Pending m_pending = Pending::None;
    int m_lateChecks = 0;        // times the connect timeout waited for what had arrived
    quint64 m_requestNumber = 0; // counts the requests, so that a timeout knows its own
    bool m_strayBytes = false;   // bytes came while no request waited: the next reply is invalid
    Request m_request = Request::Connect;
    bool m_open = false;   // connected and not closed since
    bool m_inCall = false; // inside connectTo(): outcomes wait for the event loop
};
