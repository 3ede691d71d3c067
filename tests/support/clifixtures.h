#pragma once

#include "files/configfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <string_view>

// Files and images the command-line tests hand to hxconfig-cli and hxterm-sim.
namespace clifixtures
{

inline const QString kPassword = QStringLiteral("123456");
inline const QByteArray kPasswordBytes = QByteArrayLiteral("123456");
inline const QString kPasswordOption = QStringLiteral("--password=123456");

// Writes the file whole; returns its path (empty on failure).
QString writeFile(const QString& path, const QByteArray& bytes);

// The simulator's starting image (as it answers a read: byte 1 'F').
QByteArray startImage();
// The image with a text field set (zero-filled to the field's end).
QByteArray withText(QByteArray image, std::string_view control, const QByteArray& text);
// The arguments that start a simulator with this image (written to `path`).
QStringList imageArgs(const QString& path, const QByteArray& image);

// The permission bits of a file or folder (0600, 0700, ...), -1 when it is missing.
int unixMode(const QString& path);

// The file's bytes, or empty.
QByteArray readFile(const QString& path);

// The configuration file these bytes hold; an empty one when they hold none.
ConfigFile parsedConfig(const QByteArray& bytes);

// The backup path a message names ("cópia de segurança: PATH"), or empty.
QString backupNamedIn(const QString& text);

// Bytes 2..259: what two images must share to be the same configuration.
inline QByteArray configurationOf(const QByteArray& image)
{
    return image.mid(2);
}

// The frames of a run that writes one terminal: status, read, unlock, write, the read and unlock that
// verify, and the reboot.
inline const QStringList kFullSequence = {QStringLiteral("status"),        QStringLiteral("read 123456"),
                                          QStringLiteral("unlock 123456"), QStringLiteral("write"),
                                          QStringLiteral("read 123456"),   QStringLiteral("unlock 123456"),
                                          QStringLiteral("reboot")};

// The frames of a run that reads and writes nothing: a status request and one read.
inline const QStringList kReadOnlyFrames = {QStringLiteral("status"), QStringLiteral("read 123456")};

// The value the field of this control shows in the image, as `show` prints it.
QString shownValue(const QByteArray& image, std::string_view control);

// The cells of a table printed for people: columns are two or more blanks apart, as no cell holds
// two blanks in a row.
QList<QStringList> tableCells(const QString& text);

} // namespace clifixtures
