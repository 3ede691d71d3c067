#pragma once

#include "files/fleetfile.h"
#include "image/profile.h"
#include "link/endpoint.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A fleet file turned into one write per terminal, checked whole before anything is sent.
//
// Each terminal's profile is the command line's profile, then its --set values, then the row's
// own Section.Key cells (the row wins). The checks, every problem listed:
//   - every address is an address, and no two rows address the same terminal (host:port compared
//     in one spelling, port 23 when none is given);
//   - every terminal has a password (its row or the command line) fit for the frames, and a new
//     password, where one is asked, of exactly 6 characters;
//   - every value names an item (a problem of the command line's profile is named once, not for
//     every row);
//   - no two terminals are given the same "IP Local".
// The last check sees only the IP Local addresses the fleet sets. A terminal whose profile sets
// none keeps the one it holds, which is known only once it has been read: the batch compares
// those after the run (sharedIpLocals) and warns.
struct FleetDefaults {
    image::Profile profile; // the profile file's keys followed by the --set values
    QByteArray password;    // the command line's password; empty when none was given
    QString newPassword;    // the command line's new password; empty when none
};

struct FleetTerminal {
    int line = 0;
    QString address; // as the row gives it
    Endpoint endpoint;
    QByteArray password; // Windows-1252
    QString newPassword;
    image::Profile profile;
};

struct FleetPlan {
    QList<FleetTerminal> terminals; // in file order; empty when there are problems
    // Portuguese, one line each, "linha N (ADDRESS): ..."; the same problem in many rows is one line
    // that names them all ("linhas 2, 3 e 7 (...): falta a senha ...").
    QStringList problems;
    // Texts the terminals will hold otherwise than given (a character Windows-1252 lacks, a text
    // longer than its field): the profile's once ("perfil: ..."), the rows' once for all the rows
    // that give the same text ("linhas 2 e 5 (...): ...").
    QStringList warnings;
};

FleetPlan planFleet(const FleetFile& file, const FleetDefaults& defaults);

// The IP Local an image carries, as the editor shows it.
QString ipLocalOf(const QByteArray& image);

// Terminals that end with the same IP Local: `ipLocals` holds one per terminal (empty: unknown);
// each group of two or more is named as "linhas 2 e 5 (...): o mesmo IP Local 10.0.0.5".
QStringList sharedIpLocals(const QList<int>& lines, const QStringList& addresses, const QStringList& ipLocals);

// Rows of a fleet by line and address: "linhas 3 e 7 (10.0.0.3, 10.0.0.7)"; a long group by its
// first rows and how many more. `rows` are indices into `lines` and `addresses`.
QString rowsText(const QList<qsizetype>& rows, const QList<int>& lines, const QStringList& addresses);
