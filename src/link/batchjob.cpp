#include "link/batchjob.h"

BatchJob::BatchJob(QList<Item> items, int parallel, QObject* parent)
    : QObject(parent), m_items(std::move(items)), m_results(m_items.size()),
      m_runner(m_items.size(), parallel, [this](int index) { startOne(index); })
{
    connect(&m_runner, &ParallelRunner::finished, this, &BatchJob::finished);
}

void BatchJob::start()
{
    m_runner.start();
}

void BatchJob::startOne(int index)
{
    Item& item = m_items[index];
    auto* job = new WriteJob(item.options, std::move(item.planner), this);
    connect(job, &WriteJob::finished, this, [this, index, job] { take(index, job); });
    job->start();
}

void BatchJob::take(int index, WriteJob* job)
{
    m_results[index] = job->result();
    // Its socket is closed; the job goes once its signal has returned.
    job->deleteLater();
    ++m_done;
    if (m_results.at(index).outcome == WriteResult::Outcome::Failed)
        ++m_failed;
    emit terminalFinished(index);
    m_runner.oneDone();
}
