#pragma once

#include "image/readable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The preparation "Gravar" makes before it sends the working copy: no text field may be empty, a
// new password goes into bytes 170..176, and four numeric texts are left-padded with '0'.
namespace image
{

struct WritePreparation {
    QByteArray image;            // padded as PadBeforeWrite pads, new password placed as Gravar does
    QStringList emptyFields;     // captions of text fields left empty (write refused)
    bool badNewPassword = false; // a new password given but not exactly 6 characters
};

// Captions of the image's text boxes (MAC included) that show nothing.
QStringList emptyTextFields(const ShownValue& shown);

// PadBeforeWrite's stores: a shorter text of edTimeOutR, edRetries, edTimeout0 or edTimeout1 left-padded
// with '0' (the serial timeouts to three digits and a zero byte). Nothing under the loading flag.
QByteArray padForWrite(const QByteArray& image, const ShownValue& shown, bool loading);

// For an image as the editor shows it after a read, with the user's typing stored (loading flag clear).
WritePreparation prepareWrite(const QByteArray& image, const QString& newPassword /* empty: none */);

// The same on what the text boxes show, which may differ from the image: under the loading flag the
// padded texts are not stored (the store rule), as in the window after "Default".
WritePreparation prepareWrite(const QByteArray& image, const QString& newPassword, const ShownValue& shown,
                              bool loading);

} // namespace image
