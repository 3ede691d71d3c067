#pragma once

#include "image/outcome.h"
#include "image/profile.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The configuration file: a terminal's configuration as an INI file (Windows-1252, CR LF). The five
// company sections carry every key, extension keys included, so they can be pasted into
// ConfDefault.ini; section "Terminal" says where and when it was read (for people, never applied);
// section "Imagem" holds the whole 260-byte image in hexadecimal, so a backup restores byte for byte.

struct TerminalInfo {
    QString mac;
    QDateTime readAt;
    QString address;
    bool operator==(const TerminalInfo&) const = default;
};

struct ConfigFile {
    QByteArray image; // 260 bytes, exactly as in section "Imagem"
    TerminalInfo terminal;
    image::Profile readable; // the five company sections as the file has them
};

QByteArray configFileBytes(const QByteArray& image, const TerminalInfo& terminal);
// Refused with the line where the file goes wrong (0 for the whole file), also named in the text.
image::Outcome<ConfigFile> parseConfigFile(const QByteArray& bytes);

// Backup file name for an image: "<MAC>_<yyyyMMdd-HHmmss>.ini".
QString backupFileName(const QByteArray& image, const QDateTime& when);
// The MAC as backup file names spell it: only ASCII letters and digits, others as '_'; "SemMAC"
// when there is none.
QString macInFileName(const QString& mac);
