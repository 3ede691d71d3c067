// Linked into a copy of hxconfig (its own main.cpp) for the start-up benchmark: when the first
// window has been painted, prints "painted <peak resident KiB>" on standard output and ends the
// program normally. Nothing else of the program changes.
#include "procstatus.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

namespace
{

class FirstPaintProbe final : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            m_seen = true;
            // Queued: the window's children are painted in the same pass, before this runs.
            QMetaObject::invokeMethod(this, &FirstPaintProbe::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report()
    {
        std::printf("painted %ld\n", procStatusKb("VmHWM"));
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    bool m_seen = false;
};

void installProbe()
{
    qApp->installEventFilter(new FirstPaintProbe(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
