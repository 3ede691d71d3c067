#pragma once

#include "exitcode.h"
#include "image/outcome.h"
#include "image/profile.h"
#include "link/addressrange.h"
#include "link/endpoint.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
// What backup reads: the terminals of a fleet file, one address, or those that answer in a range.
struct BackupTarget {
    enum class Kind { FleetFile, Address, Range };
    Kind kind = Kind::Address;
    QString text; // as given
    addressrange::Range range;
};

// One run of hxconfig-cli as the command line asked for it, checked and complete.
struct Invocation {
    QString command;
    QStringList arguments; // the positional arguments after the command
    QByteArray password;   // empty when the command needs none
    int timeoutMs = 3000;
    bool json = false;
    bool quiet = false;
    QString output; // read: "-" or empty for standard output

    // The commands that write.
    QString newPassword;
    bool dryRun = false;
    bool noReboot = false;
    bool noVerify = false;
    QString backupDir;
    QString logPath;
    image::Profile sets;
    bool clone = false;
    bool keepIp = false;
    // restore, for a file whose keys and image disagree: which of the two is written.
    bool imageWins = false;
    bool keysWin = false;
    bool force = false; // write even when the checks find errors

    // batch and scan.
    int parallel = 32;
    QString reportPath;
    quint16 port = 23;
    QString csvPath;
    addressrange::Range range;   // scan
    QList<BackupTarget> targets; // backup
};

class CommandRun;
class QObject;

// What parsing ends in: an invocation with the run of its command (from the command table), or an
// exit code with what to print.
struct ParseOutcome {
    std::optional<Invocation> invocation;
    CommandRun* (*makeRun)(const Invocation& invocation, QObject* parent) = nullptr;
    ExitCode code = ExitCode::Success;
    QString out;     // for standard output (help, version)
    QString err;     // for standard error
    QString problem; // what err says, without the program's name
};

ParseOutcome parseCommandLine(const QStringList& arguments);

// For diff: an existing file is a file; otherwise an address is read from the terminal.
bool isAddressArgument(const QString& text);

// For backup: an existing file is a fleet file, then an address, then a range; a Portuguese text
// says why anything else is none of them.
image::Outcome<BackupTarget> backupTarget(const QString& text);
