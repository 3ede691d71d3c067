#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Two images compared field by field, as people read them.
namespace image
{

struct FieldDifference {
    QString page, caption, section, key, from, to; // key: the one `show` lists (image::requestKeyOf)
    bool operator==(const FieldDifference&) const = default;
};

// Field by field in byte order; reserved bytes, the frame start and the password bytes reported as
// changed only (from and to empty). Byte 1 (the reply or command letter) is no configuration and
// never differs. A choice byte that names no item reads "(N)" with its value.
QList<FieldDifference> differences(const QByteArray& before, const QByteArray& after);

// What a person changes by turning the image read into `now`: both compared as the editor shows
// them after a read, so that a flag or protocol byte that is only normalised (a flag 0x80 that
// reads "Sim" and goes back as 1) is no change. Empty when the person reads the same values.
QList<FieldDifference> changesSinceRead(const QByteArray& read, const QByteArray& now);

// Two images of 260 bytes hold the same configuration when every byte but byte 1 is the same: that
// byte is the reply or command letter ('F' as the terminal sends it, 'G' in what the tool keeps and
// sends back). Reserved bytes count: the terminal gets them back as they were read.
bool sameConfiguration(const QByteArray& a, const QByteArray& b);

} // namespace image
