#include "ui/blockingpause.h"

#include <QThread>

void SleepingPause::wait(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}
