#include "link/replyassembler.h"

#include "image/layout.h"
#include "link/frames.h"

qsizetype ReplyAssembler::replyLength(char letter)
{
    switch (letter) {
    case 'F':
        return image::kImageSize;
    case 'S':
    case 'L':
    case 'U':
    case 'G':
    case 'B':
        return 3;
    default:
        return 0;
    }
}

std::optional<QByteArray> ReplyAssembler::feed(const QByteArray& bytes)
{
    qsizetype skip = 0;
    if (m_buffer.isEmpty() && m_endByteMayTrail && !bytes.isEmpty() && bytes.at(0) == frames::kEnd)
        skip = 1;
    m_endByteMayTrail = false;
    m_buffer.append(bytes.constData() + skip, bytes.size() - skip);
    if (m_buffer.size() < 2)
        return std::nullopt;

    const qsizetype length = replyLength(m_buffer.at(1));
    if (length == 0) {
        m_buffer.clear();
        return std::nullopt;
    }
    if (m_buffer.size() < length)
        return std::nullopt;
    const bool endByteSeen = m_buffer.size() > length && m_buffer.at(length) == frames::kEnd;
    m_endByteMayTrail = length < image::kImageSize && !endByteSeen;
    QByteArray reply = m_buffer.left(length);
    m_buffer.clear();
    return reply;
}

void ReplyAssembler::clear()
{
    m_buffer.clear();
}
