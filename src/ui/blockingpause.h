#pragma once

// Blocks the GUI thread for a fixed time: the terminal needs a moment after a write before it takes
// the next command. The window sleeps for real; tests hand in one that records the pauses.
class BlockingPause
{
public:
    virtual ~BlockingPause() = default;
    virtual void wait(int milliseconds) = 0;
};

// Sleeps the calling thread; nothing else runs meanwhile, socket events included.
class SleepingPause final : public BlockingPause
{
public:
    void wait(int milliseconds) override;
};
