#include "link/terminalclient.h"

#include "image/layout.h"
#include "link/frames.h"
#include "link/socketerror.h"

#include <QCoreApplication>

#include <poll.h>
#include <sys/ioctl.h>

#include <utility>

namespace
{

QString requestName(TerminalClient::Request request)
{
    using R = TerminalClient::Request;
    switch (request) {
    case R::Connect:
        return QCoreApplication::translate("Link", "conexão");
    case R::Status:
        return QCoreApplication::translate("Link", "pedido de status");
    case R::Read:
        return QStringLiteral("leitura");
    case R::Unlock:
        return QStringLiteral("desbloqueio");
    case R::Write:
        return QCoreApplication::translate("Link", "gravação");
    case R::Reboot:
        return QCoreApplication::translate("Link", "reinício");
    case R::Logo:
        return QCoreApplication::translate("Link", "envio do logotipo");
    }
    return {};
}

// The letters a reply to this request may carry.
QByteArrayView replyLetters(TerminalClient::Request request)
{
    using R = TerminalClient::Request;
    switch (request) {
    case R::Status:
        return "S";
    case R::Read:
        return "FL";
    case R::Unlock:
        return "U";
    case R::Write:
        return "G";
    case R::Reboot:
        return "B";
    case R::Connect:
    case R::Logo:
        break;
    }
    return {};
}

} // namespace

TerminalClient::TerminalClient(QObject* parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer); // a timeout is a minimum: a coarse timer may end it early
    // However fast a terminal sends, no more than one reply's worth waits in the client at a time.
    m_socket.setReadBufferSize(image::kImageSize);
    connect(&m_timer, &QTimer::timeout, this, &TerminalClient::timeOut);
    connect(&m_socket, &QTcpSocket::connected, this, [this] {
        if (m_pending != Pending::Connect)
            return;
        m_timer.stop();
        m_pending = Pending::None;
        m_open = true;
        emit connected();
    });
    connect(&m_socket, &QTcpSocket::readyRead, this, &TerminalClient::takeBytes);
    connect(&m_socket, &QTcpSocket::bytesWritten, this, &TerminalClient::takeBytesWritten);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &TerminalClient::takeSocketError);
    connect(&m_socket, &QTcpSocket::disconnected, this, &TerminalClient::takeDisconnected);
}

TerminalClient::~TerminalClient()
{
    // The socket goes after this object's body: it must not call back into a half-gone client.
    m_socket.disconnect(this);
    m_socket.abort();
}

QString TerminalClient::address() const
{
    return QStringLiteral("%1:%2").arg(m_endpoint.host).arg(m_endpoint.port);
}

void TerminalClient::connectTo(const Endpoint& endpoint)
{
    if (m_pending != Pending::None) {
        failLater(Request::Connect, Failure::Busy);
        return;
    }
    m_socket.abort(); // a socket left closing would ignore the new connect
    m_assembler.clear();
    m_endpoint = endpoint;
    m_open = false;
    m_strayBytes = false;
    m_request = Request::Connect;
    m_pending = Pending::Connect;
    ++m_requestNumber;
    m_lateChecks = 0;
    m_timer.start(m_connectTimeoutMs);
    m_inCall = true;
    m_socket.connectToHost(endpoint.host, endpoint.port);
    m_inCall = false;
}

void TerminalClient::requestStatus()
{
    send(Request::Status, frames::statusRequest(), Pending::Reply);
}

void TerminalClient::requestRead(const QByteArray& password)
{
    send(Request::Read, frames::readRequest(password), Pending::Reply);
}

void TerminalClient::requestUnlock(const QByteArray& password)
{
    send(Request::Unlock, frames::unlockRequest(password), Pending::Reply);
}

void TerminalClient::requestWrite(const QByteArray& image)
{
    send(Request::Write, image, Pending::Reply);
}

void TerminalClient::requestReboot()
{
    send(Request::Reboot, frames::rebootRequest(), Pending::Reply);
}

void TerminalClient::sendLogo(const QByteArray& logoFrame)
{
    send(Request::Logo, logoFrame, Pending::Sending);
}

void TerminalClient::close()
{
    m_timer.stop();
    m_pending = Pending::None;
    m_open = false;
    m_socket.disconnectFromHost();
}

void TerminalClient::send(Request request, const QByteArray& frame, Pending pending)
{
    if (m_pending != Pending::None) {
        failLater(request, Failure::Busy);
        return;
    }
    if (!m_open) {
        failLater(request, Failure::Closed);
        return;
    }
    m_request = request;
    m_pending = pending;
    ++m_requestNumber;
    if (pending == Pending::Reply)
        m_assembler.expect(replyLetters(request));
    else
        m_assembler.clear();
    m_timer.start(m_replyTimeoutMs);
    if (m_strayBytes) {
        // The terminal spoke while nothing was asked: what follows would be no answer to this request.
        const bool inCall = std::exchange(m_inCall, true);
        fail(Failure::Invalid);
        m_inCall = inCall;
        return;
    }
    m_socket.write(frame);
}

void TerminalClient::takeBytes()
{
    const QByteArray bytes = m_socket.readAll();
    if (bytes.isEmpty())
        return;
    // Bytes that no request waits for are dropped, and the next request's answer is invalid: a
    // reply is only ever the bytes that follow its request.
    if (m_pending != Pending::Reply) {
        m_strayBytes = m_open;
        return;
    }
    switch (m_assembler.feed(bytes)) {
    case ReplyAssembler::State::Invalid:
        fail(Failure::Invalid);
        return;
    case ReplyAssembler::State::Complete:
        // Bytes beyond the reply that are already here make it no reply either.
        if (holdsMoreBytes())
            fail(Failure::Invalid);
        else
            takeReply(m_assembler.reply());
        return;
    case ReplyAssembler::State::Idle:
    case ReplyAssembler::State::Waiting:
        return;
    }
}

bool TerminalClient::holdsMoreBytes() const
{
    if (m_socket.bytesAvailable() > 0)
        return true;
    const qintptr descriptor = m_socket.socketDescriptor();
    int waiting = 0;
    // Counted, not polled: a socket the terminal has closed is readable without holding a byte.
    return descriptor >= 0 && ::ioctl(int(descriptor), FIONREAD, &waiting) == 0 && waiting > 0;
}

void TerminalClient::takeReply(const QByteArray& reply)
{
    const frames::Reply r = frames::classify(reply);
    // The intake let through only the letters this request is answered with.
    switch (m_request) {
    case Request::Status:
        if (r.letter == 'S')
            finish(m_request, r.statusOk() ? Answer::Ready : Answer::NotReady);
        break;
    case Request::Read:
        if (r.letter == 'F')
            finish(m_request, Answer::Image, reply);
        else if (r.letter == 'L' && r.statusRefused())
            finish(m_request, Answer::ReadRefused);
        else
            fail(Failure::Invalid);
        break;
    case Request::Unlock:
        if (r.letter == 'U')
            finish(m_request, r.statusOk() ? Answer::Unlocked : Answer::UnlockRefused);
        break;
    case Request::Write:
        if (r.letter == 'G')
            finish(m_request, Answer::Written);
        break;
    case Request::Reboot:
        if (r.letter == 'B')
            finish(m_request, Answer::RebootRefused);
        break;
    case Request::Connect:
    case Request::Logo:
        fail(Failure::Invalid);
        break;
    }
}

void TerminalClient::takeBytesWritten()
{
    if (m_pending != Pending::Sending)
        return;
    // Counted from what the socket still holds, not from the signal's argument: the socket may
    // have had bytes of earlier frames queued.
    if (m_socket.bytesToWrite() == 0)
        finish(Request::Logo, Answer::Sent);
}

void TerminalClient::takeSocketError(QAbstractSocket::SocketError error)
{
    if (m_pending == Pending::Connect) {
        switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
            fail(Failure::Refused);
            return;
        case QAbstractSocket::HostNotFoundError:
            fail(Failure::NotFound);
            return;
        case QAbstractSocket::SocketTimeoutError:
        case QAbstractSocket::NetworkError:
            fail(Failure::Unreachable, socketFailureReason(error));
            return;
        default:
            fail(Failure::Other, socketFailureReason(error));
            return;
        }
    }
    // The peer closing is handled with the disconnected signal that follows it.
    if (error == QAbstractSocket::RemoteHostClosedError)
        return;
    if (m_pending == Pending::Reply || m_pending == Pending::Sending)
        fail(Failure::Other, socketFailureReason(error));
    else
        m_open = false;
}

void TerminalClient::takeDisconnected()
{
    m_open = false;
    if (m_pending == Pending::Reply && m_request == Request::Reboot)
        finish(Request::Reboot, Answer::Rebooted);
    else if (m_pending == Pending::Reply || m_pending == Pending::Sending)
        fail(Failure::Closed);
}

void TerminalClient::timeOut()
{
    // With many terminals on one thread the loop may come to this timer late, after the answer had
    // arrived: what the system holds by then is taken first, and only a request still waiting for
    // it times out. A connect's outcome is one event, which the loop delivers within a millisecond.
    if (m_pending == Pending::Connect && m_lateChecks < kMostLateChecks && hasUndelivered()) {
        ++m_lateChecks;
        m_timer.start(1);
        return;
    }
    // A reply's bytes are taken now, once: bytes that keep coming never move the deadline.
    if (m_pending == Pending::Reply && hasUndelivered()) {
        const quint64 request = m_requestNumber;
        m_socket.waitForReadyRead(0);
        if (m_pending != Pending::Reply || m_requestNumber != request)
            return;
    }
    if (m_pending == Pending::Connect)
        fail(Failure::Unreachable);
    else if (m_pending != Pending::None)
        fail(Failure::NoAnswer);
}

bool TerminalClient::hasUndelivered() const
{
    const qintptr descriptor = m_socket.socketDescriptor();
    if (descriptor < 0 || (m_pending != Pending::Connect && m_pending != Pending::Reply))
        return false;
    // A connect's outcome makes the socket writable; a reply or the peer's close, readable.
    pollfd socket{int(descriptor), short(m_pending == Pending::Connect ? POLLOUT : POLLIN), 0};
    return ::poll(&socket, 1, 0) > 0;
}

void TerminalClient::finish(Request request, Answer answer, const QByteArray& image)
{
    m_timer.stop();
    m_pending = Pending::None;
    emit answered(request, answer, answer == Answer::Image ? image.left(image::kImageSize) : QByteArray());
}

void TerminalClient::fail(Failure failure, const QString& detail)
{
    const Request request = m_request;
    const int timeout = request == Request::Connect ? m_connectTimeoutMs : m_replyTimeoutMs;
    m_timer.stop();
    m_pending = Pending::None;
    m_open = false;
    m_socket.abort();
    const QString text = failureText(failure, request, timeout, detail);
    if (m_inCall)
        QTimer::singleShot(0, this, [this, request, failure, text] { emit failed(request, failure, text); });
    else
        emit failed(request, failure, text);
}

void TerminalClient::failLater(Request request, Failure failure)
{
    // Never from inside the caller's own call.
    QTimer::singleShot(0, this,
                       [this, request, failure] { emit failed(request, failure, failureText(failure, request, 0)); });
}

QString TerminalClient::failureText(Failure failure, Request request, int timeoutMs, const QString& detail)
{
    const QString what = requestName(request);
    switch (failure) {
    case Failure::Refused:
        // Nothing listens there: the usual causes are a terminal switched off or a wrong address.
        return QCoreApplication::translate("Link",
                                           "conexão recusada: o terminal está ligado, no endereço e porta certos?");
    case Failure::Unreachable:
        return detail.isEmpty()
                   ? QCoreApplication::translate("Link", "terminal não localizado: sem conexão em %1 ms").arg(timeoutMs)
                   : QCoreApplication::translate("Link", "terminal não localizado: %1").arg(detail);
    case Failure::NotFound:
        return QCoreApplication::translate("Link", "endereço não encontrado");
    case Failure::NoAnswer:
        return QCoreApplication::translate("Link", "sem resposta do terminal em %1 ms (%2)").arg(timeoutMs).arg(what);
    case Failure::Invalid:
        return QCoreApplication::translate("Link", "resposta inválida do terminal");
    case Failure::Closed:
        return QCoreApplication::translate("Link", "conexão encerrada pelo terminal (%1)").arg(what);
    case Failure::Busy:
        return QCoreApplication::translate("Link", "pedido fora de ordem (%1)").arg(what);
    case Failure::Other:
        return QCoreApplication::translate("Link", "erro de conexão (%1): %2").arg(what, detail);
    }
    return {};
}
