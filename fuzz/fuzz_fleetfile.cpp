// A fleet file as batch takes it: any bytes refused with a reason and a line that exists, or read
// as rows with an address; the rows' cells written back by the tool's own writer read the same;
// and the fleet's checks run on whatever was read.
#include "fuzzinput.h"

#include "files/csvtable.h"
#include "files/fleetfile.h"
#include "link/fleetplan.h"

#include <algorithm>
#include <variant>

using fuzzinput::check;

namespace
{

// At least as many lines as the reader counts: LF, CR LF and a lone CR end one.
int linesIn(const QByteArray& bytes)
{
    int lines = 1;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) == '\n' || (bytes.at(i) == '\r' && (i + 1 == bytes.size() || bytes.at(i + 1) != '\n')))
            ++lines;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzzinput::bytes(data, size);
    const int lines = linesIn(bytes);
    const auto parsed = parseFleetFile(bytes);
    if (!parsed) {
        const image::Failure& error = parsed.failure();
        check(!error.text.isEmpty(), "a refused file says why");
        check(error.line >= 0 && error.line <= lines, "the line named is in the file");
        return 0;
    }
    const FleetFile& file = parsed.value();
    check(!file.rows.isEmpty(), "a fleet has a terminal");
    int previous = 0;
    for (const FleetRow& row : file.rows) {
        check(!row.address.isEmpty(), "every row has an address");
        check(row.line > previous && row.line <= lines, "rows come in line order");
        previous = row.line;
        for (const image::ProfileEntry& value : row.values)
            check(image::fieldOfKey(value.section, value.key) && !value.value.isEmpty(), "values name known keys");
    }

    // The table the tool writes from what was read gives the same cells back.
    const auto table = parseCsv(bytes);
    check(table.ok(), "a fleet file is a table");
    // A table the tool writes has rows of one width, as a spreadsheet's.
    QList<QStringList> rows;
    qsizetype width = 0;
    for (const CsvRow& row : table.value().rows) {
        rows.append(row.cells);
        width = std::max(width, row.cells.size());
    }
    for (QStringList& row : rows)
        row.resize(width);
    const auto again = parseCsv(csvBytes(rows));
    check(again.ok(), "the tool's own table reads back");
    const QList<CsvRow>& back = again.value().rows;
    check(back.size() == rows.size(), "as many rows");
    for (qsizetype i = 0; i < rows.size(); ++i)
        check(back.at(i).cells == rows.at(i), "the same cells");

    const FleetPlan plan = planFleet(file, {{}, "123456", {}});
    check(plan.problems.isEmpty() == (plan.terminals.size() == file.rows.size()), "a plan or its problems");
    return 0;
}
