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
    static constexpr char kStart = '\x82';
    static constexpr char kEnd = '\x83';
    static constexpr int kLongFrame = 260;
    static constexpr int kMaxShortFrame = 16; // longer than any valid short frame (10 bytes)

    // How long the peer may stay quiet in the middle of a long frame before resyncStalled() may
    // take that frame's start for a stray byte.
    static constexpr int kStallMs = 1500;

    // Adds bytes as they arrived and returns the frames they complete, in order.
    QList<QByteArray> feed(const QByteArray& bytes);

    // Called when no byte has come for kStallMs. A long frame still pending then, whose start is a
    // zero byte and whose bytes so far hold a whole short frame, was a stray 00 'G' or 00 'V': its
    // start is dropped and the bytes behind it are cut again. Returns the frames this frees.
    //
    // Why the tool's own frames are safe: it sends every long frame in one write, so the pieces of
    // one frame follow each other at once; and its write frames always start with 0x82 (writing
    // needs a read first), which a stall never touches. The one frame of the tool that
    // may start with a zero byte is a logo frame sent before any read, and that would be taken
    // apart only if the network held back the rest of its single write for kStallMs.
    QList<QByteArray> resyncStalled();

    qsizetype pending() const { return m_buffer.size(); }

private:
    QByteArray m_buffer;
};
