#include "image/cp1252.h"

#include <QList>

#include <array>

namespace
{

// 0x80..0x9F; the five holes of the code page map to the C1 controls of the same value, as Windows does.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char encodeCodePoint(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == cp)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

namespace cp1252
{

QByteArray encode(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    // Walk code points, so a character outside the BMP (two UTF-16 units) still becomes one '?'.
    for (char32_t cp : text.toUcs4())
        out.append(encodeCodePoint(cp));
    return out;
}

QChar decodeByte(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(kHigh[byte - 0x80]);
    return QChar(char16_t(byte));
}

QString decode(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes)
        out.append(decodeByte(static_cast<unsigned char>(c)));
    return out;
}

} // namespace cp1252
