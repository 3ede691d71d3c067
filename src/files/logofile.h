#pragma once

#include "image/outcome.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// The 240 bytes that "Escrever Arquivo" sends as the terminal's logo.
using LogoData = std::array<std::uint8_t, 240>;

// Reads the first 40 lines of a logo file, six groups of two hexadecimal digits and one skipped
// separator each (the sixth separator may be missing). Refused when the file cannot be opened, has
// fewer than 40 lines, a line too short or a group that is not two hex digits; the bytes converted
// before that point keep their new values, the others their old ones. The failure says what is
// wrong in Portuguese, naming the line ("linha 3: ..."), which is also its `line`.
image::Outcome<void> readLogoFile(const QString& path, LogoData& logo);

// The 260-byte logo frame: byte 0 of the working copy, 'V', the 240 logo bytes and bytes 242..259
// of the working copy as they stand.
QByteArray buildLogoFrame(const QByteArray& workingCopy, const LogoData& logo);
