#pragma once

#include "ui/blockingpause.h"

#include <QList>

// Records every pause the window takes; it blocks for real unless told not to, as the window's own.
class RecordedPause final : public BlockingPause
{
public:
    void wait(int milliseconds) override;

    QList<int> pauses;
    bool real = true;
};
