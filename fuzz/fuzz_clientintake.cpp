// The command-line client's reply intake: a stream of bytes from the terminal, cut into receive
// notifications at places the input chooses, after a request the input chooses. The intake must
// accept exactly one whole reply to that request and nothing else: no bytes before or beyond it,
// no other letter, no broken frame.
#include "fuzzinput.h"

#include "image/layout.h"
#include "link/replyassembler.h"

#include <array>

using fuzzinput::check;

namespace
{

// What each request is answered with: status, read, unlock, write, reboot, and no request at all.
constexpr std::array<const char*, 6> kLetters = {"S", "FL", "U", "G", "B", ""};

// An independent statement of the rule: the bytes taken so far could still become a reply.
bool couldBecomeReply(const QByteArray& taken, const QByteArray& letters)
{
    if (letters.isEmpty())
        return taken.isEmpty();
    if (taken.size() >= 1 && taken.at(0) != '\x82')
        return false;
    if (taken.size() < 2)
        return true;
    const char letter = taken.at(1);
    if (!letters.contains(letter))
        return false;
    const qsizetype length = letter == 'F' ? image::kImageSize : 4;
    if (taken.size() > length)
        return false;
    return length != 4 || taken.size() < 4 || taken.at(3) == '\x83';
}

bool isWholeReply(const QByteArray& taken, const QByteArray& letters)
{
    if (!couldBecomeReply(taken, letters) || taken.size() < 2)
        return false;
    return taken.size() == (taken.at(1) == 'F' ? image::kImageSize : 4);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const QByteArray letters(kLetters[data[0] % kLetters.size()]);
    unsigned cut = data[1]; // seeds the cuts; the rest is the stream
    const QByteArray stream = fuzzinput::bytes(data + 2, size - 2);

    ReplyAssembler intake;
    if (letters.isEmpty())
        intake.clear();
    else
        intake.expect(letters);
    QByteArray taken;
    qsizetype at = 0;
    while (at < stream.size()) {
        cut = cut * 1103515245u + 12345u;
        const qsizetype piece = 1 + qsizetype((cut >> 16) % 300);
        const QByteArray block = stream.mid(at, piece);
        at += piece;
        taken += block;
        const ReplyAssembler::State state = intake.feed(block);
        check(state == intake.state(), "feed returns the state");
        check(intake.pending() <= image::kImageSize, "no more than one reply's bytes are held");
        if (state == ReplyAssembler::State::Complete) {
            check(isWholeReply(taken, letters), "a reply was accepted that is not one");
            check(intake.reply() == taken, "the reply is every byte that came, and only those");
        } else if (state == ReplyAssembler::State::Invalid) {
            check(!couldBecomeReply(taken, letters), "a reply in the making was refused");
            break; // the client gives up on the connection
        } else {
            check(couldBecomeReply(taken, letters) && !isWholeReply(taken, letters),
                  "the intake waits only for the rest of a reply");
        }
    }
    return 0;
}
