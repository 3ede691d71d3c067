#pragma once

#include "files/tablefile.h"
#include "image/outcome.h"

#include <QString>

#include <cstdint>
#include <optional>

// Sort key of column 0: the whole text as one to sixteen hexadecimal digits, taken as a signed
// 64-bit value (a sixteen-digit value from 8000... up is negative).
std::optional<std::int64_t> hexKey(const QString& text);

// Sort key of column 1: the decimal integer after the last "." (leading blanks and a sign
// allowed, 32-bit). A text without "." is read whole.
std::optional<std::int32_t> UltimoOcteto(const QString& text);

// The text a failed key reports: "$" and the cell for column 0, the part after the last "." for
// column 1.
QString keyText(const QString& cell, int column);

// Sorts the data rows by column 0 or 1 as the viewer's exchange sort does: for each row, every
// later row whose key is below the running minimum becomes the new minimum and is exchanged with
// it at once, which also fixes the final order of equal keys. Each key is read once and each row
// moved once. Other columns and tables of two rows or fewer are left alone. A key that cannot be
// read stops the sort where the exchanges would have met it (exchanges made before it stay), and
// the sort fails with "'%s' is not a valid integer value".
image::Outcome<void> sortColumn(Table& table, int column);
