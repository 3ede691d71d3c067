#pragma once

#include "image/profile.h"
#include "link/writejob.h"

#include <QByteArray>

// The images the write commands compute from what the terminal holds.
namespace writeplan
{

// The profile's keys on the image as read, with the "Default" button's rules; a value that names
// no item refuses the write.
WritePlanner applying(image::Profile profile);

// A configuration file written back. A terminal's MAC and reserved bytes are its own: a file of
// the same MAC is written byte for byte; a file of another terminal is refused unless cloning,
// which takes only the editable fields from the file and keeps the target's MAC, reserved bytes,
// password and (with keepIp) its own address. `sets` go on top, as for apply.
struct Restore {
    QByteArray fileImage;
    bool clone = false;
    bool keepIp = false;
    image::Profile sets;
};
WritePlanner restoring(Restore restore);

// The bytes of the MAC field, which tell terminals apart.
QByteArray macBytes(const QByteArray& image);

} // namespace writeplan
