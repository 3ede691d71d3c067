#include "image/readable.h"

#include "image/cp1252.h"
#include "image/imagebuffer.h"

#include <QCoreApplication>

namespace image
{
namespace
{

int byteAt(const QByteArray& image, int i)
{
    return i < image.size() ? static_cast<unsigned char>(image.at(i)) : 0;
}

// Every non-zero byte of the field, in order: a zero byte adds nothing to the box's text.
QString appendedText(const QByteArray& image, int first, int width)
{
    QString text;
    for (int i = first; i < first + width; ++i) {
        if (const int byte = byteAt(image, i); byte != 0)
            text.append(cp1252::decodeByte(std::uint8_t(byte)));
    }
    return text;
}

// The characters before the first zero byte among the first `count`.
QString shortText(const QByteArray& image, int first, int count)
{
    QString text;
    for (int i = first; i < first + count; ++i) {
        const int byte = byteAt(image, i);
        if (byte == 0)
            break;
        text.append(cp1252::decodeByte(std::uint8_t(byte)));
    }
    return text;
}

QString item(const Field& field, int index)
{
    return index >= 0 && std::size_t(index) < field.items.size() ? tableText(field.items[std::size_t(index)])
                                                                 : QString();
}

// The TCP role a byte shows: a role button for 1..3; no button (no role) for anything else.
int shownRole(int byte)
{
    return byte >= 1 && byte <= 3 ? byte : 0;
}

// The protocol a byte shows: VT-100, Corvale, and TelNet for anything else.
int shownProtocol(int byte)
{
    return byte == 0 || byte == 1 ? byte : 2;
}

// A caption or page name of the field table as the user reads it.
QString translatedTableText(std::string_view text)
{
    if (text.empty())
        return {};
    const QByteArray source(text.data(), qsizetype(text.size()));
    return QCoreApplication::translate("Field", source.constData());
}

} // namespace

int shownCode(const Field& field, int byte)
{
    return field.rule == Rule::TcpRole ? shownRole(byte) : shownProtocol(byte);
}

QString readableValue(const Field& field, const QByteArray& image)
{
    const int byte = byteAt(image, field.first);
    switch (field.kind) {
    case Kind::Text:
    case Kind::Mac:
        return appendedText(image, field.first, field.width);
    case Kind::ShortText:
        return shortText(image, field.first, field.shown);
    case Kind::Choice:
    case Kind::NumberByte:
        if (field.filledWhen != 0 && byteAt(image, field.filledWhen) == 0)
            return {}; // hidden and left empty by the decoder
        return item(field, byte);
    case Kind::Flag:
        return item(field, byte != 0 ? 1 : 0);
    case Kind::Code:
        return item(field, shownCode(field, byte));
    case Kind::FrameStart:
    case Kind::Letter:
    case Kind::NewPassword:
    case Kind::Reserved:
        break;
    }
    return {};
}

QString macText(const QByteArray& image)
{
    return readableValue(macField(), image);
}

QString valueText(const Field& field, const QByteArray& image)
{
    const int byte = byteAt(image, field.first);
    switch (field.kind) {
    case Kind::Choice:
    case Kind::NumberByte:
        if (std::size_t(byte) >= field.items.size())
            return QStringLiteral("(%1)").arg(byte);
        return item(field, byte);
    case Kind::Code:
        if (field.rule == Rule::TcpRole && byte > 3)
            return QStringLiteral("(%1)").arg(byte);
        return readableValue(field, image);
    default:
        return readableValue(field, image);
    }
}

QString tableText(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void storeText(QByteArray& image, const Field& field, const QString& text)
{
    const QByteArray bytes = cp1252::encode(text);
    for (int i = 0; i < field.width; ++i)
        image[field.first + i] = i < bytes.size() ? bytes.at(i) : '\0';
}

ShownValue shownAfterRead(const QByteArray& image)
{
    return [image](const Field& field) { return readableValue(field, image); };
}

QStringList itemTexts(const Field& field)
{
    QStringList texts;
    for (std::string_view text : field.items)
        texts.append(tableText(text));
    return texts;
}

int namedItem(const Field& field, const QString& text)
{
    for (std::size_t i = 0; i < field.items.size(); ++i) {
        if (text.compare(tableText(field.items[i]), Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

QString itemTextOf(const Field& field, const QString& typed)
{
    if (namedItem(field, typed) >= 0)
        return typed;
    for (std::string_view item : field.items) {
        const QString text = tableText(item);
        if (QString(text)
                .replace(QStringLiteral("Mbis/s"), QStringLiteral("Mbit/s"))
                .compare(typed, Qt::CaseInsensitive) == 0)
            return text;
    }
    return typed;
}

QString pageText(Page page)
{
    return translatedTableText(pageCaption(page));
}

QString pageOf(const Field& field)
{
    return pageText(field.page);
}

QString captionOf(const Field& field)
{
    if (field.kind != Kind::Reserved)
        return translatedTableText(field.caption);
    if (field.width == 1)
        return QCoreApplication::translate("Field", "Reservado (byte %1)").arg(field.first);
    return QCoreApplication::translate("Field", "Reservado (bytes %1..%2)")
        .arg(field.first)
        .arg(field.first + field.width - 1);
}

QString sectionOf(const Field& field)
{
    return field.key.empty() ? QString() : tableText(sectionName(field.page));
}

QString keyOf(const Field& field)
{
    return tableText(field.key);
}

QByteArray workingCopyAfterRead(const QByteArray& image)
{
    ImageBuffer buffer;
    buffer.takeReadReply(image);
    // The decoder checks the boxes and buttons the image calls for; their reactions store again.
    for (const Field& field : layout()) {
        const int byte = buffer.working(field.first);
        if (field.kind == Kind::Flag)
            buffer.setWorking(field.first, byte != 0 ? 1 : 0);
        else if (field.kind == Kind::Code && field.rule == Rule::Protocol)
            buffer.setWorking(field.first, std::uint8_t(shownProtocol(byte)));
    }
    return buffer.workingCopy();
}

} // namespace image
