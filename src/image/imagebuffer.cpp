#include "image/imagebuffer.h"

#include <algorithm>

namespace image
{

QByteArray blankReadImage()
{
    QByteArray image(kImageSize, '\0');
    image[0] = char(kStartByte);
    image[1] = 'F';
    return image;
}

void ImageBuffer::restoreFromPristine(int first, int width)
{
    for (int i = first; i < first + width && i < kImageSize; ++i)
        m_bytes.at(i) = m_bytes.at(kPristineOffset + i);
}

QByteArray ImageBuffer::workingCopy() const
{
    return workingRange(0, kImageSize);
}

void ImageBuffer::setWorkingCopy(const QByteArray& image)
{
    for (int i = 0; i < kImageSize && i < image.size(); ++i)
        m_bytes.at(i) = static_cast<std::uint8_t>(image.at(i));
}

QByteArray ImageBuffer::pristineCopy() const
{
    return QByteArray(reinterpret_cast<const char*>(m_bytes.data()) + kPristineOffset, kImageSize);
}

QByteArray ImageBuffer::workingRange(int first, int width) const
{
    first = std::clamp(first, 0, kImageSize);
    width = std::clamp(width, 0, kImageSize - first);
    return QByteArray(reinterpret_cast<const char*>(m_bytes.data()) + first, width);
}

void ImageBuffer::zeroForConnect()
{
    std::fill_n(m_bytes.begin(), 257, std::uint8_t{0});
}

void ImageBuffer::takeReadReply(const QByteArray& reply)
{
    const int n = std::min<int>(reply.size(), kImageSize);
    for (int j = 0; j < n; ++j) {
        auto byte = static_cast<std::uint8_t>(reply.at(j));
        if (j == 1)
            byte = 'G';
        m_bytes.at(j) = byte;
        m_bytes.at(kPristineOffset + j) = byte;
    }
    if (n < kImageSize) {
        m_bytes.at(n) = 0;
        m_bytes.at(kPristineOffset + n) = 0;
    }
}

void ImageBuffer::storeField(int first, int width, const QByteArray& text, bool loading)
{
    if (first < 0 || width <= 0 || first + width > kImageSize)
        return;
    if (loading) {
        if (text.isEmpty())
            restoreFromPristine(first, width);
        return;
    }
    for (int i = 0; i < width; ++i)
        m_bytes.at(first + i) = i < text.size() ? static_cast<std::uint8_t>(text.at(i)) : 0;
}

} // namespace image
