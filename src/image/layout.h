#pragma once

#include <span>
#include <string_view>

// The 260-byte configuration image: every byte range, the editor control that shows it and its
// encoding. The decoder, the stores, the company defaults and the log all address the image
// through this one table.
namespace image
{

constexpr int kImageSize = 260;
constexpr int kPristineOffset = 260; // a field's as-read bytes lie this far behind its working bytes
constexpr unsigned char kStartByte = 0x82;
constexpr unsigned char kEndByte = 0x83;

enum class Kind {
    FrameStart,  // byte 0, as the terminal sent it
    Letter,      // byte 1: 'F' in the read reply, 'G' in the copies and the write frame
    Choice,      // item index of a choice box, one byte, 255 with no selection
    NumberByte,  // number 0..99 typed or picked in a "00".."99" box
    Flag,        // 0 off, 1 on
    Code,        // small number chosen by a group of radio buttons
    Text,        // text shown by appending byte after byte, zero-filled when stored
    ShortText,   // 2 or 3 characters built at once (retries, boot delay, serial timeouts)
    Mac,         // shown only, never stored
    NewPassword, // six characters and a zero byte, written only by "Gravar"
    Reserved,    // carried through untouched
};

struct Field {
    int first;
    int width;
    Kind kind;
    std::string_view control; // objectName of the control; empty for fixed and reserved bytes
    int shown = 0;            // ShortText: characters shown in the box (2 or 3)
};

// All rows in byte order; together they cover bytes 0..259 exactly once.
std::span<const Field> layout();

// The row of the control with this objectName, or nullptr.
const Field* fieldOf(std::string_view control);

} // namespace image
