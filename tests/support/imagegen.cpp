#include "imagegen.h"

#include "image/cp1252.h"
#include "image/readable.h"

namespace
{

// Letters in both cases with and without accents, digits, the INI format's own characters, blanks
// and a tab, and some bytes beyond the letters.
const QString kAlphabet =
    QStringLiteral("abcXYZáÉçõÍ0129 .;=\"[]#/\\-_\t") + QChar(0x20AC) + QChar(0x00FF) + QChar(0x0081) + QChar(0x007F);

QString randomCase(QString text, QRandomGenerator& random)
{
    for (QChar& c : text) {
        if (random.bounded(2))
            c = random.bounded(2) ? c.toUpper() : c.toLower();
    }
    return text;
}

} // namespace

QString ImageGen::text(int min, int max)
{
    const int length = min + below(max - min + 1);
    QString out;
    for (int i = 0; i < length; ++i)
        out.append(kAlphabet.at(below(int(kAlphabet.size()))));
    return out;
}

QByteArray ImageGen::anyImage()
{
    QByteArray image(image::kImageSize, '\0');
    image[0] = char(image::kStartByte);
    image[1] = 'F';
    for (int i = 2; i < image::kImageSize; ++i) {
        // Zero bytes often, so texts get holes and choices their first item.
        image[i] = below(4) == 0 ? '\0' : char(below(256));
    }
    return image;
}

QByteArray ImageGen::readableImage()
{
    QByteArray image = anyImage();
    for (const image::Field& field : image::layout()) {
        switch (field.kind) {
        case image::Kind::Choice:
        case image::Kind::NumberByte:
            image[field.first] = char(below(int(field.items.size())));
            break;
        case image::Kind::Code:
            if (field.rule == image::Rule::TcpRole)
                image[field.first] = char(below(4));
            break;
        case image::Kind::Text:
        case image::Kind::ShortText: {
            const int shown = field.kind == image::Kind::ShortText ? field.shown : field.width;
            const QByteArray bytes = cp1252::encode(text(1, shown));
            for (int i = 0; i < field.width; ++i)
                image[field.first + i] = i < bytes.size() ? bytes.at(i) : '\0';
            break;
        }
        case image::Kind::Mac:
            image.replace(field.first, field.width, QByteArray::number(below(1 << 30), 16).rightJustified(12, '0'));
            break;
        default:
            break;
        }
    }
    return image;
}

image::Profile ImageGen::companyProfile(const QByteArray& image)
{
    image::Profile profile;
    const auto add = [&profile](const image::Field& field, const QString& key, const QString& value) {
        profile.append({image::sectionOf(field), key, value});
    };
    for (const image::Field* field : image::keyedFields()) {
        if (field->extension || below(6) == 0)
            continue; // extension keys and keys left out
        const QString key = image::keyOf(*field);
        const QStringList items = image::itemTexts(*field);
        const QString item = items.isEmpty() ? QString() : items.at(below(int(items.size())));
        switch (field->rule) {
        case image::Rule::Text:
            add(*field, key, below(5) == 0 ? image::readableValue(*field, image) : text(1, field->width + 4));
            break;
        case image::Rule::List:
            add(*field, key, randomCase(item, m_random));
            break;
        case image::Rule::Speed:
            add(*field, key, below(3) == 0 ? QStringLiteral("Automatico") : randomCase(item, m_random));
            break;
        case image::Rule::YesNo: {
            const QStringList values = {QStringLiteral("Nao"), QStringLiteral("Sim"), QStringLiteral("Não"),
                                        QStringLiteral("nao"), QStringLiteral("1")};
            add(*field, key, values.at(below(int(values.size()))));
            break;
        }
        case image::Rule::Protocol: {
            const QStringList values = {QStringLiteral("VT-100"), QStringLiteral("Corvale"), QStringLiteral("TelNet"),
                                        QStringLiteral("vt-100"), QStringLiteral("VT - 100")};
            add(*field, key, values.at(below(int(values.size()))));
            break;
        }
        case image::Rule::TcpRole: {
            const QStringList connection = {QStringLiteral("Sim"), QStringLiteral("Nao"), QStringLiteral("sim")};
            const QStringList roles = {QStringLiteral("Client"), QStringLiteral("Server"), QStringLiteral("System"),
                                       QStringLiteral("server"), QStringLiteral("Outro")};
            add(*field, key, connection.at(below(int(connection.size()))));
            if (below(5) != 0)
                add(*field, QString::fromLatin1(field->subKey), roles.at(below(int(roles.size()))));
            break;
        }
        case image::Rule::Index:
        case image::Rule::Number:
            add(*field, key, QString::number(below(int(field->items.size()))));
            break;
        case image::Rule::None:
            break;
        }
    }
    return profile;
}

QStringList iniLines(const image::Profile& profile)
{
    QStringList lines;
    QString section;
    for (const image::ProfileEntry& entry : profile) {
        if (entry.section != section) {
            section = entry.section;
            lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        }
        lines.append(entry.key + QLatin1Char('=') + entry.value);
    }
    return lines;
}
