// The checks of a configuration on any image: no fault, every problem names a field of the table
// with a message, a problem is an error or a warning, and the same image gives the same problems.
// The address parser takes the input as text too: what it accepts prints back to an equal number.
#include "fuzzinput.h"

#include "image/checks.h"
#include "image/layout.h"

using fuzzinput::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = fuzzinput::bytes(data, size);
    QByteArray image = input.left(image::kImageSize);
    image.resize(image::kImageSize, '\0');
    QByteArray before = input.mid(image::kImageSize, image::kImageSize);
    before.resize(image::kImageSize, '\0');

    const QList<image::Problem> problems = image::checkImage(image, before);
    for (const image::Problem& p : problems) {
        check(p.field != nullptr && !p.field->key.empty(), "a problem names a keyed field");
        check(!p.message.isEmpty(), "a problem has a message");
        check(!p.basis.isEmpty() && p.basis.first() == p.field, "a problem's basis starts with its field");
    }
    check(image::checkImage(image, before) == problems, "the checks are a function of the images");
    check(image::checkFleet({{image, {}}, {before, {}}}).size() <= 4, "two terminals give a few fleet problems");

    const QString text = QString::fromLatin1(input.left(32));
    if (const std::optional<quint32> address = image::parseIpv4(text))
        check(image::parseIpv4(image::ipv4Text(*address)) == address, "an address prints back to itself");
    return 0;
}
