#pragma once

#include "simoptions.h"
#include "terminalstate.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <variant>

// The texts of hxterm-sim in the user's language: SimText::tr("...") with the context "SimText".
class SimText
{
    Q_DECLARE_TR_FUNCTIONS(SimText)
};

// What hxterm-sim's command line asks for, checked and complete.
struct SimSetup {
    QHostAddress address;
    quint16 port = 0;
    TerminalState state;
    SimOptions options;
    // A fleet: more than one terminal in the process.
    int fleet = 0; // 0: one terminal
    int faulty = -1;
    int addressStep = 0;
    QString fleetFile;
};

// Reads the options of `arguments` (the program's name first). --help and --version are Qt's:
// they print and end the process, as an option Qt's parser rejects does. Otherwise a setup, or
// why the options are wrong.
std::variant<SimSetup, QString> parseSimArguments(const QStringList& arguments);
