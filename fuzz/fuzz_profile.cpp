// A profile file as apply takes it from the disk: any bytes refused with a reason or read as an INI
// text, its company sections taken as a profile and applied to the simulator's starting image,
// whose own bytes (MAC, reserved, password) no profile may touch. Applying twice is fuzz_configfile's.
#include "fuzzinput.h"

#include "files/configsources.h"
#include "image/layout.h"
#include "image/readable.h"
#include "terminalstate.h"

#include <QStringList>

#include <variant>

using fuzzinput::check;

namespace
{

const QStringList kSections = {QStringLiteral("Rede"), QStringLiteral("Conexao"), QStringLiteral("Protocolo"),
                               QStringLiteral("Gerais"), QStringLiteral("Seriais")};

// Bytes no profile may touch: the frame start, the MAC, the reserved and the password bytes.
bool untouchable(image::Kind kind)
{
    using enum image::Kind;
    return kind == FrameStart || kind == Mac || kind == Reserved || kind == NewPassword;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = fuzzinput::writeScratchFile("profile.ini", fuzzinput::bytes(data, size));
    const auto loaded = loadProfile(path);
    if (!loaded) {
        check(!loaded.failure().text.isEmpty(), "a refused file says why");
        return 0;
    }
    const image::Profile& profile = loaded.value();
    for (const image::ProfileEntry& entry : profile) {
        check(kSections.contains(entry.section, Qt::CaseInsensitive), "entries come from the company sections");
        check(!entry.value.isEmpty(), "an empty value is absent");
    }

    static const QByteArray start = initialState("123456").image;
    const image::ApplyResult applied = image::applyProfile(start, profile);
    check(applied.image.size() == image::kImageSize, "the image stays 260 bytes");
    for (const image::ProfileProblem& problem : applied.problems) {
        check(!problem.accepted.isEmpty(), "a problem lists the accepted values");
        check(problem.text().contains(problem.key), "a problem names its key");
    }
    if (!applied.problems.isEmpty())
        return 0;
    for (const image::Field& field : image::layout()) {
        if (untouchable(field.kind))
            check(applied.image.mid(field.first, field.width) == start.mid(field.first, field.width),
                  "a profile leaves the terminal's own bytes alone");
    }
    return 0;
}
