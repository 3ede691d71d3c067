#pragma once

#include "commandtable.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

// hxconfig-cli --help: the commands, the program's own options, the JSON Lines and the exit codes.
QString generalHelp(const QList<QCommandLineOption>& options);

// hxconfig-cli COMMAND --help: its arguments, the options it takes, its JSON keys, where its
// passwords come from, and the exit codes.
QString commandHelp(const Command& command, const QList<QCommandLineOption>& options);

// An argument as a synopsis shows it: "NAME", "[NAME]" when optional, "NAME..." when repeated.
QString argumentSynopsis(const Argument& argument);
