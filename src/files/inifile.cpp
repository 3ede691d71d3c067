#include "files/inifile.h"

#include "files/filewriter.h"

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

QString IniFile::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    if (load() != State::Text)
        return defaultValue;
    const std::optional<QString> value = m_seenDocument.value(section, key);
    if (!value || value->isEmpty())
        return defaultValue;
    return value->left(kMaxValueLength);
}

int IniFile::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    bool ok = false;
    const int value = readString(section, key, QString()).toInt(&ok, 10);
    return ok ? value : defaultValue;
}

QStringList IniFile::readSection(const QString& section) const
{
    if (load() != State::Text)
        return {};
    return m_seenDocument.keys(section);
}

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

bool IniFile::save(const IniDocument& document)
{
    // Written in the form the file came in: same mark, same codec.
    const QByteArray bytes = initext::encode({m_seenForm.byteOrderMark, m_seenForm.codec, document.text(), true});
    // In a program directory that refuses new files, a settings file that may be written is
    // rewritten in place; everywhere else the replacement is atomic.
    if (!replaceFile(m_path, bytes, FileAccess::AsBefore, InPlaceFallback::WhereFolderRefuses).ok())
        return false;
    // Parsed again from what reached the disk: a character the code page cannot hold is a '?' there.
    if (const std::optional<IniText> text = initext::decode(bytes))
        remember(bytes, *text);
    else
        m_seenValid = false;
    return true;
}

bool IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    std::optional<IniDocument> document = documentForWrite();
    if (!document)
        return false;
    document->setValue(section, key, value);
    return save(*document);
}

bool IniFile::writeInteger(const QString& section, const QString& key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool IniFile::eraseSection(const QString& section)
{
    std::optional<IniDocument> document = documentForWrite();
    if (!document)
        return false;
    if (!document->removeSection(section))
        return true;
    return save(*document);
}
