#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The command-line client's intake: what the terminal sends after a request must be exactly one
// reply to it, delivered in any number of pieces. A read reply is the 260-byte image that begins
// with the frame's start byte and 'F'; every other reply is four bytes: the start byte, the letter,
// the status byte and the end byte. Bytes before or beyond the reply, a letter the request is not
// answered with, or a broken frame make the intake invalid, never a reply. It holds at most one
// reply's bytes, whatever arrives.
class ReplyAssembler
{
public:
    enum class State {
        Idle,     // no request waits: any byte is invalid
        Waiting,  // part of a reply has come, or nothing yet
        Complete, // reply() holds the whole reply
        Invalid,  // what came is no reply to the request; nothing more is taken
    };

    // A new request whose reply carries one of `letters` (the read request: "FL").
    void expect(QByteArrayView letters);
    // No request waits.
    void clear();

    // Takes the bytes of one receive notification and returns the state after them. Once complete,
    // any further byte makes the intake invalid.
    State feed(QByteArrayView bytes);

    State state() const { return m_state; }
    const QByteArray& reply() const { return m_buffer; } // the whole reply once Complete
    qsizetype pending() const { return m_buffer.size(); }

    // The length of a reply with this letter: 260 for the read reply, 4 for the short replies, 0 for
    // a letter no request is answered with.
    static qsizetype replyLength(char letter);

private:
    bool fits(char byte) const;

    QByteArray m_letters;
    QByteArray m_buffer;
    State m_state = State::Idle;
};
