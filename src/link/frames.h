#pragma once

#include "image/outcome.h"

#include <QByteArray>
#include <QString>

// The short command frames the tool sends to the terminal, and the rule by which it recognises
// a reply: the letter at index 1 and the status byte at index 2. The write and logo frames are
// 260-byte images and need no building here.
namespace frames
{

constexpr char kStart = '\x82';
constexpr char kEnd = '\x83';

QByteArray statusRequest();                           // 82 53 83
QByteArray readRequest(const QByteArray& password);   // 82 4C p.. 83
QByteArray unlockRequest(const QByteArray& password); // 82 55 57 p.. 83
QByteArray rebootRequest();                           // 82 42 5A 83

struct Reply {
    bool valid = false;     // false for a block of fewer than 2 bytes, which is ignored
    char letter = 0;        // byte 1
    bool hasStatus = false; // false for a 2-byte block: its status is neither 'O' nor 'N'
    char status = 0;        // byte 2 when present
    bool statusOk() const { return hasStatus && status == 'O'; }
    bool statusRefused() const { return hasStatus && status == 'N'; }
};

// The frames carry a password unescaped between their start and end bytes: a password must have 1
// to 6 bytes and neither of those two. Refused with a Portuguese text saying why.
image::Outcome<void> checkPassword(const QByteArray& password);
// A new password is placed in the image's 6 password bytes: exactly 6 characters, and fit as above.
image::Outcome<void> checkNewPassword(const QString& newPassword);

// One receive notification's block is one reply; nothing beyond index 2 is looked at.
Reply classify(const QByteArray& block);

} // namespace frames
