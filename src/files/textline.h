#pragma once

#include <QByteArray>

#include <limits>

class QIODevice;

// Reads the next line of a text file without its line end. CR LF, LF alone and CR alone each end
// a line (CR LF counts once), as in the text files the terminal's users edit. At most `keep`
// bytes of the line are kept; the rest of it is read past without being stored. Returns false
// when nothing could be read: at the end of the data or on a read error.
bool readTextLine(QIODevice& device, QByteArray& line, qsizetype keep = std::numeric_limits<qsizetype>::max());
