#pragma once

#include "link/endpoint.h"
#include "link/failurekind.h"
#include "link/terminalclient.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

// The first steps of everything the command line does with a terminal: connect, status (it must
// answer 'S' 'O'), read with the password. Runs on a client it does not own, which stays
// connected afterwards so that the caller can go on.
class ReadJob final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReadJob)

public:
    ReadJob(TerminalClient& client, QByteArray password, QObject* parent = nullptr);

    void start(const Endpoint& endpoint);

    // After done(): the 260-byte image as the terminal sent it (byte 1 'F') and when it came.
    const QByteArray& image() const { return m_image; }
    const QDateTime& readAt() const { return m_readAt; }

signals:
    void done();
    void failed(FailureKind code, const QString& text);

private:
    void takeAnswer(TerminalClient::Request request, TerminalClient::Answer answer, const QByteArray& image);
    void end(FailureKind code, const QString& text);

    TerminalClient& m_client;
    QByteArray m_password;
    QByteArray m_image;
    QDateTime m_readAt;
    QList<QMetaObject::Connection> m_connections;
};

// Portuguese texts of the terminal's refusals, shared by the jobs.
namespace refusal
{
QString notReady();
QString readRefused();
QString unlockRefused();
QString rebootRefused();
} // namespace refusal
