// A logo file as "Lê Arquivo" reads it, checked against a plain re-reading of the same bytes, and
// the logo frame built from what was read.
#include "fuzzinput.h"

#include "files/logofile.h"
#include "image/layout.h"

#include <QList>

using fuzzinput::check;

namespace
{

int hexDigit(char c)
{
    const QByteArray digits = QByteArrayLiteral("0123456789abcdef");
    const qsizetype at = digits.indexOf(c >= 'A' && c <= 'F' ? char(c - 'A' + 'a') : c);
    return int(at);
}

// The same rules written out the simple way: forty lines ended by CR LF, LF or CR, six groups of
// two digits and one separator each. Stops at the first fault like the reader.
bool referenceRead(const QByteArray& content, LogoData& logo)
{
    QList<QByteArray> lines = QByteArray(content).replace("\r\n", "\n").replace('\r', '\n').split('\n');
    if (lines.last().isEmpty())
        lines.removeLast(); // the text after a final line break is no line
    std::size_t target = 0;
    for (int n = 0; n < 40; ++n) {
        if (n >= lines.size())
            return false;
        const QByteArray& line = lines.at(n);
        for (int group = 0; group < 6; ++group) {
            if (line.size() < group * 3 + 2)
                return false;
            const int high = hexDigit(line.at(group * 3));
            const int low = hexDigit(line.at(group * 3 + 1));
            if (high < 0 || low < 0)
                return false;
            logo[target++] = std::uint8_t(high * 16 + low);
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray content = fuzzinput::bytes(data, size);
    const QString path = fuzzinput::writeScratchFile("logo.txt", content);

    LogoData logo;
    logo.fill(0xA5);
    LogoData expected = logo;
    const bool ok = readLogoFile(path, logo).ok();
    check(ok == referenceRead(content, expected), "the reader and the plain re-reading disagree on success");
    check(logo == expected, "the reader and the plain re-reading disagree on the bytes");

    QByteArray working(image::kImageSize, '\0');
    for (int i = 0; i < image::kImageSize; ++i)
        working[i] = char(i);
    const QByteArray frame = buildLogoFrame(working, logo);
    check(frame.size() == image::kImageSize, "the logo frame is 260 bytes");
    check(frame.at(0) == working.at(0) && frame.at(1) == 'V', "frame bytes 0 and 1");
    for (int k = 0; k < 240; ++k)
        check(static_cast<std::uint8_t>(frame.at(k + 2)) == logo[std::size_t(k)], "logo bytes at 2..241");
    for (int i = 242; i < image::kImageSize; ++i)
        check(frame.at(i) == working.at(i), "bytes 242..259 from the working copy");
    return 0;
}
