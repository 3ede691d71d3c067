// The configuration file and the company profile: any bytes parse to a file or to an error naming
// a line of the input; a parsed file writes and parses back to the same image and terminal data,
// and writing it again gives the same bytes. Any profile applies to any image without a fault,
// and what it gives takes the same profile again without a change.
#include "fuzzinput.h"

#include "files/configfile.h"
#include "files/inidocument.h"
#include "files/initext.h"
#include "files/profilefile.h"
#include "image/layout.h"
#include "image/profile.h"
#include "image/readable.h"

using fuzzinput::check;

namespace
{

void checkApply(const QByteArray& image, const image::Profile& profile)
{
    const image::ApplyResult first = image::applyProfile(image, profile);
    check(first.image.size() == image::kImageSize, "an applied image has 260 bytes");
    for (const image::ProfileProblem& problem : first.problems)
        check(!problem.text().isEmpty() && !problem.accepted.isEmpty(), "a problem names the accepted values");
    if (!first.problems.isEmpty())
        return;
    QByteArray stored = first.image;
    stored[1] = 'F';
    check(image::applyProfile(stored, profile).image == first.image, "a second apply changes nothing");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = fuzzinput::bytes(data, size);

    // The input as a company default, applied to an image made of its first bytes.
    if (const std::optional<IniText> text = initext::decode(input)) {
        QByteArray image = input.left(image::kImageSize);
        image.resize(image::kImageSize, '\0');
        checkApply(image, image::profileFromDocument(IniDocument(text->text)));
    }

    const auto result = parseConfigFile(input);
    if (!result) {
        const image::Failure& error = result.failure();
        check(!error.text.isEmpty(), "an error says what is wrong");
        check(error.line >= 0 && error.line <= input.count('\n') + input.count('\r') + 1,
              "an error names a line of the file");
        return 0;
    }
    const ConfigFile& file = result.value();
    check(file.image.size() == image::kImageSize, "a parsed image has 260 bytes");
    checkApply(file.image, file.readable);

    const QByteArray written = configFileBytes(file.image, file.terminal);
    const auto again = parseConfigFile(written);
    check(again.ok(), "a written file parses");
    const ConfigFile& reread = again.value();
    check(reread.image == file.image, "the image survives a write");
    check(reread.terminal == file.terminal, "the terminal data survive a write");
    check(configFileBytes(reread.image, reread.terminal) == written, "writing again gives the same bytes");
    return 0;
}
