#pragma once

#include "files/csvtable.h"
#include "image/profile.h"

#include <QList>
#include <QString>
#include <QStringList>

// The fleet file hxconfig-cli batch takes: a spreadsheet's export (see csvtable.h) with a header
// row and one row per terminal. Columns, in any order, names compared ignoring letter case, each
// also under its Portuguese name (endereco or endereço, senha, nova_senha):
//   address       the terminal: IPv4 address (port 23) or host:port; required in every row
//   password      its current password; an empty cell leaves it to the command line's password
//   new_password  a new password for it (6 characters); optional
//   Section.Key   any key of the five company sections (for example Conexao.IPLocal): the row's
//                 value, on top of the profile; an empty cell overrides nothing
// A column without a name may stand only empty (spreadsheets add such columns at the end).
namespace fleetcolumn
{
inline const QString address = QStringLiteral("address");
inline const QString password = QStringLiteral("password");
inline const QString newPassword = QStringLiteral("new_password");
// The same columns as a spreadsheet in Portuguese names them.
inline const QStringList addressAliases = {QStringLiteral("endereco"), QStringLiteral("endereço")};
inline const QStringList passwordAliases = {QStringLiteral("senha")};
inline const QStringList newPasswordAliases = {QStringLiteral("nova_senha")};
} // namespace fleetcolumn

struct FleetRow {
    int line = 0;          // in the file, from 1
    QString address;       // as written, not yet checked
    QString password;      // empty: the command line's
    QString newPassword;   // empty: the command line's, if any
    image::Profile values; // the row's non-empty Section.Key cells, in column order
};

struct FleetFile {
    char separator = ',';
    QList<FleetRow> rows; // at least one
};

// Refuses a malformed file naming the line: bad quotes, no address column, an unknown or repeated
// column, a row with a value beyond the header's columns or without an address, no terminal at all.
image::Outcome<FleetFile> parseFleetFile(const QByteArray& bytes);
