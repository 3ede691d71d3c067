#pragma once

#include "terminalstate.h"

#include <QString>

#include <optional>

// The state file keeps the terminal's memory across runs. It is a short text file, one item per
// line, the bytes written as lower-case hexadecimal:
//
//     hxterm-sim state 1
//     password 313233343536
//     image 8246...        (520 hex digits: the 260-byte image)
//     logo 0000...         (480 hex digits: the 240-byte logo)
//
// Lines may come in any order; a file missing an item or with a wrong length is not loaded.
namespace statefile
{

std::optional<TerminalState> load(const QString& path);

// Written to a temporary file and renamed over the old one, so a reader never sees half a file.
bool save(const QString& path, const TerminalState& state, QString* error = nullptr);

} // namespace statefile
