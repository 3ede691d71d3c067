#pragma once

#include "clioptions.h"
#include "invocation.h"

#include <initializer_list>
#include <span>

class CommandRun;
class QObject;

// A positional argument of a command, as its help shows it.
struct Argument {
    const char* name;
    const char* text;
    bool optional = false;
    bool repeated = false; // one or more
    bool address = false;  // a terminal's address, checked before anything runs
};

// Whether the command line must give a password for this run.
enum class PasswordNeed { None, Optional, Required };

// One command of hxconfig-cli: its name, its help, the options it takes and the run that does it.
// Every command the program knows is a row of this one table.
struct Command {
    const char* name;
    const char* summary;
    const char* description;
    std::initializer_list<Argument> arguments;
    std::initializer_list<OptionId> options;
    const char* json; // the result words and own keys of its --json lines; nullptr without --json
    CommandRun* (*make)(const Invocation& invocation, QObject* parent);
    // nullptr: the command talks to no terminal that needs one.
    PasswordNeed (*password)(const Invocation& invocation) = nullptr;
    // Reads the positional arguments into the invocation (a range, targets); returns why they are wrong.
    QString (*readArguments)(Invocation& invocation) = nullptr;

    bool takes(OptionId option) const;
};

std::span<const Command> commands();
const Command* findCommand(const QString& name);
