#include "image/keyagreement.h"

#include "image/readable.h"

namespace image
{
namespace
{

// A text as one INI line can say it: its line breaks as blanks.
QString lineText(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

bool saysTheImagesText(const ProfileEntry& entry, const QByteArray& image)
{
    const Field* field = fieldOfKey(entry.section, entry.key);
    return field && field->rule == Rule::Text && entry.value == lineText(readableValue(*field, image));
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
        if (unchanged.mid(field.first, field.width) != applied.image.mid(field.first, field.width))
            found.append({&field, requestValueOf(field, image), requestValueOf(field, applied.image)});
    }
    return found;
}

QString KeyDisagreement::text() const
{
    return QStringLiteral("%1 [%2.%3]: imagem %4, chaves %5")
        .arg(captionOf(*field), sectionOf(*field), requestKeyOf(*field), imageValue, keysValue);
}

} // namespace image
