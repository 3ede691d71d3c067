#include "files/tablefile.h"
#include "files/tablesort.h"
#include "image/logrecord.h"
#include "writefailure.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstring>

namespace
{

TableRow row(std::initializer_list<const char*> cells)
{
    TableRow r;
    std::size_t i = 0;
    for (const char* c : cells)
        r[i++] = QString::fromUtf8(c);
    return r;
}

// Column 0 and 1 of every row, "a|b" each, for short comparisons.
QStringList firstTwo(const Table& t)
{
    QStringList out;
    for (const TableRow& r : t.rows)
        out.append(r[0] + QLatin1Char('|') + r[1]);
    return out;
}

// Hands out its bytes, then fails every further read like a disk that gives up.
class FailingDevice final : public QIODevice
{
public:
    explicit FailingDevice(QByteArray bytes) : m_bytes(std::move(bytes)) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    bool atEnd() const override { return false; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (m_bytes.isEmpty())
            return -1;
        const qint64 n = std::min<qint64>(maxSize, m_bytes.size());
        std::memcpy(data, m_bytes.constData(), size_t(n));
        m_bytes.remove(0, n);
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
};

QStringList strings(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* t : texts)
        out.append(QString::fromUtf8(t));
    return out;
}

Table dataTable(std::initializer_list<const char*> keys0, std::initializer_list<const char*> keys1 = {})
{
    const QStringList column0 = strings(keys0);
    const QStringList column1 = strings(keys1);
    Table t;
    t.rows.append(row({"H0", "H1"}));
    for (qsizetype i = 0; i < column0.size(); ++i) {
        TableRow r;
        r[0] = column0.at(i);
        r[1] = column1.value(i);
        r[2] = QString::number(i + 1); // the original row number
        t.rows.append(r);
    }
    return t;
}

QStringList originalOrder(const Table& t)
{
    QStringList out;
    for (qsizetype i = 1; i < t.rows.size(); ++i)
        out.append(t.rows.at(i)[2]);
    return out;
}

} // namespace

class TestTableFile : public QObject
{
    Q_OBJECT

private slots:
    void emptyTableHasTwoBlankRows()
    {
        const Table t = emptyTable();
        QCOMPARE(t.rows.size(), 2);
        QCOMPARE(t.rows.at(0), TableRow{});
        QCOMPARE(t.rows.at(1), TableRow{});
        QCOMPARE(parseTable(QByteArray()).rows, t.rows);
        QCOMPARE(parseTable(QByteArray(" \t\r\n\r\n  \r\n")).rows, t.rows);
    }

    void firstExample()
    {
        const Table t = parseTable("MAC;IP;\r\n0A;10.0.0.7;\r\n01;10.0.0.9;\r\n");
        QCOMPARE(firstTwo(t), (strings({"MAC|IP", "0A|10.0.0.7", "01|10.0.0.9"})));
        QCOMPARE(t.rows.at(1)[2], QString());
    }

    void loneCrEndsALine()
    {
        const QByteArray crLf = "MAC;IP;\r\n0A;10.0.0.7;\r\n01;10.0.0.9;\r\n";
        const Table expected = parseTable(crLf);
        QCOMPARE(firstTwo(expected), (strings({"MAC|IP", "0A|10.0.0.7", "01|10.0.0.9"})));
        QCOMPARE(parseTable(QByteArray(crLf).replace("\r\n", "\r")).rows, expected.rows);
        QCOMPARE(parseTable(QByteArray("MAC;IP;\r0A;10.0.0.7;\n01;10.0.0.9;")).rows, expected.rows);
        // A CR inside what would otherwise be one line splits it: "IP" becomes its own unfinished line.
        QCOMPARE(firstTwo(parseTable(QByteArray("MAC;\rIP\r\nX;Y;\r\n"))), (strings({"MAC|", "X|Y"})));
    }

    void secondExampleKeepsCellsOfTheUnfinishedLine()
    {
        const Table t = parseTable("H1;H2;\r\na;b;z\r\nx;\r\n");
        QCOMPARE(firstTwo(t), (strings({"H1|H2", "x|b"})));
    }

    void blankLinesChangeNothing()
    {
        const Table plain = parseTable("MAC;IP;\r\n0A;10.0.0.7;\r\n01;10.0.0.9;\r\n");
        const Table spaced = parseTable("\r\nMAC;IP;\r\n   \r\n0A;10.0.0.7;\r\n\t\x01\r\n01;10.0.0.9;\r\n\r\n");
        QCOMPARE(spaced.rows, plain.rows);
    }

    void cellsKeepTheirBlanksAndStopAtFourteen()
    {
        QByteArray line;
        for (int i = 0; i < 16; ++i)
            line += " c" + QByteArray::number(i) + " ;";
        const Table t = parseTable("h;\r\n" + line + "\r\n");
        QCOMPARE(t.rows.size(), 2);
        QCOMPARE(t.rows.at(1)[0], QStringLiteral(" c0 "));
        QCOMPARE(t.rows.at(1)[13], QStringLiteral(" c13 "));
    }

    void textIsWindows1252()
    {
        const Table t = parseTable("M\xe1scara;Conex\xe3o;\r\n");
        QCOMPARE(t.rows.at(0)[0], QStringLiteral("Máscara"));
        QCOMPARE(t.rows.at(0)[1], QStringLiteral("Conexão"));
        QCOMPARE(t.rows.size(), 2); // one complete line: headings and the blank data row
        QCOMPARE(t.rows.at(1), TableRow{});
    }

    void onlyAnUnfinishedLine()
    {
        const Table t = parseTable("a;b;tail\r\n");
        QCOMPARE(firstTwo(t), (strings({"a|b", "|"})));
    }

    void loadingASmallerFileAfterALargerOne()
    {
        QTemporaryDir dir;
        const QString large = dir.filePath(QStringLiteral("large.txt"));
        const QString small = dir.filePath(QStringLiteral("small.txt"));
        QFile f(large);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("a;b;c;d;\r\n1;2;3;4;\r\n5;6;7;8;\r\n9;10;11;12;\r\n");
        f.close();
        QFile g(small);
        QVERIFY(g.open(QIODevice::WriteOnly));
        g.write("X;\r\nY;\r\n");
        g.close();

        Table t;
        QVERIFY(loadTable(large, t));
        QCOMPARE(t.rows.size(), 4);
        QVERIFY(loadTable(small, t));
        QCOMPARE(t.rows, (QList<TableRow>{row({"X"}), row({"Y"})}));

        QVERIFY(loadTable(dir.filePath(QStringLiteral("none.txt")), t));
        QCOMPARE(t.rows, emptyTable().rows);
        QVERIFY(loadTable(QString(), t));
        QCOMPARE(t.rows, emptyTable().rows);
    }

    void folderIsNoFile()
    {
        // A folder where the file is expected is treated like no file at all.
        QTemporaryDir dir;
        Table t = parseTable("a;\r\nb;\r\nc;\r\n");
        QVERIFY(loadTable(dir.path(), t));
        QCOMPARE(t.rows, emptyTable().rows);
    }

    void unreadableFileIsAnErrorInPortuguese()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("LogCfg.txt"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("a;\r\nb;\r\n");
        f.close();
        Table t = parseTable("x;\r\ny;\r\nz;\r\n");
        QString error;
        {
            writefailure::UnreadableFile unreadable(path);
            if (!unreadable.active())
                QSKIP("cannot make a file unreadable here");
            const image::Outcome<void> loaded = loadTable(path, t);
            QVERIFY(!loaded);
            error = loaded.failure().text;
        }
        QCOMPARE(error,
                 QStringLiteral("Não foi possível abrir o arquivo \"%1\".\rSem permissão de leitura.").arg(path));
        QCOMPARE(t.rows, emptyTable().rows);
    }

    void readErrorKeepsWhatWasRead()
    {
        // Two complete lines arrive, then the device fails.
        FailingDevice device("H;\r\n1;\r\n2");
        bool failed = false;
        const Table t = parseTable(device, &failed);
        QVERIFY(failed);
        QCOMPARE(firstTwo(t), (strings({"H|", "1|"})));
        // Read to the end without trouble, the flag is cleared.
        bool failedOnGoodData = true;
        QByteArray bytes("H;\r\n1;\r\n");
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        parseTable(buffer, &failedOnGoodData);
        QVERIFY(!failedOnGoodData);
    }

    void hexKeys()
    {
        QCOMPARE(hexKey(QStringLiteral("0A")), std::optional<std::int64_t>(10));
        QCOMPARE(hexKey(QStringLiteral("ff")), std::optional<std::int64_t>(255));
        QCOMPARE(hexKey(QStringLiteral("7FFFFFFFFFFFFFFF")), std::optional<std::int64_t>(INT64_MAX));
        QCOMPARE(hexKey(QStringLiteral("FFFFFFFFFFFFFFFF")), std::optional<std::int64_t>(-1));
        QCOMPARE(hexKey(QStringLiteral("8000000000000000")), std::optional<std::int64_t>(INT64_MIN));
        QVERIFY(!hexKey(QString()));
        QVERIFY(!hexKey(QStringLiteral("10000000000000000"))); // seventeen digits
        QVERIFY(!hexKey(QStringLiteral(" 1")));
        QVERIFY(!hexKey(QStringLiteral("0x1")));
        QVERIFY(!hexKey(QStringLiteral("1G")));
    }

    void lastOctetKeys()
    {
        QCOMPARE(UltimoOcteto(QStringLiteral("192.168.0.20")), std::optional<std::int32_t>(20));
        QCOMPARE(UltimoOcteto(QStringLiteral("1.2. -7")), std::optional<std::int32_t>(-7));
        QCOMPARE(UltimoOcteto(QStringLiteral("a.+5")), std::optional<std::int32_t>(5));
        QCOMPARE(UltimoOcteto(QStringLiteral("x.2147483647")), std::optional<std::int32_t>(INT32_MAX));
        QCOMPARE(UltimoOcteto(QStringLiteral("x.-2147483648")), std::optional<std::int32_t>(INT32_MIN));
        QCOMPARE(UltimoOcteto(QStringLiteral("42")), std::optional<std::int32_t>(42)); // no dot: the whole text
        QVERIFY(!UltimoOcteto(QStringLiteral("x.2147483648")));
        QVERIFY(!UltimoOcteto(QStringLiteral("10.0.0.")));
        QVERIFY(!UltimoOcteto(QStringLiteral("10.0.0.7 ")));
        QVERIFY(!UltimoOcteto(QStringLiteral("10.0.0.-")));
        QVERIFY(!UltimoOcteto(QString()));
        QVERIFY(!UltimoOcteto(QStringLiteral("abc")));
    }

    void sortsTheFirstExample()
    {
        Table t = parseTable("MAC;IP;\r\n0A;10.0.0.7;\r\n01;10.0.0.9;\r\n");
        QVERIFY(sortColumn(t, 0));
        QCOMPARE(firstTwo(t), (strings({"MAC|IP", "01|10.0.0.9", "0A|10.0.0.7"})));
        QVERIFY(sortColumn(t, 1));
        QCOMPARE(firstTwo(t), (strings({"MAC|IP", "0A|10.0.0.7", "01|10.0.0.9"})));
    }

    void exchangeOrderOfEqualKeys()
    {
        Table t = dataTable({"2", "2", "1"});
        QVERIFY(sortColumn(t, 0));
        QCOMPARE(originalOrder(t), (strings({"3", "2", "1"})));
        QVERIFY(sortColumn(t, 0)); // in order: nothing moves again
        QCOMPARE(originalOrder(t), (strings({"3", "2", "1"})));

        // Every new minimum is exchanged at once: a plain selection sort or a stable sort would
        // give rows 4, 2, 3, 1 here.
        Table eager = dataTable({"3", "2", "2", "1"});
        QVERIFY(sortColumn(eager, 0));
        QCOMPARE(originalOrder(eager), strings({"4", "3", "2", "1"}));

        Table byOctet = dataTable({"x", "x", "x", "x"}, {"10.0.0.3", "1.1.1.3", "9.9.9.1", "0.0.0.2"});
        QVERIFY(sortColumn(byOctet, 1));
        // Row 1 takes the 1 from row 3, row 2 the 2 from row 4; the two 3s end reversed.
        QCOMPARE(originalOrder(byOctet), (strings({"3", "4", "1", "2"})));
    }

    void negativeHexSortsFirst()
    {
        Table t = dataTable({"0001", "FFFFFFFFFFFFFFFE", "7FFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFF"});
        QVERIFY(sortColumn(t, 0));
        QCOMPARE(originalOrder(t), (strings({"2", "1", "4", "3"})));
    }

    void otherColumnsAndSmallTablesAreLeftAlone()
    {
        Table t = dataTable({"2", "1"}, {"a.2", "a.1"});
        const Table before = t;
        for (int column = 2; column < kTableColumns; ++column)
            QVERIFY(sortColumn(t, column));
        QCOMPARE(t.rows, before.rows);

        Table one = dataTable({"bad key"});
        QVERIFY(sortColumn(one, 0));
    }

    void badKeyStopsTheSortWhereItIs()
    {
        Table t = dataTable({"05", "03", "zz", "01"});
        const image::Outcome<void> tSorted = sortColumn(t, 0);
        QVERIFY(!tSorted);
        QCOMPARE(tSorted.failure().text, QStringLiteral("'$zz' is not a valid integer value"));
        QCOMPARE(originalOrder(t), (strings({"2", "1", "3", "4"}))); // the 03 exchange was made

        Table octets = dataTable({"", "", ""}, {"1.1.1.9", "1.1.1.4", "1.1.1. 4x"});
        const image::Outcome<void> octetsSorted = sortColumn(octets, 1);
        QVERIFY(!octetsSorted);
        QCOMPARE(octetsSorted.failure().text, QStringLiteral("' 4x' is not a valid integer value"));
        QCOMPARE(originalOrder(octets), (strings({"2", "1", "3"})));

        Table emptyCell = dataTable({"", "1"});
        const image::Outcome<void> emptyCellSorted = sortColumn(emptyCell, 0);
        QVERIFY(!emptyCellSorted);
        QCOMPARE(emptyCellSorted.failure().text, QStringLiteral("'$' is not a valid integer value"));

        Table lastRow = dataTable({"1", "2", "3", "x.y"}, {"1.1", "1.2", "1.3", "1.oops"});
        const image::Outcome<void> lastRowSorted = sortColumn(lastRow, 1);
        QVERIFY(!lastRowSorted);
        QCOMPARE(lastRowSorted.failure().text, QStringLiteral("'oops' is not a valid integer value"));
    }

    void logRecordsBecomeRows()
    {
        LogValues a;
        a.mac = QStringLiteral("0050C2000002");
        a.ipLocal = QStringLiteral("192.168.0.30");
        a.portaLocal = QStringLiteral("0023");
        a.ipRemoto = QStringLiteral("192.168.0.1");
        a.portaRemota = QStringLiteral("9000");
        a.server = true;
        a.gateway = QStringLiteral("192.168.0.254");
        a.subnet = QStringLiteral("255.255.255.0");
        a.vt100 = true;
        a.conTelnet = QStringLiteral("Caixa 2");
        a.bootDelay = QStringLiteral("05");
        a.com0 = true;
        LogValues b; // an empty editor
        const QLocale slashes(QLocale::Portuguese, QLocale::Brazil);
        const QDateTime when(QDate(2026, 12, 7), QTime(3, 41));
        const QByteArray bytes = buildLogRecord(a, when, slashes) + buildLogRecord(b, when.addSecs(3600), slashes);

        const Table t = parseTable(bytes);
        QCOMPARE(t.rows.size(), 3);
        QCOMPARE(t.rows.at(0),
                 row({"MAC", "IP Local", "Data/Hora", "Porta Local", "IP Remoto", "Porta Remota", "Gateway", "Máscara",
                      "Modo TCP", "Protocolo", "COM 0", "COM 1", "Conexão TelNet", "Boot Delay"}));
        QCOMPARE(t.rows.at(1),
                 row({"0050C2000002", "192.168.0.30", "07/12/26 - 03:41", "0023", "192.168.0.1", "9000",
                      "192.168.0.254", "255.255.255.0", "Servidor", "VT-100", "ON", "OFF", "Caixa 2", "05"}));
        QCOMPARE(t.rows.at(2), row({"", "", "07/12/26 - 04:41", "", "", "", "", "", "", "", "OFF", "OFF", "", ""}));

        // Sorting works on the record rows: MAC in column 0, address in column 1.
        LogValues c = a;
        c.mac = QStringLiteral("0050C2000001");
        c.ipLocal = QStringLiteral("192.168.0.40");
        Table two = parseTable(buildLogRecord(a, when, slashes) + buildLogRecord(c, when, slashes));
        QVERIFY(sortColumn(two, 0));
        QCOMPARE(two.rows.at(1)[0], QStringLiteral("0050C2000001"));
        QVERIFY(sortColumn(two, 1));
        QCOMPARE(two.rows.at(1)[1], QStringLiteral("192.168.0.30"));
    }

    void truncatedRecordIsKept()
    {
        LogValues a;
        a.mac = QStringLiteral("ABC");
        a.ipLocal = QStringLiteral("10.0.0.1");
        a.client = true;
        a.gateway = QStringLiteral("10.0.0.254");
        const QByteArray record =
            buildLogRecord(a, QDateTime(QDate(2026, 1, 2), QTime(4, 5)), QLocale(QLocale::Portuguese, QLocale::Brazil));
        for (qsizetype cut = record.indexOf("\r\n"); cut < record.size(); cut += 7) {
            const Table t = parseTable(record.left(cut));
            QCOMPARE(t.rows.size(), 2);
            QCOMPARE(t.rows.at(0)[0], QStringLiteral("MAC"));
        }
        const qsizetype fourLines = record.indexOf("Login:");
        const Table t = parseTable(record.left(fourLines));
        QCOMPARE(t.rows.at(1)[0], QStringLiteral("ABC"));
        QCOMPARE(t.rows.at(1)[6], QStringLiteral("10.0.0.254"));
        QCOMPARE(t.rows.at(1)[8], QStringLiteral("Cliente"));
        QCOMPARE(t.rows.at(1)[13], QString());
    }

    void logRecordsWithLoneCrs()
    {
        LogValues a;
        a.mac = QStringLiteral("0050C2000002");
        a.ipLocal = QStringLiteral("192.168.0.30");
        const QByteArray bytes = buildLogRecord(a, QDateTime(QDate(2026, 12, 7), QTime(3, 41)),
                                                QLocale(QLocale::Portuguese, QLocale::Brazil));
        const Table expected = parseTable(bytes);
        QCOMPARE(expected.rows.at(1)[0], QStringLiteral("0050C2000002"));
        QCOMPARE(parseTable(QByteArray(bytes).replace("\r\n", "\r")).rows, expected.rows);
    }

    void recordDetectionNeedsTheOpeningLine()
    {
        // A semicolon file that happens to start with "=" characters stays a semicolon file.
        const Table t = parseTable("==========;x;\r\n1;2;\r\n");
        QCOMPARE(firstTwo(t), (strings({"==========|x", "1|2"})));
    }
};

QTEST_GUILESS_MAIN(TestTableFile)
#include "test_tablefile.moc"
