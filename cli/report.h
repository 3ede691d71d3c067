#pragma once

#include "jsonline.h"

#include "files/configfile.h"
#include "image/differences.h"
#include "link/writejob.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// What the program prints: results on standard output (text or one JSON object per terminal),
// errors on standard error, in Portuguese, naming the address or file and what failed.
namespace report
{

void out(const QString& text);
void outBytes(const QByteArray& bytes);
// "hxconfig-cli: WHERE: TEXT"
void error(const QString& where, const QString& text);

// "Conexão / IP Local [Conexao.IPLocal]: 192.168.0.50 -> 10.0.0.5"; reserved and password bytes
// "... : alterado".
QString differenceLine(const image::FieldDifference& difference);
// Each difference as {section, key, page, caption, from, to}.
QJsonArray differencesJson(const QList<image::FieldDifference>& differences);

// A terminal's configuration on its JSON line: `mac`, `read_at` (ISO 8601), `values` (every
// "Section.Key" of the configuration file with its value) and `image` (the 260 bytes in hexadecimal).
void configurationJson(TerminalLine& line, const QByteArray& image, const TerminalInfo& terminal);

// One terminal's write (apply, restore, each terminal of a batch) as a JSON line: address, result,
// error, exit, then changes, backup, verified.
TerminalLine writeResultLine(const QString& address, const WriteResult& result);
// The same as text, a line and the differences under it; empty for a failure, whose error goes to
// standard error.
QString writeResultText(const QString& address, const WriteResult& result);

// batch's table: the header (address, result, changes, backup, error), then a row per terminal with
// the number of fields that change; the report file holds the same cells.
QList<QStringList> batchTable(const QStringList& addresses, const QList<WriteResult>& results);
// Rows as columns aligned with blanks, the last one not padded.
QString alignedText(const QList<QStringList>& rows);

} // namespace report
