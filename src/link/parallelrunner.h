#pragma once

#include <QObject>

#include <functional>

// Hands out `count` items, at most `parallel` at a time: startOne(index) for each item, in order;
// the owner calls oneDone() when an item has ended, which starts the next one, and finished()
// follows the last. Everything happens on the event loop of the thread it lives in.
class ParallelRunner final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ParallelRunner)

public:
    ParallelRunner(qsizetype count, int parallel, std::function<void(int index)> startOne, QObject* parent = nullptr);

    void start();
    void oneDone();

signals:
    void finished();

private:
    qsizetype m_count;
    int m_parallel;
    std::function<void(int)> m_startOne;
    int m_next = 0;
    int m_running = 0;
};
