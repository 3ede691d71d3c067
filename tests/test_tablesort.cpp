// The fast sort against the plain one: the same rows in the same order, the same stop point and
// the same message, on many generated tables.
#include "directtablesort.h"
#include "files/exchangesort.h"
#include "files/tablesort.h"

#include <QTest>

#include <random>

namespace
{

using Random = std::mt19937;

// Column-0 keys: equal values in different spellings, sixteen-digit negatives, the extremes.
const QStringList kHexPool = {
    QStringLiteral("0"),
    QStringLiteral("00"),
    QStringLiteral("1"),
    QStringLiteral("01"),
    QStringLiteral("a"),
    QStringLiteral("0A"),
    QStringLiteral("ff"),
    QStringLiteral("00FF"),
    QStringLiteral("0050C2000001"),
    QStringLiteral("0050c2000001"),
    QStringLiteral("7FFFFFFFFFFFFFFF"),
    QStringLiteral("8000000000000000"),
    QStringLiteral("FFFFFFFFFFFFFFFF"),
    QStringLiteral("FFFFFFFFFFFFFFFE"),
    QStringLiteral("fffffffffffffffe"),
    QStringLiteral("C0A8000000000001"),
};
// Column-1 keys: the number after the last "." with blanks and signs, and a text without ".".
const QStringList kOctetPool = {
    QStringLiteral("10.0.0.1"),   QStringLiteral("192.168.0.1"),  QStringLiteral("10.0.0.7"),
    QStringLiteral("1.2. 7"),     QStringLiteral("1.2. -7"),      QStringLiteral("a.+5"),
    QStringLiteral("5"),          QStringLiteral("x.2147483647"), QStringLiteral("x.-2147483648"),
    QStringLiteral("10.0.0.007"), QStringLiteral("10.0.0.255"),   QStringLiteral("0.0.0.0"),
};
const QStringList kBadHex = {QString(),
                             QStringLiteral(" 1"),
                             QStringLiteral("0x1"),
                             QStringLiteral("1G"),
                             QStringLiteral("10000000000000000"),
                             QStringLiteral("$1")};
const QStringList kBadOctet = {QString(),
                               QStringLiteral("10.0.0."),
                               QStringLiteral("1.2.x"),
                               QStringLiteral("x.2147483648"),
                               QStringLiteral("10.0.0.7 "),
                               QStringLiteral("1.2.-")};

enum class Keys { FewValues, Pool, Wide };
enum class Arrangement { Random, Ascending, Descending, SortedThenRandomTail };
enum class Unreadable { None, First, Middle, Last, MiddleAndLast };

std::size_t pick(Random& random, std::size_t count)
{
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
}

QString wideKey(Random& random, int column)
{
    if (column == 0) {
        const int digits = int(pick(random, 16)) + 1;
        QString key;
        for (int d = 0; d < digits; ++d)
            key += QStringLiteral("0123456789ABCDEFabcdef").at(qsizetype(pick(random, 22)));
        return key;
    }
    const auto octet = std::uniform_int_distribution<std::int64_t>(INT32_MIN, INT32_MAX)(random);
    return QStringLiteral("10.0.0.") + QString::number(octet);
}

// A readable key of the column, drawn as the case asks.
QString readableKey(Random& random, int column, Keys keys, const QStringList& few)
{
    switch (keys) {
    case Keys::FewValues:
        return few.at(qsizetype(pick(random, std::size_t(few.size()))));
    case Keys::Pool: {
        const QStringList& pool = column == 0 ? kHexPool : kOctetPool;
        return pool.at(qsizetype(pick(random, std::size_t(pool.size()))));
    }
    case Keys::Wide:
        break;
    }
    return wideKey(random, column);
}

std::int64_t readKey(const QString& text, int column)
{
    return column == 0 ? *hexKey(text) : *UltimoOcteto(text);
}

// A table whose data rows carry their original number in column 2, so that equal keys can be
// told apart after the sort.
Table generate(Random& random, int column, std::size_t rows, Keys keys, Arrangement arrangement, Unreadable bad)
{
    const QStringList& pool = column == 0 ? kHexPool : kOctetPool;
    QStringList few;
    for (std::size_t k = pick(random, 3) + 1; k > 0; --k)
        few.append(pool.at(qsizetype(pick(random, std::size_t(pool.size())))));

    QStringList texts;
    for (std::size_t r = 0; r < rows; ++r)
        texts.append(readableKey(random, column, keys, few));
    const auto byKey = [column](const QString& a, const QString& b) { return readKey(a, column) < readKey(b, column); };
    switch (arrangement) {
    case Arrangement::Random:
        break;
    case Arrangement::Ascending:
        std::stable_sort(texts.begin(), texts.end(), byKey);
        break;
    case Arrangement::Descending:
        std::stable_sort(texts.rbegin(), texts.rend(), byKey);
        break;
    case Arrangement::SortedThenRandomTail:
        std::stable_sort(texts.begin(), texts.begin() + texts.size() * 3 / 4, byKey);
        break;
    }

    const QStringList& badPool = column == 0 ? kBadHex : kBadOctet;
    auto spoil = [&](qsizetype at) {
        if (at >= 0 && at < texts.size())
            texts[at] = badPool.at(qsizetype(pick(random, std::size_t(badPool.size()))));
    };
    const qsizetype middle = texts.isEmpty() ? -1 : qsizetype(pick(random, std::size_t(texts.size())));
    switch (bad) {
    case Unreadable::None:
        break;
    case Unreadable::First:
        spoil(0);
        break;
    case Unreadable::Middle:
        spoil(middle);
        break;
    case Unreadable::Last:
        spoil(texts.size() - 1);
        break;
    case Unreadable::MiddleAndLast:
        spoil(middle);
        spoil(texts.size() - 1);
        break;
    }

    Table table;
    table.rows.append(TableRow{QStringLiteral("MAC"), QStringLiteral("IP")});
    for (qsizetype r = 0; r < texts.size(); ++r) {
        TableRow row;
        row[std::size_t(column)] = texts.at(r);
        row[std::size_t(1 - column)] = QStringLiteral("other %1").arg(pick(random, 5));
        row[2] = QString::number(r + 1);
        table.rows.append(row);
    }
    if (table.rows.size() < 2)
        table.rows.append(TableRow{});
    return table;
}

QString describe(const Table& table)
{
    QStringList lines;
    for (const TableRow& row : table.rows)
        lines.append(row[0] + QLatin1Char('|') + row[1] + QLatin1Char('|') + row[2]);
    return lines.join(QLatin1Char('\n'));
}

// Both sorts on copies of the table: the same outcome, message and rows.
void compareSorts(const Table& table, int column, const char* what)
{
    Table fast = table;
    Table direct = table;
    const image::Outcome<void> fastSort = sortColumn(fast, column);
    const image::Outcome<void> directSort = directSortColumn(direct, column);
    const bool fastOk = fastSort.ok();
    const bool directOk = directSort.ok();
    const QString fastError = fastOk ? QString() : fastSort.failure().text;
    const QString directError = directOk ? QString() : directSort.failure().text;
    if (fastOk != directOk || fastError != directError || fast.rows != direct.rows) {
        qWarning("%s, column %d, input:\n%s\nfast (%s):\n%s\ndirect (%s):\n%s", what, column,
                 qPrintable(describe(table)), qPrintable(fastError), qPrintable(describe(fast)),
                 qPrintable(directError), qPrintable(describe(direct)));
        QFAIL("the fast sort differs from the exchange sort");
    }
}

// The exchange rule on plain integers, for the integer-level comparison.
std::vector<std::size_t> plainExchangeOrder(std::vector<std::int64_t> keys)
{
    std::vector<std::size_t> order(keys.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        order[k] = k;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        for (std::size_t j = i + 1; j < keys.size(); ++j) {
            if (keys[j] < keys[i]) {
                std::swap(keys[i], keys[j]);
                std::swap(order[i], order[j]);
            }
        }
    }
    return order;
}

} // namespace

class TestTableSort : public QObject
{
    Q_OBJECT

private slots:
    void sameResultOnGeneratedTables_data()
    {
        QTest::addColumn<int>("column");
        QTest::newRow("column 0") << 0;
        QTest::newRow("column 1") << 1;
    }

    void sameResultOnGeneratedTables()
    {
        QFETCH(int, column);
        Random random(20261207u + unsigned(column));
        const std::size_t sizes[] = {0, 1, 2, 3, 4, 5, 8, 17, 63, 64, 65, 129, 200};
        const Keys keyKinds[] = {Keys::FewValues, Keys::Pool, Keys::Wide};
        const Arrangement arrangements[] = {Arrangement::Random, Arrangement::Ascending, Arrangement::Descending,
                                            Arrangement::SortedThenRandomTail};
        const Unreadable placements[] = {Unreadable::None, Unreadable::First, Unreadable::Middle, Unreadable::Last,
                                         Unreadable::MiddleAndLast};
        int tables = 0;
        for (const std::size_t size : sizes) {
            for (const Keys keys : keyKinds) {
                for (const Arrangement arrangement : arrangements) {
                    for (const Unreadable bad : placements) {
                        for (int repeat = 0; repeat < 3; ++repeat) {
                            const Table table = generate(random, column, size, keys, arrangement, bad);
                            compareSorts(table, column, "generated table");
                            if (QTest::currentTestFailed())
                                return;
                            ++tables;
                        }
                    }
                }
            }
        }
        // Larger tables: many blocks of keys and long runs of exchanges.
        for (const Arrangement arrangement : arrangements) {
            compareSorts(generate(random, column, 700, Keys::FewValues, arrangement, Unreadable::None), column,
                         "large table");
            compareSorts(generate(random, column, 700, Keys::Pool, arrangement, Unreadable::Last), column,
                         "large table, last key unreadable");
        }
        QVERIFY(tables > 2000);
    }

    void sortsOfTheWholeTableAndOfOtherColumns()
    {
        Random random(7);
        for (int round = 0; round < 20; ++round) {
            Table table = generate(random, 0, 40, Keys::Pool, Arrangement::Random, Unreadable::None);
            for (qsizetype r = 1; r < table.rows.size(); ++r)
                table.rows[r][1] = kOctetPool.at(qsizetype(pick(random, std::size_t(kOctetPool.size()))));
            // Sorting one column after the other, as a user clicking back and forth does.
            for (const int column : {0, 1, 0, 1, 1}) {
                compareSorts(table, column, "alternating columns");
                if (QTest::currentTestFailed())
                    return;
                QVERIFY(directSortColumn(table, column));
            }
            for (int column = 2; column < kTableColumns && !QTest::currentTestFailed(); ++column)
                compareSorts(table, column, "column without a key");
        }
    }

    // The integer exchanges alone, on longer sequences than the table cases can afford.
    void exchangeOrderMatchesThePlainRule()
    {
        Random random(99);
        for (const std::size_t n :
             {std::size_t(0), std::size_t(1), std::size_t(2), std::size_t(130), std::size_t(3000)}) {
            for (const std::int64_t range : {std::int64_t(2), std::int64_t(50), std::int64_t(1) << 40}) {
                std::vector<std::int64_t> keys(n);
                for (std::int64_t& k : keys)
                    k = std::uniform_int_distribution<std::int64_t>(-range, range)(random);
                QCOMPARE(exchangeSortOrder(keys), plainExchangeOrder(keys));
                std::sort(keys.rbegin(), keys.rend()); // descending: every key a new minimum
                QCOMPARE(exchangeSortOrder(keys), plainExchangeOrder(keys));
                for (std::size_t k = 0; k < n; ++k)
                    keys[k] = std::int64_t(k % 7) - std::int64_t(k % 64); // saws of two periods
                QCOMPARE(exchangeSortOrder(keys), plainExchangeOrder(keys));
                for (std::size_t k = 0; k < n; ++k)
                    keys[k] = std::int64_t(k % 2) * range; // two values, alternating
                QCOMPARE(exchangeSortOrder(keys), plainExchangeOrder(keys));
            }
        }
    }

    // Every sequence of up to eight keys drawn from four values.
    void exchangeOrderOnEverySmallSequence()
    {
        for (std::size_t n = 0; n <= 8; ++n) {
            std::size_t combinations = 1;
            for (std::size_t k = 0; k < n; ++k)
                combinations *= 4;
            for (std::size_t code = 0; code < combinations; ++code) {
                std::vector<std::int64_t> keys(n);
                for (std::size_t k = 0, rest = code; k < n; ++k, rest /= 4)
                    keys[k] = std::int64_t(rest % 4) - 1;
                if (exchangeSortOrder(keys) != plainExchangeOrder(keys))
                    QFAIL(qPrintable(QStringLiteral("differs on sequence %1 of length %2").arg(code).arg(n)));
            }
        }
    }

    void theExchangeRuleOnSmallCases()
    {
        // 2, 2, 1: the 1 is exchanged with the first 2, which lands behind the second.
        QCOMPARE(exchangeSortOrder({2, 2, 1}), (std::vector<std::size_t>{2, 1, 0}));
        QCOMPARE(exchangeSortOrder({3, 2, 2, 1}), (std::vector<std::size_t>{3, 2, 1, 0}));
        QCOMPARE(exchangeSortOrder({1, 2, 2, 3}), (std::vector<std::size_t>{0, 1, 2, 3}));
        QCOMPARE(exchangeSortOrder({-1, 5, INT64_MIN}), (std::vector<std::size_t>{2, 0, 1}));
        // The first pass alone: position 0 takes every new minimum in turn.
        QCOMPARE(firstExchangePassOrder({5, 3, 4, 1}), (std::vector<std::size_t>{3, 0, 2, 1}));
        QCOMPARE(firstExchangePassOrder({}), std::vector<std::size_t>{});
    }
};

QTEST_GUILESS_MAIN(TestTableSort)
#include "test_tablesort.moc"
