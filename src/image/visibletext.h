#pragma once

#include <QString>

// Texts a terminal sent, made safe for where they are shown: a terminal's bytes are anything, and a
// console takes an escape sequence as a command and a line break as the end of a line.
namespace image
{

// For a console: each control character (U+0000..U+001F, U+007F, U+0080..U+009F) shown as "\xHH"
// with its code in two upper-case hexadecimal digits; everything else as it is.
QString visibleText(const QString& text);

// For a file of one value per line: each CR and LF becomes a blank, so that a value never ends its
// line early.
QString oneLineText(QString text);

} // namespace image
