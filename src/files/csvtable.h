#pragma once

#include "image/outcome.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A spreadsheet's export as text: rows of cells, the first row a header. Read with libcsv in its
// strict mode, so that a stray quote is an error and not a guess.
//
// What spreadsheets write and is taken here: comma or semicolon between cells (the one the header
// line uses more; spreadsheets set to Portuguese write semicolons), cells in double quotes with the
// separator, doubled quotes or line breaks inside, blanks around unquoted cells (dropped), text
// read by the one rule of every text file (files/initext.h: UTF-8 with or without a byte-order mark,
// Windows-1252, UTF-16 after its mark), CR LF, LF or CR. Rows
// whose cells are all empty (a blank line, ";;;") are left out.
struct CsvRow {
    int line = 0; // the row's first line in the file, from 1
    QStringList cells;
};

struct CsvTable {
    char separator = ',';
    QList<CsvRow> rows; // the header first; never empty
};

// Refused with the line where the file goes wrong, 0 when the problem is the whole file.
image::Outcome<CsvTable> parseCsv(const QByteArray& bytes);

// The rows (all of one width, as a spreadsheet's) as a file the same reader and a spreadsheet set
// to Portuguese both take: UTF-8 with a byte-order mark, semicolons, CR LF, a cell quoted when it
// holds a separator, a quote, a line break or blanks at its ends.
QByteArray csvBytes(const QList<QStringList>& rows);

// The same for a report a person opens in a spreadsheet: a cell that begins with '=', '+', '-' or
// '@' gets a leading apostrophe, so that the spreadsheet shows it as text and never runs it as a
// formula.
QByteArray spreadsheetCsvBytes(const QList<QStringList>& rows);
