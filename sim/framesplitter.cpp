#include "framesplitter.h"

namespace
{

bool isLongLetter(char letter)
{
    return letter == 'G' || letter == 'V';
}

bool isShortLetter(char letter)
{
    return letter == 'S' || letter == 'L' || letter == 'U' || letter == 'B';
}

// Whether bytes from `from` on hold a short frame with a known letter, cut as feed() cuts it.
bool holdsShortFrame(const QByteArray& bytes, qsizetype from)
{
    for (qsizetype pos = bytes.indexOf(FrameSplitter::kStart, from); pos >= 0; pos = bytes.indexOf(FrameSplitter::kStart, pos + 1)) {
        if (pos + 1 >= bytes.size() || !isShortLetter(bytes.at(pos + 1)))
            continue;
        const qsizetype limit = qMin(bytes.size(), pos + FrameSplitter::kMaxShortFrame);
        qsizetype q = pos + 1;
        while (q < limit && bytes.at(q) != FrameSplitter::kEnd && bytes.at(q) != FrameSplitter::kStart)
            ++q;
        if (q < limit && bytes.at(q) == FrameSplitter::kEnd)
            return true;
    }
    return false;
}

} // namespace

QList<QByteArray> FrameSplitter::feed(const QByteArray& bytes)
{
    m_buffer.append(bytes);
    QList<QByteArray> frames;
    const qsizetype size = m_buffer.size();
    qsizetype pos = 0;
    while (pos < size) {
        const char first = m_buffer.at(pos);
        if (first != FrameSplitter::kStart && first != '\0') {
            ++pos; // garbage
            continue;
        }
        if (size - pos < 2)
            break; // the letter decides what kind of frame this is
        const char letter = m_buffer.at(pos + 1);
        if (isLongLetter(letter)) {
            if (size - pos < kLongFrame)
                break;
            frames.append(m_buffer.mid(pos, kLongFrame));
            pos += kLongFrame;
            continue;
        }
        if (first != FrameSplitter::kStart) {
            ++pos; // a zero byte starts only long frames
            continue;
        }
        const qsizetype limit = qMin(size, pos + kMaxShortFrame);
        qsizetype q = pos + 1;
        while (q < limit && m_buffer.at(q) != FrameSplitter::kEnd && m_buffer.at(q) != FrameSplitter::kStart)
            ++q;
        if (q < limit && m_buffer.at(q) == FrameSplitter::kEnd) {
            frames.append(m_buffer.mid(pos, q - pos + 1));
            pos = q + 1;
        } else if (q < limit) {
            pos = q; // a new frame starts before this one ended: drop the broken one
        } else if (q - pos >= kMaxShortFrame) {
            ++pos; // far too long for a short frame
        } else {
            break; // the end byte may still come
        }
    }
    m_buffer.remove(0, pos);
    return frames;
}

QList<QByteArray> FrameSplitter::resyncStalled()
{
    QList<QByteArray> frames;
    // feed() leaves a pending long frame at the head of the buffer.
    while (m_buffer.size() >= 2 && m_buffer.at(0) == '\0' && isLongLetter(m_buffer.at(1)) &&
           holdsShortFrame(m_buffer, 2)) {
        m_buffer.remove(0, 1);
        frames += feed({});
    }
    return frames;
}
