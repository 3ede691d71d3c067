#include "recordedpause.h"

#include <QThread>

void RecordedPause::wait(int milliseconds)
{
    pauses.append(milliseconds);
    if (real)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}
