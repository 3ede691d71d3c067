// The simulated terminal's side of a connection: the byte stream cut into frames in chunks of
// arbitrary size, and every frame answered by the terminal model.
//
// Input: byte 0 chooses the model's refusals, byte 1 seeds the chunk sizes, the rest is the stream.
#include "fuzzinput.h"

#include "framesplitter.h"
#include "terminalmodel.h"
#include "terminalstate.h"

#include "image/layout.h"

using fuzzinput::check;

namespace
{

void checkFrame(const QByteArray& frame)
{
    const bool isLong = frame.size() == FrameSplitter::kLongFrame && (frame.at(1) == 'G' || frame.at(1) == 'V') &&
                        (frame.at(0) == '\x82' || frame.at(0) == '\0');
    const bool isShort = frame.size() >= 2 && frame.size() <= FrameSplitter::kMaxShortFrame &&
                         frame.front() == '\x82' && frame.back() == '\x83';
    check(isLong || isShort, "a frame is a whole long frame or a short frame from start to end byte");
}

void checkReply(const QByteArray& request, const QByteArray& reply, const TerminalState& state)
{
    if (reply.isEmpty())
        return;
    if (reply.size() == image::kImageSize) {
        check(reply.at(0) == '\x82' && reply.at(1) == 'F', "the read reply starts 82 'F'");
        check(request.size() >= 3 && request.at(1) == 'L', "only a read request gets the image");
        check(request.mid(2, request.size() - 3) == state.password, "the image needs the password");
        return;
    }
    check(reply.size() == 4 && reply.at(0) == '\x82' && reply.at(3) == '\x83', "short replies are 82 x y 83");
    check(QByteArrayLiteral("SLUGB").contains(reply.at(1)), "a known reply letter");
    check(reply.at(2) == 'O' || reply.at(2) == 'N', "a status byte O or N");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    ModelFaults faults;
    faults.notReady = data[0] & 1;
    faults.refuseUnlock = data[0] & 2;
    faults.refuseReboot = data[0] & 4;
    std::uint32_t seed = data[1];
    const QByteArray stream = fuzzinput::bytes(data + 2, size - 2);

    // The stream in one piece gives the reference frames.
    FrameSplitter whole;
    const QList<QByteArray> expected = whole.feed(stream);

    TerminalState state = initialState(QByteArrayLiteral("123456"));
    TerminalModel model(state, faults);
    FrameSplitter splitter;
    QList<QByteArray> frames;
    qsizetype at = 0;
    while (at < stream.size()) {
        seed = seed * 1103515245u + 12345u;
        const qsizetype chunk = 1 + qsizetype((seed >> 16) % 300);
        const QList<QByteArray> got = splitter.feed(stream.mid(at, chunk));
        at += chunk;
        check(splitter.pending() < FrameSplitter::kLongFrame, "less than one long frame stays pending");
        for (const QByteArray& frame : got) {
            checkFrame(frame);
            frames.append(frame);
            const bool wasRebooting = model.rebooting();
            const QByteArray reply = model.handle(frame);
            check(!wasRebooting || reply.isEmpty(), "a rebooting terminal answers nothing");
            checkReply(frame, reply, state);
            check(state.image.size() == image::kImageSize, "the image stays 260 bytes");
            check(!state.password.isEmpty() && state.password.size() <= TerminalState::kPasswordMax,
                  "the password stays 1 to 6 bytes");
            check(state.logo.size() == TerminalState::kLogoSize, "the logo stays 240 bytes");
        }
    }
    check(frames == expected, "chunked arrival gives the same frames as one piece");
    check(splitter.pending() == whole.pending(), "and leaves the same bytes pending");

    // A stall gives up only a zero-started long frame, and only for the frames it held back.
    const bool zeroStart = whole.pending() >= 2 && stream.at(stream.size() - whole.pending()) == '\0';
    const qsizetype before = splitter.pending();
    const QList<QByteArray> freed = splitter.resyncStalled();
    check(zeroStart || (freed.isEmpty() && splitter.pending() == before), "a stall leaves other frames alone");
    check(splitter.pending() <= before, "a stall never adds pending bytes");
    check(splitter.pending() < FrameSplitter::kLongFrame, "less than one long frame stays pending");
    for (const QByteArray& frame : freed)
        checkFrame(frame);
    check(whole.resyncStalled() == freed && whole.pending() == splitter.pending(), "stalls agree too");
    return 0;
}
