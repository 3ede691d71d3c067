#pragma once

#include "image/layout.h"

#include <QByteArray>

#include <array>
#include <cstdint>

namespace image
{

// An image as a read reply begins, with nothing in it: the start byte, 'F', then zero bytes.
QByteArray blankReadImage();

// The 520-byte buffer: the working copy (bytes 0..259) that every edit changes and "Gravar" sends,
// followed by the pristine copy (bytes 260..519) as the last read reply delivered it.
class ImageBuffer
{
public:
    static constexpr int kBufferSize = 2 * kImageSize;

    std::uint8_t working(int i) const { return m_bytes.at(i); }
    std::uint8_t pristine(int i) const { return m_bytes.at(kPristineOffset + i); }
    void setWorking(int i, std::uint8_t value) { m_bytes.at(i) = value; }
    void restoreFromPristine(int first, int width);

    QByteArray workingCopy() const;               // 260 bytes: also the write frame as it stands
    void setWorkingCopy(const QByteArray& image); // the first 260 bytes of image, as they are
    QByteArray pristineCopy() const;
    QByteArray workingRange(int first, int width) const;

    // A successful connection zeroes bytes 0..256 of the working copy; 257..259 and the pristine
    // copy keep what they hold.
    void zeroForConnect();

    // Read intake: byte 1 becomes 'G'; the first min(n, 260) reply bytes go into both copies and,
    // when the reply is shorter, byte n of both becomes zero. Everything else is left as it was.
    void takeReadReply(const QByteArray& reply);

    // The store rule of the text fields. While loading, an empty text restores the field from the
    // pristine copy and any other text stores nothing; otherwise the text (cut to the field) is
    // written and followed by zero bytes up to the field's end.
    void storeField(int first, int width, const QByteArray& text, bool loading);

private:
    std::array<std::uint8_t, kBufferSize> m_bytes{};
};

} // namespace image
