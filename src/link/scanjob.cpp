#include "link/scanjob.h"

#include "link/terminalclient.h"

ScanJob::ScanJob(QList<Endpoint> endpoints, int parallel, int timeoutMs, QObject* parent)
    : QObject(parent), m_endpoints(std::move(endpoints)), m_answers(m_endpoints.size(), Answer::None),
      m_timeoutMs(timeoutMs), m_runner(m_endpoints.size(), parallel, [this](int index) { startOne(index); })
{
    connect(&m_runner, &ParallelRunner::finished, this, &ScanJob::finished);
}

void ScanJob::start()
{
    m_runner.start();
}

void ScanJob::startOne(int index)
{
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
    client->connectTo(m_endpoints.at(index));
}

void ScanJob::take(int index, Answer answer)
{
    m_answers[index] = answer;
    ++m_done;
    if (answer != Answer::None)
        ++m_found;
    emit addressDone(index);
    m_runner.oneDone();
}
