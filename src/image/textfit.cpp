#include "image/textfit.h"

#include "image/cp1252.h"
#include "image/readable.h"

#include <QCoreApplication>

namespace image
{

std::optional<TextLoss> textLoss(const Field& field, const QString& value)
{
    if (field.rule != Rule::Text)
        return std::nullopt;
    TextLoss loss;
    loss.field = &field;
    loss.given = value;
    for (char32_t cp : value.toUcs4()) {
        const QString character = QString::fromUcs4(&cp, 1);
        if (cp != U'?' && cp1252::encode(character) == "?" && !loss.unheld.contains(character))
            loss.unheld.append(character);
    }
    QByteArray stored(kImageSize, '\0');
    storeText(stored, field, value);
    loss.written = readableValue(field, stored);
    // A short text shows its first characters up to its box's size; a text box the whole field.
    const int shown = field.kind == Kind::ShortText ? field.shown : field.width;
    if (cp1252::encode(value).size() > shown)
        loss.limit = shown;
    if (loss.unheld.isEmpty() && loss.limit == 0)
        return std::nullopt;
    return loss;
}

QList<TextLoss> textLosses(const Profile& profile)
{
    QList<TextLoss> losses;
    for (const Field& field : layout()) {
        if (field.rule != Rule::Text)
            continue;
        const QString value = profileValue(profile, sectionOf(field), keyOf(field));
        if (value.isEmpty())
            continue;
        if (std::optional<TextLoss> loss = textLoss(field, value))
            losses.append(*loss);
    }
    return losses;
}

QString TextLoss::text() const
{
    QStringList why;
    if (!unheld.isEmpty()) {
        QStringList quoted;
        for (const QString& character : unheld)
            quoted.append(QLatin1Char('"') + character + QLatin1Char('"'));
        why.append(QCoreApplication::translate("Image", "\"?\" no lugar de %1, que o Windows-1252 do terminal não tem")
                       .arg(quoted.join(QStringLiteral(", "))));
    }
    if (limit > 0)
        why.append(QCoreApplication::translate("Image", "cortado em %1 caracteres, o tamanho do campo").arg(limit));
    return QCoreApplication::translate("Image", "%1 [%2.%3]: \"%4\" será gravado como \"%5\": %6")
        .arg(captionOf(*field), sectionOf(*field), keyOf(*field), given, written, why.join(QStringLiteral("; ")));
}

} // namespace image
