// The log viewer's table reader on an arbitrary file, both sort keys over the result (against the
// plain exchange sort), and the reader of LogCfg.txt records fed the same lines.
#include "fuzzinput.h"

#include "directtablesort.h"
#include "files/logrecordrows.h"
#include "files/tablefile.h"
#include "files/tablesort.h"
#include "image/cp1252.h"

#include <QList>

using fuzzinput::check;

namespace
{

void checkShape(const Table& table)
{
    check(table.rows.size() >= 2, "a table has the heading row and at least one data row");
}

std::optional<std::int64_t> keyOf(const TableRow& row, int column)
{
    if (column == 0)
        return hexKey(row[0]);
    const auto key = UltimoOcteto(row[1]);
    return key ? std::optional<std::int64_t>(*key) : std::nullopt;
}

// The fast sort does what the plain exchange sort does. A sort that finishes leaves the data rows
// in ascending key order with the same rows as before.
void checkSort(Table table, int column)
{
    const Table before = table;
    const image::Outcome<void> sorted = sortColumn(table, column);
    const bool ok = sorted.ok();
    const QString error = ok ? QString() : sorted.failure().text;
    Table plain = before;
    const image::Outcome<void> plainSorted = directSortColumn(plain, column);
    const bool plainOk = plainSorted.ok();
    const QString plainError = plainOk ? QString() : plainSorted.failure().text;
    check(ok == plainOk && error == plainError && table.rows == plain.rows, "the same rows, stop point and message");
    check(table.rows.size() == before.rows.size(), "a sort keeps the row count");
    check(table.rows.first() == before.rows.first(), "the heading row never moves");
    if (!ok) {
        check(error.endsWith(QLatin1String("' is not a valid integer value")), "a failed key names its text");
        return;
    }
    for (qsizetype r = 2; r < table.rows.size(); ++r)
        check(*keyOf(table.rows.at(r - 1), column) <= *keyOf(table.rows.at(r), column), "ascending keys");
    QList<TableRow> sortedRows = table.rows;
    QList<TableRow> originalRows = before.rows;
    const auto byCells = [](const TableRow& a, const TableRow& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end());
    };
    std::sort(sortedRows.begin(), sortedRows.end(), byCells);
    std::sort(originalRows.begin(), originalRows.end(), byCells);
    check(sortedRows == originalRows, "a sort only exchanges rows");
    // Sorting sorted rows again changes nothing.
    Table again = table;
    check(sortColumn(again, column) && again.rows == table.rows, "a second sort changes nothing");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray content = fuzzinput::bytes(data, size);
    const Table table = parseTable(content);
    checkShape(table);
    checkSort(table, 0);
    checkSort(table, 1);
    for (int column = 2; column < kTableColumns; ++column) {
        Table other = table;
        check(sortColumn(other, column) && other.rows == table.rows, "other columns never sort");
    }

    // CR LF, LF and CR end a line alike: the file with every line end made CR LF reads the same.
    const QByteArray lfOnly = QByteArray(content).replace("\r\n", "\n").replace('\r', '\n');
    check(parseTable(QByteArray(lfOnly).replace("\n", "\r\n")).rows == table.rows, "line ends do not matter");

    // Both builders fed every line, whatever the first line says the file is.
    SemicolonTableBuilder cells;
    LogRecordTableBuilder records;
    for (const QByteArray& line : lfOnly.split('\n')) {
        const QString text = cp1252::decode(line);
        cells.addLine(text);
        records.addLine(text);
        opensLogRecord(text);
    }
    const Table fromRecords = records.table();
    checkShape(cells.table());
    checkShape(fromRecords);
    checkSort(fromRecords, 0);
    checkSort(fromRecords, 1);

    // The loader on a file gives what the parser gives on the bytes.
    const QString path = fuzzinput::writeScratchFile("table.txt", content);
    Table loaded;
    check(loadTable(path, loaded).ok() && loaded.rows == table.rows, "the file loader and the parser agree");
    return 0;
}
