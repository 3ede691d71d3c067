#include "image/writeprep.h"

#include "image/cp1252.h"

namespace image
{
namespace
{

constexpr int kPasswordLength = 6;

// The image as 260 bytes: a shorter one counts as followed by zero bytes.
QByteArray wholeImage(const QByteArray& image)
{
    QByteArray whole = image.left(kImageSize);
    whole.resize(kImageSize, '\0');
    return whole;
}

bool isTextField(const Field& field)
{
    return field.kind == Kind::Text || field.kind == Kind::ShortText || field.kind == Kind::Mac;
}

} // namespace

QStringList emptyTextFields(const ShownValue& shown)
{
    QStringList empty;
    for (const Field& field : layout()) {
        if (isTextField(field) && shown(field).isEmpty())
            empty.append(captionOf(field));
    }
    return empty;
}

QByteArray padForWrite(const QByteArray& image, const ShownValue& shown, bool loading)
{
    QByteArray padded = wholeImage(image);
    // Under the loading flag the store rule stores no text that is not empty.
    if (loading)
        return padded;
    for (const Field& field : layout()) {
        const QString text = shown(field);
        if (field.padTo == 0 || text.size() >= field.padTo)
            continue;
        storeText(padded, field, text.rightJustified(field.padTo, QLatin1Char('0')));
    }
    return padded;
}

WritePreparation prepareWrite(const QByteArray& image, const QString& newPassword, const ShownValue& shown,
                              bool loading)
{
    WritePreparation out;
    out.emptyFields = emptyTextFields(shown);
    out.image = wholeImage(image);
    if (!newPassword.isEmpty()) {
        const QByteArray bytes = cp1252::encode(newPassword);
        if (bytes.size() != kPasswordLength) {
            out.badNewPassword = true;
        } else {
            // Placed whatever the loading flag: "Gravar" writes these bytes directly.
            const Field& field = newPasswordField();
            out.image.replace(field.first, kPasswordLength, bytes);
            out.image[field.first + kPasswordLength] = '\0';
        }
    }
    out.image = padForWrite(out.image, shown, loading);
    return out;
}

WritePreparation prepareWrite(const QByteArray& image, const QString& newPassword)
{
    return prepareWrite(image, newPassword, shownAfterRead(image), false);
}

} // namespace image
