#pragma once

#include "files/inidocument.h"
#include "files/initext.h"
#include "files/iniview.h"
#include "image/outcome.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The settings file, read and written like the Windows private-profile functions: every read looks
// at the file as it is now, every write reaches the disk at once and atomically (a temporary file
// beside it, flushed, then renamed over it). A file saved as "Unicode" (a UTF-16 or UTF-8 byte-order
// mark in front) reads like any other and is written back in the same form. A file that cannot be
// read, is not text (NUL bytes without a UTF-16 mark) or is over kMaxFileSize reads as empty and is
// never overwritten; nor is a file with a UTF-8 mark whose text is not UTF-8, though it reads.
class IniFile
{
public:
    static constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;
    static constexpr int kMaxValueLength = IniView::kMaxValueLength;

    explicit IniFile(QString path); // opening does not create the file

    QString path() const { return m_path; }
    bool exists() const;

    // The file as it is now, read once for many reads.
    IniView view() const;

    // A missing key and an empty value both give the default. Values are cut to kMaxValueLength.
    QString readString(const QString& section, const QString& key, const QString& defaultValue) const;
    // Missing, empty or not a decimal integer gives the default.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    // Key names of the section in file order (each once); empty when the section is missing.
    QStringList readSection(const QString& section) const;

    // Refused when the file could not be written; the old file then stays as it was.
    image::Outcome<void> writeString(const QString& section, const QString& key, const QString& value);
    image::Outcome<void> writeInteger(const QString& section, const QString& key, int value);
    // Removes every section of that name. Done when there was nothing to remove.
    image::Outcome<void> eraseSection(const QString& section);

private:
    enum class State { Missing, Text, Unusable };
    State load() const;
    // The document to edit: empty for a missing file, nothing for a file that must not be touched.
    std::optional<IniDocument> documentForWrite() const;
    image::Outcome<void> save(const IniDocument& document);
    void remember(const QByteArray& bytes, const IniText& text) const;

    QString m_path;
    // Parsed form of the bytes last seen; reused only while the file holds exactly those bytes.
    mutable QByteArray m_seenBytes;
    mutable IniDocument m_seenDocument;
    mutable IniText m_seenForm; // mark and codec of those bytes (its text is not kept)
    mutable bool m_seenValid = false;
};
