#pragma once

#include "image/layout.h"
#include "image/profile.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A configuration file holds a terminal twice: as its image, and as the keys of the five company
// sections. Someone who edits a key changes only the second; the two parts then say different
// things, and a reader must not pick one silently.
namespace image
{

struct KeyDisagreement {
    const Field* field = nullptr;
    QString imageValue;   // what the image holds, as `show` names it
    QString keysValue;    // what the keys make of the field when applied as apply applies them, or the refused value
    QString text() const; // "IP Local [Conexao.IPLocal]: imagem 192.168.0.10, chaves 192.168.0.77"
};

// The fields, in byte order, that `keys` (a file's company sections) would show otherwise when
// applied to `image` with the rules of "Default", or that hold a value naming no item. A text with a line
// break, which the file's writer had to say with blanks, agrees with its blanks.
QList<KeyDisagreement> keyDisagreements(const QByteArray& image, const Profile& keys);

} // namespace image
