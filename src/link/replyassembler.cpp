#include "link/replyassembler.h"

#include "image/layout.h"
#include "link/frames.h"

namespace
{

constexpr qsizetype kShortReplyLength = 4;

} // namespace

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
        return kShortReplyLength;
    default:
        return 0;
    }
}

void ReplyAssembler::expect(QByteArrayView letters)
{
    m_letters = letters.toByteArray();
    m_buffer.clear();
    m_state = State::Waiting;
}

void ReplyAssembler::clear()
{
    m_letters.clear();
    m_buffer.clear();
    m_state = State::Idle;
}

// Whether `byte` may stand at the next place of the reply being put together.
bool ReplyAssembler::fits(char byte) const
{
    const qsizetype at = m_buffer.size();
    if (at == 0)
        return byte == frames::kStart;
    if (at == 1)
        return replyLength(byte) > 0 && m_letters.contains(byte);
    const qsizetype length = replyLength(m_buffer.at(1));
    if (at >= length)
        return false;
    // A short reply closes with the end byte; the image's bytes are anything.
    return length != kShortReplyLength || at != length - 1 || byte == frames::kEnd;
}

ReplyAssembler::State ReplyAssembler::feed(QByteArrayView bytes)
{
    if (bytes.isEmpty() || m_state == State::Invalid)
        return m_state;
    if (m_state == State::Idle || m_state == State::Complete) {
        m_state = State::Invalid;
        return m_state;
    }
    for (const char byte : bytes) {
        if (!fits(byte)) {
            m_state = State::Invalid;
            return m_state;
        }
        m_buffer.append(byte);
    }
    if (m_buffer.size() >= 2 && m_buffer.size() == replyLength(m_buffer.at(1)))
        m_state = State::Complete;
    return m_state;
}
