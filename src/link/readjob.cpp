#include "link/readjob.h"

#include <QCoreApplication>

namespace refusal
{

QString notReady()
{
    return QCoreApplication::translate("Link", "terminal não está pronto (status recusado)");
}

QString readRefused()
{
    return QCoreApplication::translate("Link", "leitura recusada: verifique a senha");
}

QString unlockRefused()
{
    return QCoreApplication::translate("Link", "desbloqueio recusado pelo terminal");
}

QString rebootRefused()
{
    return QCoreApplication::translate("Link", "reinício não concluído: o terminal recusou");
}

} // namespace refusal

ReadJob::ReadJob(TerminalClient& client, QByteArray password, QObject* parent)
    : QObject(parent), m_client(client), m_password(std::move(password))
{
}

void ReadJob::start(const Endpoint& endpoint)
{
    m_connections = {
        connect(&m_client, &TerminalClient::connected, this, [this] { m_client.requestStatus(); }),
        connect(&m_client, &TerminalClient::answered, this, &ReadJob::takeAnswer),
        connect(&m_client, &TerminalClient::failed, this,
                [this](TerminalClient::Request, TerminalClient::Failure, const QString& text) {
                    end(FailureKind::NoConnection, text);
                }),
    };
    m_client.connectTo(endpoint);
}

void ReadJob::takeAnswer(TerminalClient::Request request, TerminalClient::Answer answer, const QByteArray& image)
{
    using A = TerminalClient::Answer;
    switch (answer) {
    case A::Ready:
        m_client.requestRead(m_password);
        return;
    case A::NotReady:
        end(FailureKind::TerminalRefused, refusal::notReady());
        return;
    case A::ReadRefused:
        end(FailureKind::TerminalRefused, refusal::readRefused());
        return;
    case A::Image:
        m_image = image;
        m_readAt = QDateTime::currentDateTime();
        end(FailureKind::None, {});
        return;
    default:
        end(FailureKind::NoConnection,
            TerminalClient::failureText(TerminalClient::Failure::Busy, request, m_client.replyTimeout()));
        return;
    }
}

void ReadJob::end(FailureKind code, const QString& text)
{
    for (const QMetaObject::Connection& c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    if (code == FailureKind::None)
        emit done();
    else
        emit failed(code, text);
}
