#include "link/batchjob.h"

#include <QTimer>

BatchJob::BatchJob(QList<Item> items, int parallel, QObject* parent)
    : QObject(parent), m_items(std::move(items)), m_results(m_items.size()), m_parallel(qMax(1, parallel))
{
}

void BatchJob::start()
{
    if (m_items.isEmpty()) {
        QTimer::singleShot(0, this, &BatchJob::finished);
        return;
    }
    while (m_running < m_parallel && m_next < m_items.size())
        startNext();
}

void BatchJob::startNext()
{
    const int index = m_next++;
    Item& item = m_items[index];
    auto* job = new WriteJob(item.options, std::move(item.planner), this);
    connect(job, &WriteJob::finished, this, [this, index, job] { take(index, job); });
    ++m_running;
    job->start();
}

void BatchJob::take(int index, WriteJob* job)
{
    m_results[index] = job->result();
    // Its socket is closed; the job goes once its signal has returned.
    job->deleteLater();
    --m_running;
    ++m_done;
    if (m_results.at(index).outcome == WriteResult::Outcome::Failed)
        ++m_failed;
    emit terminalFinished(index);
    if (m_next < m_items.size())
        startNext();
    else if (m_running == 0)
        emit finished();
}
