#include "directtablesort.h"

#include "files/tablesort.h"
#include "image/integertext.h"

#include <optional>
#include <utility>

image::Outcome<void> directSortColumn(Table& table, int column)
{
    QList<TableRow>& rows = table.rows;
    if (rows.size() <= 2 || (column != 0 && column != 1))
        return {};
    auto key = [&](qsizetype row) -> std::optional<std::int64_t> {
        const QString& cell = rows.at(row)[column];
        if (column == 0)
            return hexKey(cell);
        if (const auto octet = UltimoOcteto(cell))
            return *octet;
        return std::nullopt;
    };
    const auto unreadable = [&](qsizetype row) {
        return image::Failure{invalidIntegerText(keyText(rows.at(row)[column], column))};
    };
    for (qsizetype i = 1; i < rows.size(); ++i) {
        auto minimum = key(i);
        if (!minimum)
            return unreadable(i);
        for (qsizetype j = i + 1; j < rows.size(); ++j) {
            const auto candidate = key(j);
            if (!candidate)
                return unreadable(j);
            if (*candidate < *minimum) {
                minimum = candidate;
                std::swap(rows[i], rows[j]);
            }
        }
    }
    return {};
}
