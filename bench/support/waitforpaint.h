#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

// Shows a window and runs the event loop until its first paint event: the benchmarks' wait for a
// painted window inside their own process. Ends the program when none comes within limitMs.
inline void waitForPaint(QWidget& window, int limitMs)
{
    class PaintWatcher final : public QObject
    {
    public:
        bool painted = false;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                painted = true;
            return false;
        }
    };

    PaintWatcher watcher;
    window.installEventFilter(&watcher);
    window.show();
    QElapsedTimer limit;
    limit.start();
    while (!watcher.painted && limit.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    window.removeEventFilter(&watcher);
    if (!watcher.painted)
        qFatal("no paint event within %d ms", limitMs);
}
