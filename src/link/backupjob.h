#pragma once

#include "files/backuphistory.h"
#include "link/endpoint.h"
#include "link/failurekind.h"
#include "link/parallelrunner.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

// A fleet's configurations kept in a backups folder: every terminal read (connect, status, read),
// at most `parallel` at a time on one event loop, and its image handed to a BackupKeeper on a
// thread for files, which saves it only when it differs from that terminal's newest backup. Each
// terminal has its own client, timers and result; one terminal's failure never stops another.
class BackupJob final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BackupJob)

public:
    struct Item {
        Endpoint endpoint;
        QByteArray password; // Windows-1252
    };

    struct Result {
        enum class Outcome { New, Unchanged, Failed };
        Outcome outcome = Outcome::Failed;
        FailureKind failure = FailureKind::NoConnection;
        QString mac;   // empty until read
        QString file;  // the new backup, or for an unchanged terminal its newest existing one
        QString error; // Portuguese; empty on success
    };

    BackupJob(QList<Item> items, BackupKeeper& keeper, int parallel, int timeoutMs, QObject* parent = nullptr);

    // Asynchronous: terminalFinished() for each terminal, then finished(), all from the event loop.
    void start();

    qsizetype total() const { return m_items.size(); }
    int failedCount() const { return m_failed; }
    // In the order of the items; a terminal not yet finished has a default (failed) result.
    const QList<Result>& results() const { return m_results; }

signals:
    void terminalFinished(int index);
    void finished();

private:
    void startOne(int index);
    void take(int index, Result result);

    QList<Item> m_items;
    QList<Result> m_results;
    BackupKeeper& m_keeper;
    int m_timeoutMs;
    ParallelRunner m_runner;
    int m_failed = 0;
};

// "new", "unchanged", "failed"
QString outcomeName(BackupJob::Result::Outcome outcome);
