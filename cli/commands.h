#pragma once

#include "invocation.h"

#include <QObject>

// One command of hxconfig-cli run to its end. Commands that talk to terminals run on the event
// loop and announce their exit code with finished(); the others are done when run() returns.
class CommandRun : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    // Starts the command; returns an exit code when it is already over, or -1 when finished() follows.
    virtual int run() = 0;

signals:
    void finished(int exitCode);
};

// The run for an invocation; owned by `parent`.
CommandRun* makeCommand(const Invocation& invocation, QObject* parent);
