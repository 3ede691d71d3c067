#pragma once

#include "image/layout.h"
#include "image/profile.h"

#include <QList>
#include <QString>
#include <QStringList>

// A text the terminal cannot hold as given: it keeps Windows-1252, one byte a character, in a
// field of fixed width. The window's "Default" stores such a text cut and with '?' as the store
// rule does; the command line stores it the same way but says so.
namespace image
{

struct TextLoss {
    const Field* field = nullptr;
    QString given;        // the value as the profile gives it
    QString written;      // what the field shows after the store
    QStringList unheld;   // characters Windows-1252 cannot hold, each written as '?', each once
    int limit = 0;        // the characters the field shows, when the text is longer; 0 otherwise
    QString text() const; // Portuguese, one line: caption, Section.Key, both texts and why
};

// What storing `value` in a text field loses; nothing when the field shows it whole.
std::optional<TextLoss> textLoss(const Field& field, const QString& value);

// The losses of every text the profile gives (its last value for each key), in field order.
QList<TextLoss> textLosses(const Profile& profile);

} // namespace image
