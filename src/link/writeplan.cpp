#include "link/writeplan.h"

#include "image/cp1252.h"
#include "image/layout.h"
#include "image/readable.h"

#include <QCoreApplication>
#include <QStringList>

namespace writeplan
{
namespace
{

bool isEditable(image::Kind kind)
{
    using enum image::Kind;
    switch (kind) {
    case Choice:
    case NumberByte:
    case Flag:
    case Code:
    case Text:
    case ShortText:
        return true;
    case FrameStart:
    case Letter:
    case Mac:
    case NewPassword:
    case Reserved:
        return false;
    }
    return false;
}

// The working copy after a read of `image` and the profile's keys (even none: the window sends what
// its editor holds after a read).
WritePlan applied(const QByteArray& image, const image::Profile& profile)
{
    const image::ApplyResult result = image::applyProfile(image, profile);
    if (result.problems.isEmpty())
        return {result.image, {}};
    QStringList texts;
    for (const image::ProfileProblem& problem : result.problems)
        texts.append(problem.text());
    return {{}, texts.join(QStringLiteral("; "))};
}

} // namespace

QByteArray macBytes(const QByteArray& image)
{
    const image::Field& mac = image::macField();
    return image.mid(mac.first, mac.width);
}

WritePlanner applying(image::Profile profile)
{
    return [profile = std::move(profile)](const QByteArray& read) { return applied(read, profile); };
}

WritePlanner restoring(Restore restore)
{
    return [restore = std::move(restore)](const QByteArray& read) {
        const bool sameTerminal = macBytes(read) == macBytes(restore.fileImage);
        if (!sameTerminal && !restore.clone) {
            return WritePlan{
                {},
                QCoreApplication::translate("Link", "o arquivo é de outro terminal (MAC %1; este terminal tem MAC %2): "
                                                    "use --clone para copiar só os campos editáveis")
                    .arg(image::macText(restore.fileImage), image::macText(read))};
        }
        QByteArray image = restore.fileImage;
        if (restore.clone) {
            image = read;
            for (const image::Field& field : image::layout()) {
                if (!isEditable(field.kind) || (restore.keepIp && &field == &image::ipLocalField()))
                    continue;
                image.replace(field.first, field.width, restore.fileImage.mid(field.first, field.width));
            }
        }
        return restore.sets.isEmpty() ? WritePlan{image, {}} : applied(image, restore.sets);
    };
}

} // namespace writeplan
