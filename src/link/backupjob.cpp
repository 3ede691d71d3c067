#include "link/backupjob.h"

#include "image/layout.h"
#include "image/readable.h"
#include "link/readjob.h"
#include "link/terminalclient.h"

#include <QFutureWatcher>

namespace
{

// One terminal: its client, its read and, once read, the wait for the disk.
class OneBackup final : public QObject
{
public:
    OneBackup(const BackupJob::Item& item, int timeoutMs, QObject* parent)
        : QObject(parent), m_read(m_client, item.password)
    {
        m_client.setConnectTimeout(timeoutMs);
        m_client.setReplyTimeout(timeoutMs);
    }

    TerminalClient m_client;
    ReadJob m_read;
    QFutureWatcher<image::Outcome<KeptBackup>> m_kept;
};

} // namespace

QString outcomeName(BackupJob::Result::Outcome outcome)
{
    using O = BackupJob::Result::Outcome;
    switch (outcome) {
    case O::New:
        return QStringLiteral("new");
    case O::Unchanged:
        return QStringLiteral("unchanged");
    case O::Failed:
        break;
    }
    return QStringLiteral("failed");
}

BackupJob::BackupJob(QList<Item> items, BackupKeeper& keeper, int parallel, int timeoutMs, QObject* parent)
    : QObject(parent), m_items(std::move(items)), m_results(m_items.size()), m_keeper(keeper), m_timeoutMs(timeoutMs),
      m_runner(m_items.size(), parallel, [this](int index) { startOne(index); })
{
    connect(&m_runner, &ParallelRunner::finished, this, &BackupJob::finished);
}

void BackupJob::start()
{
    m_runner.start();
}

void BackupJob::startOne(int index)
{
    auto* one = new OneBackup(m_items.at(index), m_timeoutMs, this);
    const auto end = [this, index, one](Result result) {
        one->deleteLater();
        take(index, std::move(result));
    };
    connect(&one->m_read, &ReadJob::failed, this, [one, end](FailureKind code, const QString& text) {
        one->m_client.close();
        end({Result::Outcome::Failed, code, {}, {}, text});
    });
    connect(&one->m_read, &ReadJob::done, this, [this, one, end] {
        one->m_client.close();
        const QByteArray& image = one->m_read.image();
        const TerminalInfo terminal{image::macText(image), one->m_read.readAt(), one->m_client.address()};
        connect(&one->m_kept, &QFutureWatcher<image::Outcome<KeptBackup>>::finished, this,
                [one, end, mac = terminal.mac] {
                    const image::Outcome<KeptBackup> kept = one->m_kept.result();
                    if (!kept)
                        end({Result::Outcome::Failed, FailureKind::FileProblem, mac, {}, kept.failure().text});
                    else
                        end({kept->isNew ? Result::Outcome::New : Result::Outcome::Unchanged,
                             FailureKind::None,
                             mac,
                             kept->path,
                             {}});
                });
        one->m_kept.setFuture(m_keeper.keepInBackground(image, terminal, terminal.readAt));
    });
    one->m_read.start(m_items.at(index).endpoint);
}

void BackupJob::take(int index, Result result)
{
    if (result.outcome == Result::Outcome::Failed)
        ++m_failed;
    m_results[index] = std::move(result);
    emit terminalFinished(index);
    m_runner.oneDone();
}
