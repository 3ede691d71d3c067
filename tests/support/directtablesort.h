#pragma once

#include "files/tablefile.h"
#include "image/outcome.h"

#include <QString>

// The viewer's exchange sort written the plain way, as the reference for the fast one: for each
// data row i, every later row whose key is below the running minimum becomes the new minimum and
// is exchanged with row i at once, the keys read from the cell texts at every comparison, and an
// unreadable key stops the sort right there. Same contract as sortColumn.
image::Outcome<void> directSortColumn(Table& table, int column);
