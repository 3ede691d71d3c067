#pragma once

#include "image/outcome.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

class QIODevice;

// The viewer's table: fourteen text cells a row, row 0 the headings, rows 1 onward the data.
inline constexpr int kTableColumns = 14;
using TableRow = std::array<QString, kTableColumns>;

struct Table {
    QList<TableRow> rows; // never fewer than two: the heading row and at least one data row
};

// The table of an empty viewer: a blank heading row and one blank data row.
Table emptyTable();

// Reads a table file. Semicolon files follow the cell rules of the viewer; a file whose first
// non-blank line opens a "Log Conf." record is shown one record a row. On a read error the
// lines read so far stay in the table and readFailed (if given) is set.
Table parseTable(QIODevice& device, bool* readFailed = nullptr);
Table parseTable(const QByteArray& bytes);

// Replaces table by the file at path. No file there (nothing, a folder, a device) leaves the empty
// table and is no error. Refused with a Portuguese text when the file exists but cannot be opened or
// read.
image::Outcome<void> loadTable(const QString& path, Table& table);

// Builds the table of a semicolon file line by line: a ";" ends a cell, a line ending in ";"
// completes a row, text after the last ";" is dropped and the next line fills the same row again.
class SemicolonTableBuilder
{
public:
    void addLine(const QString& line);
    Table table() const;

private:
    QList<TableRow> m_store;
    int m_row = 0;
    int m_rowCount = 2;
};
