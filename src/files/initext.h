#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The settings file's bytes as text, and back. A file is normally Windows-1252; an editor that saved
// it as "Unicode" put a byte-order mark in front (UTF-16 little- or big-endian, or UTF-8), and a
// write must give the file back in the form it came in.
//
// Why this is lossless: the document is kept as QString lines, never as code-page bytes. Windows-1252
// maps each of its 256 bytes to a distinct character, UTF-16 code units go into a QString one for
// one (an unpaired surrogate included), and a UTF-8 file is taken as UTF-8 only when its bytes come
// back unchanged from the round trip. So decoding and encoding an unedited line gives its bytes again.
struct IniText {
    enum class Codec { Cp1252, Utf8, Utf16Le, Utf16Be };

    QByteArray byteOrderMark; // written back in front of the text; empty for a plain file
    Codec codec = Codec::Cp1252;
    QString text;
    // False for a UTF-8 mark before text that is not UTF-8 (read as Windows-1252 after the mark): a
    // write could make it valid UTF-8, and the untouched lines would then read differently.
    bool writable = true;
};

namespace initext
{

// Empty optional for bytes that are not text: a NUL byte in a file without a UTF-16 mark, an odd
// number of bytes after a UTF-16 mark, or a NUL character in the decoded text.
std::optional<IniText> decode(const QByteArray& bytes);

// The mark followed by the text in the file's codec. Characters Windows-1252 cannot hold become '?'.
QByteArray encode(const IniText& text);

} // namespace initext
