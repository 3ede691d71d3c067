// A Qt generic plugin that the start-up benchmark loads into the program it measures
// (QT_PLUGIN_PATH and QT_QPA_GENERIC_PLUGINS=hxfirstpaint). The measured program stays as it is:
// Qt loads the plugin while the application object is built, and the plugin watches the events.
// Once the first top-level widget has been painted and its backing store flushed, it prints
// "hx-first-paint <CLOCK_MONOTONIC nanoseconds> <peak resident KiB>" on standard output and ends
// the process at once. The peak is the process's own (VmHWM): the rusage the parent gets for a
// child started with posix_spawn also counts the parent's own peak, taken over at exec.
#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace
{

long peakResidentKib()
{
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, status)) {
        if (std::sscanf(line, "VmHWM: %ld", &kib) == 1)
            break;
    }
    std::fclose(status);
    return kib;
}

class FirstPaintWatcher final : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            m_seen = true;
            // Queued: runs once the whole window has been painted and flushed.
            QMetaObject::invokeMethod(this, &FirstPaintWatcher::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static void report()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("hx-first-paint %lld %ld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                    peakResidentKib());
        std::fflush(stdout);
        _exit(0);
    }

    bool m_seen = false;
};

} // namespace

class FirstPaintProbe final : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "firstpaintprobe.json")

public:
    QObject* create(const QString& key, const QString& /*specification*/) override
    {
        if (key.compare(QLatin1String("hxfirstpaint"), Qt::CaseInsensitive) != 0)
            return nullptr;
        // The application keeps the returned object and deletes it when it ends.
        auto* watcher = new FirstPaintWatcher;
        QCoreApplication::instance()->installEventFilter(watcher);
        return watcher;
    }
};

#include "firstpaintprobe.moc"
