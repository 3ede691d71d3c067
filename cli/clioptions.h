#pragma once

#include "invocation.h"

#include <QCommandLineOption>

// The options of hxconfig-cli's commands, one row each; a command names those it takes
// (commandtable.h), in the order its --help lists them.
enum class OptionId {
    Output,
    Password,
    PasswordFile,
    Timeout,
    Set,
    NewPassword,
    NewPasswordFile,
    DryRun,
    NoReboot,
    NoVerify,
    BackupDir,
    Log,
    Force,
    Clone,
    KeepIp,
    Image,
    Keys,
    ParallelBatch,
    Report,
    Port,
    ParallelScan,
    Csv,
    Json,
    Quiet,
};

struct OptionRow {
    OptionId id;
    const char* shortName; // nullptr when the option has only its long name
    const char* longName;
    const char* description; // Portuguese, translated when shown
    const char* valueName;   // nullptr for a switch; translated when marked for it
    // Takes the values given (the last one counts where one is meant) into the invocation and
    // returns why they are wrong, or nothing. nullptr: the password step reads the option itself.
    QString (*store)(Invocation& invocation, const QStringList& values);
};

const OptionRow& optionRow(OptionId id);

// The option for Qt's parser, in the user's language.
QCommandLineOption commandLineOption(OptionId id);
