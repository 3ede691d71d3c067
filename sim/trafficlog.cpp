#include "trafficlog.h"

#include "image/layout.h"

#include <QStringList>
#include <QTime>

#include <cstdio>

namespace
{

int g_connections = 0;

// The letter at index 1 as a character, or in hexadecimal when it is not printable.
QString letterOf(const QByteArray& bytes)
{
    if (bytes.size() < 2)
        return QStringLiteral("-");
    const auto letter = static_cast<unsigned char>(bytes.at(1));
    if (letter > 0x20 && letter < 0x7f)
        return QString(QLatin1Char(char(letter)));
    return QStringLiteral("0x%1").arg(letter, 2, 16, QLatin1Char('0'));
}

QString requestName(char letter, qsizetype size)
{
    if (size == image::kImageSize)
        return letter == 'G' ? QStringLiteral("write") : letter == 'V' ? QStringLiteral("logo") : QString();
    switch (letter) {
    case 'S':
        return QStringLiteral("status");
    case 'L':
        return QStringLiteral("read");
    case 'U':
        return QStringLiteral("unlock");
    case 'B':
        return QStringLiteral("reboot");
    default:
        return {};
    }
}

QString replyName(char letter, qsizetype size)
{
    if (size == image::kImageSize)
        return letter == 'F' ? QStringLiteral("image") : QString();
    switch (letter) {
    case 'S':
        return QStringLiteral("status");
    case 'L':
        return QStringLiteral("read refused");
    case 'U':
        return QStringLiteral("unlock");
    case 'G':
        return QStringLiteral("write");
    case 'B':
        return QStringLiteral("reboot refused");
    default:
        return {};
    }
}

QString describe(const QByteArray& bytes, const QString& name)
{
    QString text = letterOf(bytes);
    // A four-byte reply carries its status letter ('O' accepted, 'N' refused) at index 2.
    if (bytes.size() == 4 && !name.isEmpty())
        text += QStringLiteral(" %1").arg(QLatin1Char(bytes.at(2)));
    text += QStringLiteral(", %1 bytes").arg(bytes.size());
    if (!name.isEmpty())
        text += QStringLiteral(" (%1)").arg(name);
    return text;
}

} // namespace

TrafficLog::TrafficLog() : m_number(++g_connections) {}

void TrafficLog::connected(const QString& peer) const
{
    print(QStringLiteral("connected from %1").arg(peer));
}

void TrafficLog::received(const QByteArray& frame, const QByteArray& storedImage) const
{
    print(receivedText(frame, storedImage));
}

void TrafficLog::sent(const QByteArray& reply) const
{
    print(sentText(reply));
}

void TrafficLog::closed() const
{
    print(QStringLiteral("closed"));
}

QString TrafficLog::receivedText(const QByteArray& frame, const QByteArray& storedImage)
{
    const char letter = frame.size() > 1 ? frame.at(1) : '\0';
    QString text = QStringLiteral("<- ") + describe(frame, requestName(letter, frame.size()));
    if (letter == 'G' && frame.size() == image::kImageSize)
        text += QStringLiteral(", changed: ") + changedFields(frame, storedImage);
    return text;
}

QString TrafficLog::sentText(const QByteArray& reply)
{
    const char letter = reply.size() > 1 ? reply.at(1) : '\0';
    return QStringLiteral("-> ") + describe(reply, replyName(letter, reply.size()));
}

QString TrafficLog::changedFields(const QByteArray& image, const QByteArray& storedImage)
{
    QStringList names;
    for (const image::Field& field : image::layout()) {
        if (field.kind == image::Kind::FrameStart || field.kind == image::Kind::Letter)
            continue;
        if (image.mid(field.first, field.width) == storedImage.mid(field.first, field.width))
            continue;
        if (field.control.empty())
            names.append(QStringLiteral("reserved %1..%2").arg(field.first).arg(field.first + field.width - 1));
        else
            names.append(QString::fromLatin1(field.control.data(), qsizetype(field.control.size())));
    }
    return names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "));
}

void TrafficLog::print(const QString& text) const
{
    std::printf("%s #%d %s\n", qPrintable(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz"))), m_number,
                qPrintable(text));
    std::fflush(stdout);
}
