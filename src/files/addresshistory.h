#pragma once

#include "files/inifile.h"

#include <QString>
#include <QStringList>

// The addresses to which the user has started connections, kept in section "HXConfig" of the
// settings file: "ListBox" holds the number of keys, keys "1", "2", ... one address each. The file
// lists the oldest key first; the in-memory list shows the newest address first.
namespace history
{

inline constexpr int kListLimit = 10; // an insertion that makes this many drops the last item

QString sectionName();
QString countKey();

// One entry per local address, its last number replaced by 100: "192.168.0.15\10.0.0.5" gives
// "192.168.0.100" and "10.0.0.100". Parts left empty after the cut are skipped.
QStringList seedEntries(const QString& localAddresses);

// First start: writes "ListBox" = k and then key k for every entry. Stops at the first failed write,
// with its failure; no entries write nothing (and create no file).
image::Outcome<void> seed(IniFile& ini, const QString& localAddresses);

// The non-empty values of keys 1..ListBox in key order, without any duplicate check.
QStringList load(const IniView& settings);
// The same from the file as it is now, read once.
QStringList load(const IniFile& ini);

enum class Remember { AlreadyKnown, Added, WriteFailed };

// A connect press with the address text: an address already in the list (whole text, any letter
// case) changes nothing. Otherwise it goes first, the list drops its last item once it holds
// kListLimit or more, and only "ListBox" = count and key count = address are written.
Remember remember(QStringList& list, IniFile& ini, const QString& address);

// "Limpar Caixa": erases the whole section. Refused when the file could not be written.
image::Outcome<void> clear(IniFile& ini);

} // namespace history
