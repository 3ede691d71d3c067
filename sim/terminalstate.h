#pragma once

#include <QByteArray>

// What the simulated terminal remembers: its configuration image, its password and its logo.
// Several connections share one state.
struct TerminalState {
    static constexpr int kPasswordFirst = 170; // the image carries the password at bytes 170..175
    static constexpr int kPasswordMax = 6;
    static constexpr int kLogoSize = 240;

    QByteArray image;    // 260 bytes; bytes 170..175 hold the password (zero-filled), byte 176 zero
    QByteArray password; // 1..6 bytes
    QByteArray logo;     // 240 bytes
    int revision = 0;    // counts the writes and logos taken since start

    // Sets the password and mirrors it into bytes 170..176 of the image, so that a write frame
    // that carries those bytes back unchanged keeps the password.
    void setPassword(const QByteArray& newPassword);

    // The password a written image carries at bytes 170..175 (up to the first zero byte); empty
    // when byte 170 is zero.
    static QByteArray passwordIn(const QByteArray& image);
};

// A believable terminal: Telnet client on 192.168.0.50, COM 1 at 9600 8N1, COM 0 off, and
// non-zero reserved bytes so that carrying them through can be seen.
TerminalState initialState(const QByteArray& password);

// Terminal `number` (from 1) of a simulated fleet: `base` with its own MAC ("0050C2" and the number
// in six hexadecimal digits, 0050C2000001 for the first) and IP Local (10.0.0.0 plus the number,
// 10.0.0.1 for the first), so that no two terminals of a fleet look alike.
TerminalState fleetTerminalState(TerminalState base, int number);
