// A received block as the reply dispatch sees it: classified by its letter and status byte, and,
// whatever its letter, taken as a read reply into an image buffer that already holds a pattern.
#include "fuzzinput.h"

#include "image/imagebuffer.h"
#include "link/frames.h"

using fuzzinput::check;

namespace
{

std::uint8_t pattern(int i)
{
    return static_cast<std::uint8_t>(i * 37 + 11);
}

void checkClassify(const QByteArray& block)
{
    const frames::Reply reply = frames::classify(block);
    check(reply.valid == (block.size() >= 2), "a reply needs two bytes");
    if (!reply.valid)
        return;
    check(reply.letter == block.at(1), "the letter is byte 1");
    check(reply.hasStatus == (block.size() >= 3), "the status is byte 2 when present");
    if (reply.hasStatus)
        check(reply.status == block.at(2), "the status is byte 2");
    check(!(reply.statusOk() && reply.statusRefused()), "a status is not both accepted and refused");
}

void checkReadIntake(const QByteArray& block)
{
    image::ImageBuffer buffer;
    for (int i = 0; i < image::kImageSize; ++i)
        buffer.setWorking(i, pattern(i));
    buffer.takeReadReply(block);

    const int n = std::min<int>(block.size(), image::kImageSize);
    const QByteArray working = buffer.workingCopy();
    const QByteArray pristine = buffer.pristineCopy();
    check(working.size() == image::kImageSize && pristine.size() == image::kImageSize, "copies are 260 bytes");
    for (int i = 0; i < image::kImageSize; ++i) {
        const auto w = static_cast<std::uint8_t>(working.at(i));
        const auto p = static_cast<std::uint8_t>(pristine.at(i));
        if (i < n) {
            const auto expected = i == 1 ? std::uint8_t('G') : static_cast<std::uint8_t>(block.at(i));
            check(w == expected && p == expected, "reply bytes go into both copies, byte 1 as 'G'");
        } else if (i == n) {
            check(w == 0 && p == 0, "the byte after a short reply is zeroed in both copies");
        } else {
            check(w == pattern(i) && p == 0, "bytes beyond the reply keep their contents");
        }
    }
    // The write frame as it stands is the working copy.
    check(buffer.workingRange(0, image::kImageSize) == working, "the write frame is the working copy");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray block = fuzzinput::bytes(data, size);
    checkClassify(block);
    checkReadIntake(block);
    return 0;
}
