#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The bytes of every text file the tool reads (the settings file, profiles, configuration files,
// fleet files, password files) as text, and back. One rule for all of them:
//   - a UTF-16 byte-order mark (little- or big-endian): UTF-16;
//   - a UTF-8 byte-order mark: UTF-8;
//   - no mark: UTF-8 when the bytes are valid UTF-8 and hold a multi-byte sequence (a spreadsheet's
//     usual UTF-8 export has no mark), Windows-1252 otherwise (plain ASCII included).
// A write must give the file back in the form it came in.
//
// Why this is lossless: the document is kept as QString lines, never as code-page bytes. Windows-1252
// maps each of its 256 bytes to a distinct character, UTF-16 code units go into a QString one for
// one (an unpaired surrogate included), and a UTF-8 file is taken as UTF-8 only when its bytes come
// back unchanged from the round trip. So decoding and encoding an unedited line gives its bytes again.
struct IniText {
    enum class Codec { Cp1252, Utf8, Utf16Le, Utf16Be };

    QByteArray byteOrderMark; // written back in front of the text; empty for a file without one
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
// Windows-1252 text without a mark whose bytes would read back as UTF-8 is written as UTF-8, so
// that it reads back as the same text.
QByteArray encode(const IniText& text);

} // namespace initext
