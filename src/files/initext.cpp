#include "files/initext.h"

#include "image/cp1252.h"

#include <QStringDecoder>

#include <algorithm>

namespace
{

const QByteArray kUtf16LeMark = QByteArrayLiteral("\xFF\xFE");
const QByteArray kUtf16BeMark = QByteArrayLiteral("\xFE\xFF");
const QByteArray kUtf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");

// Code unit by code unit, so an unpaired surrogate is kept as it is instead of becoming U+FFFD.
QString decodeUtf16(const QByteArray& bytes, bool bigEndian)
{
    QString text;
    text.reserve(bytes.size() / 2);
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes.at(i));
        const auto second = static_cast<unsigned char>(bytes.at(i + 1));
        text.append(QChar(bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first)));
    }
    return text;
}

QByteArray encodeUtf16(const QString& text, bool bigEndian)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (QChar c : text) {
        const char high = static_cast<char>(c.unicode() >> 8);
        const char low = static_cast<char>(c.unicode() & 0xFF);
        bytes.append(bigEndian ? high : low);
        bytes.append(bigEndian ? low : high);
    }
    return bytes;
}

// The text when the bytes are UTF-8 that comes back byte for byte; nothing otherwise.
std::optional<QString> exactUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError() || text.toUtf8() != bytes)
        return std::nullopt;
    return text;
}

bool hasHighByte(const QByteArray& bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

IniText decodeAfterUtf8Mark(const QByteArray& rest)
{
    if (std::optional<QString> text = exactUtf8(rest))
        return {kUtf8Mark, IniText::Codec::Utf8, *text};
    // The mark is there but the text is not UTF-8 (edited later in the code page): the rest reads as
    // Windows-1252, and the file is not written.
    return {kUtf8Mark, IniText::Codec::Cp1252, cp1252::decode(rest), false};
}

// Without a mark: a spreadsheet's or an editor's usual UTF-8 export is valid UTF-8 with at least one
// multi-byte sequence, which Windows-1252 text almost never is (its accented letters stand alone).
IniText decodeUnmarked(const QByteArray& bytes)
{
    if (hasHighByte(bytes)) {
        if (std::optional<QString> text = exactUtf8(bytes))
            return {{}, IniText::Codec::Utf8, *text};
    }
    return {{}, IniText::Codec::Cp1252, cp1252::decode(bytes)};
}

} // namespace

namespace initext
{

std::optional<IniText> decode(const QByteArray& bytes)
{
    IniText result;
    if (bytes.startsWith(kUtf16LeMark) || bytes.startsWith(kUtf16BeMark)) {
        if (bytes.size() % 2 != 0)
            return std::nullopt;
        const bool bigEndian = bytes.startsWith(kUtf16BeMark);
        result = {bytes.left(2), bigEndian ? IniText::Codec::Utf16Be : IniText::Codec::Utf16Le,
                  decodeUtf16(bytes.mid(2), bigEndian)};
    } else if (bytes.startsWith(kUtf8Mark)) {
        result = decodeAfterUtf8Mark(bytes.mid(kUtf8Mark.size()));
    } else {
        result = decodeUnmarked(bytes);
    }
    if (result.text.contains(QChar(u'\0')))
        return std::nullopt;
    return result;
}

QByteArray encode(const IniText& text)
{
    switch (text.codec) {
    case IniText::Codec::Utf8:
        return text.byteOrderMark + text.text.toUtf8();
    case IniText::Codec::Utf16Le:
        return text.byteOrderMark + encodeUtf16(text.text, false);
    case IniText::Codec::Utf16Be:
        return text.byteOrderMark + encodeUtf16(text.text, true);
    case IniText::Codec::Cp1252:
        break;
    }
    const QByteArray bytes = cp1252::encode(text.text);
    // Code-page bytes that happen to be UTF-8 with a multi-byte sequence ("Ã©"), or that begin like a
    // byte-order mark ("ÿþ"), would read back as other characters: the text goes out as UTF-8 then,
    // which reads back as the same text.
    if (text.byteOrderMark.isEmpty()) {
        const std::optional<IniText> back = decode(bytes);
        if (!back || back->codec != IniText::Codec::Cp1252 || !back->byteOrderMark.isEmpty())
            return text.text.toUtf8();
    }
    return text.byteOrderMark + bytes;
}

} // namespace initext
