#pragma once

#include "exitcode.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <utility>

// The one shape of every command's --json output: JSON Lines, one object per terminal per line, on
// success and failure alike. Every line starts with the same four keys in the same order, then the
// command's own keys in the order the command gives them:
//   {"address":"192.168.0.50","result":"changed","error":"","exit":0,"changes":[...],...}
// `address` is empty where no terminal is concerned (a file that cannot be read before any
// connection, a fleet refused whole, diff of two files).
struct TerminalLine {
    QString address;
    QString result; // a machine word: "changed", "failed", "ready", ...
    QString error;  // Portuguese, as on standard error; empty on success
    ExitCode exit = ExitCode::Success;
    QList<std::pair<QString, QJsonValue>> own; // the command's keys, in order

    // The same line with one more key of the command's own.
    TerminalLine& with(const QString& key, const QJsonValue& value);

    // The line's bytes, a line end included; the keys in the order above.
    QByteArray bytes() const;
    // The same keys as an object, for a file that gathers many lines (batch's JSON report).
    QJsonObject object() const;
    // Writes bytes() to standard output.
    void print() const;
};

// The result words the commands use.
namespace resultword
{
inline const QString failed = QStringLiteral("failed");
inline const QString ready = QStringLiteral("ready");
inline const QString notReady = QStringLiteral("not ready");
inline const QString read = QStringLiteral("read");
inline const QString equal = QStringLiteral("equal");
inline const QString different = QStringLiteral("different");
inline const QString sent = QStringLiteral("sent");
inline const QString refused = QStringLiteral("refused");
} // namespace resultword
