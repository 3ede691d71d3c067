#pragma once

#include <QByteArray>
#include <optional>

// Puts one reply back together when the network delivers it in several pieces. The length of a
// reply is known from its letter: the read reply ('F') is the 260-byte image, every other reply is
// complete with its status byte (index 2). Bytes after that (the terminal's end byte) are not
// looked at. A block whose letter is unknown is dropped whole, as the link ignores it.
class ReplyAssembler
{
public:
    // Adds the bytes of one receive notification. Returns the reply once it is complete; what
    // arrived after it in the same block is dropped (one reply per request).
    std::optional<QByteArray> feed(const QByteArray& bytes);

    // Forgets a partial reply; called before every new request.
    void clear();

    qsizetype pending() const { return m_buffer.size(); }

    // The length a reply with this letter has, 0 for a letter no request is answered with.
    static qsizetype replyLength(char letter);

private:
    QByteArray m_buffer;
    // A short reply was complete before its end byte arrived: a lone end byte opening the next
    // block belongs to it.
    bool m_endByteMayTrail = false;
};
