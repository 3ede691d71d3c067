#include "files/tablesort.h"

#include "files/exchangesort.h"
#include "image/integertext.h"

#include <utility>
#include <vector>

namespace
{

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

std::optional<std::int64_t> keyOf(const QString& cell, int column)
{
    if (column == 0)
        return hexKey(cell);
    return UltimoOcteto(cell);
}

// Data row 1 + order[k] becomes data row 1 + k; rows past the order stay where they are. Each
// row is moved once.
void moveRows(QList<TableRow>& rows, const std::vector<std::size_t>& order)
{
    QList<TableRow> moved;
    moved.reserve(qsizetype(order.size()));
    for (const std::size_t from : order)
        moved.append(std::move(rows[qsizetype(from) + 1]));
    for (qsizetype k = 0; k < moved.size(); ++k)
        rows[k + 1] = std::move(moved[k]);
}

} // namespace

std::optional<std::int64_t> hexKey(const QString& text)
{
    if (text.isEmpty() || text.size() > 16)
        return std::nullopt;
    std::uint64_t value = 0;
    for (const QChar c : text) {
        const int digit = hexValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value << 4 | static_cast<std::uint64_t>(digit);
    }
    return static_cast<std::int64_t>(value);
}

std::optional<std::int32_t> UltimoOcteto(const QString& text)
{
    const QString tail = keyText(text, 1);
    qsizetype i = 0;
    while (i < tail.size() && tail.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < tail.size() && (tail.at(i) == QLatin1Char('+') || tail.at(i) == QLatin1Char('-'))) {
        negative = tail.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == tail.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < tail.size(); ++i) {
        const char16_t u = tail.at(i).unicode();
        if (u < u'0' || u > u'9')
            return std::nullopt;
        value = value * 10 + (u - u'0');
        if (value > std::int64_t{1} << 31)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX || value < INT32_MIN)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

QString keyText(const QString& cell, int column)
{
    if (column == 0)
        return QLatin1Char('$') + cell;
    return cell.mid(cell.lastIndexOf(QLatin1Char('.')) + 1);
}

image::Outcome<void> sortColumn(Table& table, int column)
{
    QList<TableRow>& rows = table.rows;
    if (rows.size() <= 2 || (column != 0 && column != 1))
        return {};

    // Each key is read once. The exchanges read every key of the first pass before any other, so
    // an unreadable key always stops that first pass at the first such row, with what the pass
    // exchanged before it.
    std::vector<std::int64_t> keys;
    keys.reserve(std::size_t(rows.size() - 1));
    qsizetype unreadable = -1;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const auto key = keyOf(rows.at(r)[column], column);
        if (!key) {
            unreadable = r;
            break;
        }
        keys.push_back(*key);
    }

    const std::vector<std::size_t> order =
        unreadable < 0 ? exchangeSortOrder(std::move(keys)) : firstExchangePassOrder(std::move(keys));
    moveRows(rows, order);
    if (unreadable < 0)
        return {};
    return image::Failure{invalidIntegerText(keyText(rows.at(unreadable)[column], column))};
}
