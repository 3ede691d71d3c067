#include "files/inifile.h"

#include "files/filewriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace
{

constexpr qint64 kReadPiece = 64 * 1024;

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

bool IniFile::exists() const
{
    return QFileInfo(m_path).isFile();
}

IniFile::State IniFile::load() const
{
    const QFileInfo info(m_path);
    if (!info.exists())
        return State::Missing;
    if (!info.isFile() || info.size() > kMaxFileSize)
        return State::Unusable;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return State::Unusable;
    // Read in pieces up to one byte more than allowed: a file that grew since the size check is
    // still refused, and a small file does not cost a 4 MiB buffer on every read.
    QByteArray bytes;
    while (bytes.size() <= kMaxFileSize) {
        const QByteArray piece = file.read(std::min<qint64>(kReadPiece, kMaxFileSize + 1 - bytes.size()));
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileSize)
        return State::Unusable;
    if (m_seenValid && bytes == m_seenBytes)
        return State::Text;
    const std::optional<IniText> text = initext::decode(bytes);
    if (!text)
        return State::Unusable;
    remember(bytes, *text);
    return State::Text;
}

void IniFile::remember(const QByteArray& bytes, const IniText& text) const
{
    m_seenDocument = IniDocument(text.text);
    m_seenForm = {text.byteOrderMark, text.codec, QString(), text.writable};
    m_seenBytes = bytes;
    m_seenValid = true;
}

IniView IniFile::view() const
{
    // The view shares the parsed lines and their lookup index with m_seenDocument: a file read
    // again with the same bytes is neither parsed nor indexed again.
    return load() == State::Text ? IniView(m_seenDocument) : IniView();
}

QString IniFile::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    return view().readString(section, key, defaultValue);
}

int IniFile::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    return view().readInteger(section, key, defaultValue);
}

QStringList IniFile::readSection(const QString& section) const
{
    return view().readSection(section);
}

namespace
{

// A file that reads as empty, or could not be written back in its own form, is never overwritten.
image::Failure notRewritable(const QString& path)
{
    return {QCoreApplication::translate("Files", "%1: o arquivo não é um texto que se possa regravar; nada foi gravado")
                .arg(path)};
}

} // namespace

std::optional<IniDocument> IniFile::documentForWrite() const
{
    switch (load()) {
    case State::Missing:
        // A new file is plain Windows-1252; what was seen before no longer describes the disk.
        m_seenForm = IniText();
        m_seenValid = false;
        return IniDocument();
    case State::Text:
        if (m_seenForm.writable)
            return m_seenDocument;
        break;
    case State::Unusable:
        break;
    }
    return std::nullopt;
}

image::Outcome<void> IniFile::save(const IniDocument& document)
{
    // Written in the form the file came in: same mark, same codec.
    const QByteArray bytes = initext::encode({m_seenForm.byteOrderMark, m_seenForm.codec, document.text(), true});
    // In a program directory that refuses new files, a settings file that may be written is
    // rewritten in place; everywhere else the replacement is atomic.
    if (const SavedFile saved = replaceFile(m_path, bytes, FileAccess::AsBefore, InPlaceFallback::WhereFolderRefuses);
        !saved)
        return saved.failure();
    // Parsed again from what reached the disk: a character the code page cannot hold is a '?' there.
    if (const std::optional<IniText> text = initext::decode(bytes))
        remember(bytes, *text);
    else
        m_seenValid = false;
    return {};
}

image::Outcome<void> IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    std::optional<IniDocument> document = documentForWrite();
    if (!document)
        return notRewritable(m_path);
    document->setValue(section, key, value);
    return save(*document);
}

image::Outcome<void> IniFile::writeInteger(const QString& section, const QString& key, int value)
{
    return writeString(section, key, QString::number(value));
}

image::Outcome<void> IniFile::eraseSection(const QString& section)
{
    std::optional<IniDocument> document = documentForWrite();
    if (!document)
        return notRewritable(m_path);
    if (!document->removeSection(section))
        return {};
    return save(*document);
}
