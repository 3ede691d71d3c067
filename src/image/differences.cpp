#include "image/differences.h"

#include "image/layout.h"
#include "image/profile.h"
#include "image/readable.h"

namespace image
{
namespace
{

// Bytes that mean nothing to people, or must not be shown: reported as changed, without values.
bool valueless(Kind kind)
{
    return kind == Kind::Reserved || kind == Kind::FrameStart || kind == Kind::NewPassword;
}

QByteArray bytesOf(const QByteArray& image, const Field& field)
{
    QByteArray bytes = image.mid(field.first, field.width);
    bytes.resize(field.width, '\0');
    return bytes;
}

} // namespace

QList<FieldDifference> differences(const QByteArray& before, const QByteArray& after)
{
    QList<FieldDifference> out;
    for (const Field& field : layout()) {
        if (field.kind == Kind::Letter || bytesOf(before, field) == bytesOf(after, field))
            continue;
        FieldDifference d{pageOf(field), captionOf(field), sectionOf(field), requestKeyOf(field), {}, {}};
        if (!valueless(field.kind)) {
            d.from = valueText(field, before);
            d.to = valueText(field, after);
        }
        out.append(d);
    }
    return out;
}

QList<FieldDifference> changesSinceRead(const QByteArray& read, const QByteArray& now)
{
    return differences(workingCopyAfterRead(read), workingCopyAfterRead(now));
}

bool sameConfiguration(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != kImageSize || b.size() != kImageSize)
        return false;
    return a.left(1) == b.left(1) && a.mid(2) == b.mid(2);
}

} // namespace image
