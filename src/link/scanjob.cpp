#include "link/scanjob.h"

#include "link/terminalclient.h"

#include <QTimer>

ScanJob::ScanJob(QList<Endpoint> endpoints, int parallel, int timeoutMs, QObject* parent)
    : QObject(parent), m_endpoints(std::move(endpoints)), m_answers(m_endpoints.size(), Answer::None),
      m_parallel(qMax(1, parallel)), m_timeoutMs(timeoutMs)
{
}

void ScanJob::start()
{
    if (m_endpoints.isEmpty()) {
        QTimer::singleShot(0, this, &ScanJob::finished);
        return;
    }
    while (m_running < m_parallel && m_next < m_endpoints.size())
        startNext();
}

void ScanJob::startNext()
{
    const int index = m_next++;
    auto* client = new TerminalClient(this);
    client->setConnectTimeout(m_timeoutMs);
    client->setReplyTimeout(m_timeoutMs);
    const auto end = [this, index, client](Answer answer) {
        client->disconnect(this);
        client->close();
        client->deleteLater();
        take(index, answer);
    };
    connect(client, &TerminalClient::connected, this, [client] { client->requestStatus(); });
    connect(client, &TerminalClient::answered, this,
            [end](TerminalClient::Request, TerminalClient::Answer answer, const QByteArray&) {
                end(answer == TerminalClient::Answer::Ready ? Answer::Ready : Answer::NotReady);
            });
    connect(client, &TerminalClient::failed, this,
            [end](TerminalClient::Request, TerminalClient::Failure, const QString&) { end(Answer::None); });
    ++m_running;
    client->connectTo(m_endpoints.at(index));
}

void ScanJob::take(int index, Answer answer)
{
    m_answers[index] = answer;
    --m_running;
    ++m_done;
    if (answer != Answer::None)
        ++m_found;
    emit addressDone(index);
    if (m_next < m_endpoints.size())
        startNext();
    else if (m_running == 0)
        emit finished();
}
