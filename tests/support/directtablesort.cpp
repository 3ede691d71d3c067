#include "directtablesort.h"

#include "image/integertext.h"
#include "files/tablesort.h"

#include <optional>
#include <utility>

bool directSortColumn(Table& table, int column, QString* errorText)
{
    QList<TableRow>& rows = table.rows;
    if (rows.size() <= 2 || (column != 0 && column != 1))
        return true;
    auto key = [&](qsizetype row) -> std::optional<std::int64_t> {
        const QString& cell = rows.at(row)[column];
        std::optional<std::int64_t> k;
        if (column == 0)
            k = hexKey(cell);
        else if (const auto octet = UltimoOcteto(cell))
            k = *octet;
        if (!k && errorText)
            *errorText = invalidIntegerText(keyText(cell, column));
        return k;
    };
    for (qsizetype i = 1; i < rows.size(); ++i) {
        auto minimum = key(i);
        if (!minimum)
            return false;
        for (qsizetype j = i + 1; j < rows.size(); ++j) {
            const auto candidate = key(j);
            if (!candidate)
                return false;
            if (*candidate < *minimum) {
                minimum = candidate;
                std::swap(rows[i], rows[j]);
            }
        }
    }
    return true;
}
