// The command line's reply framing: a stream of bytes from the terminal, cut into receive
// notifications at places the input chooses, put back together into replies of known length.
#include "fuzzinput.h"

#include "image/layout.h"
#include "link/replyassembler.h"

using fuzzinput::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    // The first byte seeds the cuts; the rest is the stream.
    unsigned cut = data[0];
    const QByteArray stream = fuzzinput::bytes(data + 1, size - 1);
    ReplyAssembler assembler;
    qsizetype at = 0;
    while (at < stream.size()) {
        cut = cut * 1103515245u + 12345u;
        const qsizetype piece = 1 + qsizetype((cut >> 16) % 300);
        const QByteArray block = stream.mid(at, piece);
        at += piece;
        if ((cut >> 8) % 7 == 0)
            assembler.clear(); // a new request
        const std::optional<QByteArray> reply = assembler.feed(block);
        check(assembler.pending() < image::kImageSize, "a partial reply is shorter than the longest reply");
        if (!reply)
            continue;
        check(reply->size() >= 2, "a reply has its letter");
        const qsizetype length = ReplyAssembler::replyLength(reply->at(1));
        check(length > 0 && reply->size() == length, "a reply has the length its letter gives");
        check(assembler.pending() == 0, "what follows a reply in its block is dropped");
    }
    return 0;
}
