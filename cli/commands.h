#pragma once

#include "invocation.h"

#include "link/writejob.h"

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

// The runs of the commands, each owned by `parent`; the command table (commandtable.h) names them.
CommandRun* makeStatusRun(const Invocation& invocation, QObject* parent);
CommandRun* makeReadRun(const Invocation& invocation, QObject* parent);
CommandRun* makeShowRun(const Invocation& invocation, QObject* parent);
CommandRun* makeDiffRun(const Invocation& invocation, QObject* parent);
CommandRun* makeWriteRun(const Invocation& invocation, QObject* parent); // apply and restore
CommandRun* makeLogoRun(const Invocation& invocation, QObject* parent);
CommandRun* makeBatchRun(const Invocation& invocation, QObject* parent);   // batchrun.cpp
CommandRun* makeScanRun(const Invocation& invocation, QObject* parent);    // scanrun.cpp
CommandRun* makeBackupRun(const Invocation& invocation, QObject* parent);  // backuprun.cpp
CommandRun* makeHistoryRun(const Invocation& invocation, QObject* parent); // historyrun.cpp
CommandRun* makeCheckRun(const Invocation& invocation, QObject* parent);   // checkrun.cpp

// The write options the command line gives (password, new password, dry run, verification, reboot,
// backup folder, log, timeouts); the endpoint is the caller's.
WriteOptions writeOptionsOf(const Invocation& invocation);
