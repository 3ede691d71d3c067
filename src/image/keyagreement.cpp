#include "image/keyagreement.h"

#include "image/readable.h"

#include <QCoreApplication>

namespace image
{
namespace
{

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f';
}

// A text with line breaks as one INI line says it: the breaks as blanks, and blanks at its ends
// lost to the reader.
QString lineText(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    while (!text.isEmpty() && isBlank(text.front()))
        text.remove(0, 1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

bool saysTheImagesText(const ProfileEntry& entry, const QByteArray& image)
{
    const Field* field = fieldOfKey(entry.section, entry.key);
    if (!field || field->rule != Rule::Text)
        return false;
    const QString text = readableValue(*field, image);
    return (text.contains(u'\r') || text.contains(u'\n')) && lineText(entry.value) == lineText(text);
}

const ProfileProblem* problemOf(const Field& field, const QList<ProfileProblem>& problems)
{
    for (const ProfileProblem& problem : problems) {
        if (fieldOfKey(problem.section, problem.key) == &field)
            return &problem;
    }
    return nullptr;
}

} // namespace

QList<KeyDisagreement> keyDisagreements(const QByteArray& image, const Profile& keys)
{
    Profile compared = keys;
    compared.removeIf([&image](const ProfileEntry& entry) { return saysTheImagesText(entry, image); });
    const QByteArray unchanged = applyProfile(image, {}).image;
    const ApplyResult applied = applyProfile(image, compared);
    QList<KeyDisagreement> found;
    for (const Field& field : layout()) {
        if (field.key.empty())
            continue;
        if (const ProfileProblem* problem = problemOf(field, applied.problems)) {
            found.append({&field, requestValueOf(field, image), problem->value});
            continue;
        }
        // Compared as people read them: a protocol byte 5 and the key "TelNet" say the same.
        if (valueText(field, unchanged) != valueText(field, applied.image))
            found.append({&field, requestValueOf(field, image), requestValueOf(field, applied.image)});
    }
    return found;
}

QString KeyDisagreement::text() const
{
    return QCoreApplication::translate("Image", "%1 [%2.%3]: imagem %4, chaves %5")
        .arg(captionOf(*field), sectionOf(*field), requestKeyOf(*field), imageValue, keysValue);
}

} // namespace image
