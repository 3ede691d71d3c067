#pragma once

#include "terminalstate.h"

#include <QByteArray>

// Refusals the simulated terminal can be told to make.
struct ModelFaults {
    bool notReady = false;      // status answers 'S' 'N'
    bool refuseUnlock = false;  // unlock answers 'U' 'N' whatever the password
    bool refuseReboot = false;  // reboot answers 'B' 'N' instead of rebooting
    bool corruptWrites = false; // a write is answered 'G' but stored with one byte of a field changed
    bool hostileTexts = false;  // every read reply carries texts with control characters and line breaks
};

// The terminal's side of one connection: answers one whole frame at a time. The image, password
// and logo live in the shared TerminalState; whether a write is accepted (an unlock was accepted
// earlier) belongs to this connection alone.
//
// Requests that get no answer: malformed frames, unknown letters, the logo frame, a write before
// an unlock (the tool would take any 'G' reply as success, so a refusal stays silent), and every
// request after a reboot has been carried out.
class TerminalModel
{
public:
    explicit TerminalModel(TerminalState& state, ModelFaults faults = {});

    // The reply to one request frame, or an empty array for none.
    QByteArray handle(const QByteArray& request);

    // The texts a read reply carries with hostileTexts: control characters (ESC, BEL) and line breaks
    // in the MAC, the Login and the Password, each filling its field.
    static void putHostileTexts(QByteArray& image);

    bool unlocked() const { return m_unlocked; }
    // A reboot was carried out: the connection is to be closed and answers nothing more.
    bool rebooting() const { return m_rebooting; }

private:
    QByteArray handleShort(const QByteArray& body);
    QByteArray handleWrite(const QByteArray& frame);

    TerminalState& m_state;
    ModelFaults m_faults;
    bool m_unlocked = false;
    bool m_rebooting = false;
};
