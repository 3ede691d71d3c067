#include "link/parallelrunner.h"

#include <QTimer>

ParallelRunner::ParallelRunner(qsizetype count, int parallel, std::function<void(int index)> startOne, QObject* parent)
    : QObject(parent), m_count(count), m_parallel(qMax(1, parallel)), m_startOne(std::move(startOne))
{
}

void ParallelRunner::start()
{
    if (m_count == 0) {
        QTimer::singleShot(0, this, &ParallelRunner::finished);
        return;
    }
    while (m_running < m_parallel && m_next < m_count) {
        ++m_running;
        m_startOne(m_next++);
    }
}

void ParallelRunner::oneDone()
{
    --m_running;
    if (m_next < m_count) {
        ++m_running;
        m_startOne(m_next++);
    } else if (m_running == 0) {
        emit finished();
    }
}
