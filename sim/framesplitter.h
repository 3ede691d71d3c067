#pragma once

#include <QByteArray>
#include <QList>

// Cuts the byte stream of one connection into frames. Short frames run from the start byte 0x82
// to the first end byte 0x83; the 260-byte write ('G') and logo ('V') frames are taken whole once
// all their bytes are there, whatever they contain. A long frame may also start with a zero byte:
// the tool copies byte 0 from its working copy, which is zero until it has read an image.
//
// Garbage before a start byte is dropped, and so is a short frame that meets a new start byte
// before its end byte or grows past kMaxShortFrame: what stays pending is always less than one
// long frame, however much garbage arrives.
class FrameSplitter
{
public:
    static constexpr int kLongFrame = 260;
    static constexpr int kMaxShortFrame = 16; // longer than any valid short frame (10 bytes)

    // Adds bytes as they arrived and returns the frames they complete, in order.
    QList<QByteArray> feed(const QByteArray& bytes);

    qsizetype pending() const { return m_buffer.size(); }

private:
    QByteArray m_buffer;
};
