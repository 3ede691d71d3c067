#pragma once

#include "link/parallelrunner.h"
#include "link/writejob.h"

#include <QList>
#include <QObject>

// Many write sequences side by side on one event loop: at most `parallel` terminals at a time,
// the next one started as soon as one ends, so that the whole fleet costs about what its slowest
// terminal costs (the two 1500 ms pauses run in parallel). Each terminal has its own job, client,
// timers, backup and result; one terminal's failure never stops or changes another's.
class BatchJob final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BatchJob)

public:
    struct Item {
        WriteOptions options;
        WritePlanner planner;
    };

    BatchJob(QList<Item> items, int parallel, QObject* parent = nullptr);

    // Asynchronous: terminalFinished() for each terminal, then finished(), all from the event loop.
    void start();

    qsizetype total() const { return m_items.size(); }
    int doneCount() const { return m_done; }
    int failedCount() const { return m_failed; }
    // In the order of the items; a terminal not yet finished has a default (failed) result.
    const QList<WriteResult>& results() const { return m_results; }

signals:
    void terminalFinished(int index);
    void finished();

private:
    void startOne(int index);
    void take(int index, WriteJob* job);

    QList<Item> m_items;
    QList<WriteResult> m_results;
    ParallelRunner m_runner;
    int m_done = 0;
    int m_failed = 0;
};
