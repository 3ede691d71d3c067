#pragma once

#include "image/layout.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Fields as people read them: the texts the editor shows, the page and caption they are shown
// under, and the working copy the editor holds after a read.
namespace image
{

// The text the editor shows for this field after a read of `image` (decoder rules): a text box the
// field's non-zero bytes (a short text the characters before the first zero), a choice box the text
// of its item or nothing when the byte names none (the 2.4 GHz boxes show nothing while the
// interface is off), a check box "Sim" or "Não", the TCP role "Client", "Server", "System" or
// "Nenhum", the protocol "VT - 100", "Corvale" or "TelNet". Reserved and password bytes: empty.
QString readableValue(const Field& field, const QByteArray& image);

// The terminal's hardware address as the editor shows it: the field's non-zero bytes, so a zero
// byte inside the field takes nothing away from the characters after it.
QString macText(const QByteArray& image);

// The value a code's buttons show for its byte: a TCP role 1..3 its own, anything else no role; a
// protocol 0 or 1 its own, anything else TelNet.
int shownCode(const Field& field, int byte);

// The value as people read it, shown or not: the readable value, but a choice, number or role byte
// that names no item reads "(N)" with its number, and the 2.4 GHz boxes read also while hidden.
QString valueText(const Field& field, const QByteArray& image);

// What the editor shows for a field, by whatever means: the image as read, or the window's controls.
using ShownValue = std::function<QString(const Field& field)>;
ShownValue shownAfterRead(const QByteArray& image);

// A text of the field table (UTF-8) as a QString.
QString tableText(std::string_view text);

// What a text box's change reaction stores with the loading flag clear: the text in Windows-1252,
// cut to the field, zero bytes after it.
void storeText(QByteArray& image, const Field& field, const QString& text);

// The item texts of a choice list (or the value names of a flag or code).
QStringList itemTexts(const Field& field);
// The item index whose text equals `text` ignoring letter case, or -1.
int namedItem(const Field& field, const QString& text);
// What a user typed for a choice, as the item it means: the terminal's item "100 Mbis/s" keeps its
// own spelling, and "100 Mbit/s" (any letter case) names it too. Other texts come back unchanged.
QString itemTextOf(const Field& field, const QString& typed);

// Page names and captions in the user's language: the table's Portuguese, or its translation.
QString pageText(Page page);           // "Conexão"; empty for Page::None
QString pageOf(const Field& field);    // "Conexão"; empty when the field is on no page
QString captionOf(const Field& field); // "Baud - Rate COM 0"; reserved bytes "Reservado (bytes 144..169)"
QString sectionOf(const Field& field); // "Conexao"; empty when the field has no key
QString keyOf(const Field& field);     // "IPLocal"; empty when none

// The working copy the editor holds right after a read of `image`: byte 1 'G', and the bytes the
// decoder's check reactions store again (a non-zero flag becomes 1, a protocol other than 0 and 1
// becomes 2, a TCP role 1..3 stays).
QByteArray workingCopyAfterRead(const QByteArray& image);

} // namespace image
