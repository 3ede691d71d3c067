#pragma once

#include "link/endpoint.h"
#include "link/parallelrunner.h"

#include <QList>
#include <QObject>

#include <optional>

// Looks for terminals: each address is connected (within the connect timeout) and asked its status
// (within the reply timeout), at most `parallel` at a time on one event loop. An address answers
// when its status reply comes, ready ('S' 'O') or not; a refused connection, a connect that times
// out, a closed connection or no status reply count as nobody there.
class ScanJob final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScanJob)

public:
    enum class Answer { None, Ready, NotReady };

    ScanJob(QList<Endpoint> endpoints, int parallel, int timeoutMs, QObject* parent = nullptr);

    // Asynchronous: addressDone() for each address, then finished(), all from the event loop.
    void start();

    qsizetype total() const { return m_endpoints.size(); }
    int doneCount() const { return m_done; }
    int foundCount() const { return m_found; }
    const QList<Endpoint>& endpoints() const { return m_endpoints; }
    // In the order of the endpoints.
    const QList<Answer>& answers() const { return m_answers; }

signals:
    void addressDone(int index);
    void finished();

private:
    void startOne(int index);
    void take(int index, Answer answer);

    QList<Endpoint> m_endpoints;
    QList<Answer> m_answers;
    int m_timeoutMs;
    ParallelRunner m_runner;
    int m_done = 0;
    int m_found = 0;
};
