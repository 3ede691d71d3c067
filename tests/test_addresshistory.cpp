#include "filebytes.h"
#include "files/addresshistory.h"
#include "files/inifile.h"
#include "link/localaddresses.h"
#include "testprogram.h"

#include "writefailure.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace
{

// A section with keys 1..count holding 10.0.0.1, 10.0.0.2, ...
QByteArray historySection(int count)
{
    QByteArray text = "[HXConfig]\r\nListBox=" + QByteArray::number(count) + "\r\n";
    for (int k = 1; k <= count; ++k)
        text += QByteArray::number(k) + "=10.0.0." + QByteArray::number(k) + "\r\n";
    return text;
}

LocalInterface makeInterface(int index, bool up, bool loopback, const QStringList& addresses)
{
    LocalInterface interface;
    interface.index = index;
    interface.up = up;
    interface.loopback = loopback;
    for (const QString& address : addresses)
        interface.addresses.append(QHostAddress(address));
    return interface;
}

} // namespace

class TestAddressHistory : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void seedEntries_data();
    void seedEntries();
    void seedOneAddress();
    void seedTwoAddressesSkippingBlankParts();
    void seedWithoutAddressesCreatesNoFile();
    void seedStopsAtTheFirstFailedWrite();
    void load_data();
    void load();
    void rememberKnownAddressTouchesNothing();
    void rememberFirstAddress();
    void rememberWithEightAddresses();
    void rememberWithNineAddresses();
    void rememberShortensALongListByOne();
    void rememberWriteFailure();
    void clearThenReloadIsEmpty();
    void joinLocalAddresses();
    void localAddressesAreIPv4WithoutLoopback();

private:
    QString settingsPath() const { return m_dir->filePath(u"ConfDefault.ini"_s); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestAddressHistory::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestAddressHistory::seedEntries_data()
{
    QTest::addColumn<QString>("local");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("one address") << u"192.168.0.15"_s << QStringList{u"192.168.0.100"_s};
    QTest::newRow("two addresses") << u"10.0.0.5\\192.168.1.20"_s << QStringList{u"10.0.0.100"_s, u"192.168.1.100"_s};
    QTest::newRow("empty parts skipped") << u"\\\\10.0.0.5\\\\"_s << QStringList{u"10.0.0.100"_s};
    QTest::newRow("part without a dot skipped") << u"localhost\\10.1.2.3"_s << QStringList{u"10.1.2.100"_s};
    QTest::newRow("IPv6 has no dot") << u"fe80::1"_s << QStringList();
    QTest::newRow("blanks and controls trimmed")
        << u" \t10.0.0.7 \\\x01 172.16.0.1"_s << QStringList{u"10.0.0.100"_s, u"172.16.0.100"_s};
    QTest::newRow("ends with a dot") << u"1.2.3."_s << QStringList{u"1.2.3.100"_s};
    QTest::newRow("only a dot") << u"."_s << QStringList{u".100"_s};
    QTest::newRow("blank before the dot kept inside") << u"10.0 .5"_s << QStringList{u"10.0 .100"_s};
    QTest::newRow("nothing") << QString() << QStringList();
}

void TestAddressHistory::seedEntries()
{
    QFETCH(QString, local);
    QFETCH(QStringList, entries);
    QCOMPARE(history::seedEntries(local), entries);
}

void TestAddressHistory::seedOneAddress()
{
    IniFile ini(settingsPath());
    QVERIFY(history::seed(ini, u"192.168.0.15"_s));
    QCOMPARE(readBytes(settingsPath()), QByteArray("[HXConfig]\r\nListBox=1\r\n1=192.168.0.100\r\n"));
    QCOMPARE(history::load(ini), QStringList{u"192.168.0.100"_s});
}

void TestAddressHistory::seedTwoAddressesSkippingBlankParts()
{
    IniFile ini(settingsPath());
    QVERIFY(history::seed(ini, u"abc\\10.0.0.5\\\\192.168.1.20"_s));
    QCOMPARE(readBytes(settingsPath()), QByteArray("[HXConfig]\r\nListBox=2\r\n1=10.0.0.100\r\n2=192.168.1.100\r\n"));
    // Key order: the last item, the one shown, is the highest key.
    QCOMPARE(history::load(ini), (QStringList{u"10.0.0.100"_s, u"192.168.1.100"_s}));
}

void TestAddressHistory::seedWithoutAddressesCreatesNoFile()
{
    IniFile ini(settingsPath());
    QVERIFY(history::seed(ini, QString()));
    QVERIFY(history::seed(ini, u"nohost"_s));
    QVERIFY(!ini.exists());
}

void TestAddressHistory::seedStopsAtTheFirstFailedWrite()
{
    IniFile blocked(writefailure::pathUnderFile(m_dir->path(), u"ConfDefault.ini"_s));
    QVERIFY(!history::seed(blocked, u"192.168.0.15"_s));
    QVERIFY(!blocked.exists());

    // Room for the first write only ("ListBox" = 1): the address key cannot follow.
    IniFile ini(settingsPath());
    {
        const writefailure::FileSizeLimit full(30);
        QVERIFY(full.active());
        QVERIFY(!history::seed(ini, u"192.168.0.15\\10.0.0.5"_s));
    }
    QCOMPARE(readBytes(settingsPath()), QByteArray("[HXConfig]\r\nListBox=1\r\n"));
}

void TestAddressHistory::load_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("list");
    QTest::newRow("no section") << QByteArray("[Rede]\r\nTimeOutRede=1000\r\n") << QStringList();
    QTest::newRow("count missing") << QByteArray("[HXConfig]\r\n1=a\r\n") << QStringList();
    QTest::newRow("count not a number") << QByteArray("[HXConfig]\r\nListBox=x\r\n1=a\r\n") << QStringList();
    QTest::newRow("key 3 empty between 2 and 4")
        << QByteArray("[HXConfig]\r\nListBox=4\r\n1=a\r\n2=b\r\n3=\r\n4=d\r\n") << QStringList{u"a"_s, u"b"_s, u"d"_s};
    QTest::newRow("missing keys skipped")
        << QByteArray("[HXConfig]\r\nListBox=5\r\n2=b\r\n5=e\r\n") << QStringList{u"b"_s, u"e"_s};
    QTest::newRow("keys above the count unread")
        << QByteArray("[HXConfig]\r\nListBox=2\r\n1=a\r\n2=b\r\n3=c\r\n") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("key order, not file order")
        << QByteArray("[HXConfig]\r\nListBox=3\r\n3=c\r\n1=a\r\n2=b\r\n") << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("duplicates kept") << QByteArray("[HXConfig]\r\nListBox=2\r\n1=10.0.0.1\r\n2=10.0.0.1\r\n")
                                     << QStringList{u"10.0.0.1"_s, u"10.0.0.1"_s};
    QTest::newRow("leading zero is another key")
        << QByteArray("[HXConfig]\r\nListBox=2\r\n01=a\r\n2=b\r\n") << QStringList{u"b"_s};
    QTest::newRow("any text is kept") << QByteArray("[HXConfig]\r\nListBox=1\r\n1=Terminal Caixa\r\n")
                                      << QStringList{u"Terminal Caixa"_s};
    QTest::newRow("huge count") << QByteArray("[HXConfig]\r\nListBox=2000000000\r\n1=a\r\n1999999999=z\r\n")
                                << QStringList{u"a"_s, u"z"_s};
    QStringList twelve;
    for (int k = 1; k <= 12; ++k)
        twelve.append(u"10.0.0."_s + QString::number(k));
    QTest::newRow("more keys than nine") << historySection(12) << twelve;
}

void TestAddressHistory::load()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, list);
    writeBytes(settingsPath(), file);
    QCOMPARE(history::load(IniFile(settingsPath())), list);
}

void TestAddressHistory::rememberKnownAddressTouchesNothing()
{
    const QByteArray file("[HXConfig]\r\nListBox=2\r\n1=Terminal.A\r\n2=192.168.0.100\r\n");
    writeBytes(settingsPath(), file);
    IniFile ini(settingsPath());
    QStringList list = history::load(ini);
    const QStringList before = list;
    QCOMPARE(history::remember(list, ini, u"192.168.0.100"_s), history::Remember::AlreadyKnown);
    QCOMPARE(history::remember(list, ini, u"TERMINAL.a"_s), history::Remember::AlreadyKnown);
    QCOMPARE(list, before);
    QCOMPARE(readBytes(settingsPath()), file);
    // Only the whole text counts.
    QCOMPARE(history::remember(list, ini, u"192.168.0.10"_s), history::Remember::Added);
}

void TestAddressHistory::rememberFirstAddress()
{
    IniFile ini(settingsPath());
    QStringList list;
    QCOMPARE(history::remember(list, ini, u"10.0.0.9"_s), history::Remember::Added);
    QCOMPARE(list, QStringList{u"10.0.0.9"_s});
    QCOMPARE(readBytes(settingsPath()), QByteArray("[HXConfig]\r\nListBox=1\r\n1=10.0.0.9\r\n"));
}

void TestAddressHistory::rememberWithEightAddresses()
{
    writeBytes(settingsPath(), historySection(8));
    IniFile ini(settingsPath());
    QStringList list = history::load(ini);
    QCOMPARE(history::remember(list, ini, u"192.168.5.5"_s), history::Remember::Added);
    QCOMPARE(list.size(), 9);
    QCOMPARE(list.first(), u"192.168.5.5"_s);
    QCOMPARE(list.last(), u"10.0.0.8"_s);
    QByteArray expected = historySection(8).replace("ListBox=8", "ListBox=9") + "9=192.168.5.5\r\n";
    QCOMPARE(readBytes(settingsPath()), expected);
}

void TestAddressHistory::rememberWithNineAddresses()
{
    writeBytes(settingsPath(), historySection(9));
    IniFile ini(settingsPath());
    QStringList list = history::load(ini);
    QCOMPARE(history::remember(list, ini, u"192.168.5.5"_s), history::Remember::Added);
    QCOMPARE(list.size(), 9);
    QCOMPARE(list.first(), u"192.168.5.5"_s);
    QCOMPARE(list.last(), u"10.0.0.8"_s);
    QVERIFY(!list.contains(u"10.0.0.9"_s));
    // Key 9 is overwritten, the others stay.
    QCOMPARE(readBytes(settingsPath()), historySection(9).replace("9=10.0.0.9", "9=192.168.5.5"));
    // The next start shows the file's content, key order.
    QCOMPARE(history::load(ini).last(), u"192.168.5.5"_s);
    QCOMPARE(history::load(ini).first(), u"10.0.0.1"_s);
}

void TestAddressHistory::rememberShortensALongListByOne()
{
    writeBytes(settingsPath(), historySection(12));
    IniFile ini(settingsPath());
    QStringList list = history::load(ini);
    QCOMPARE(history::remember(list, ini, u"192.168.5.5"_s), history::Remember::Added);
    QCOMPARE(list.size(), 12);
    QCOMPARE(list.last(), u"10.0.0.11"_s);
    QCOMPARE(readBytes(settingsPath()), historySection(12).replace("12=10.0.0.12", "12=192.168.5.5"));
}

void TestAddressHistory::rememberWriteFailure()
{
    IniFile ini(writefailure::pathUnderFile(m_dir->path(), u"ConfDefault.ini"_s));
    QStringList list{u"10.0.0.1"_s};
    QCOMPARE(history::remember(list, ini, u"10.0.0.2"_s), history::Remember::WriteFailed);
    // The list keeps the inserted address.
    QCOMPARE(list, (QStringList{u"10.0.0.2"_s, u"10.0.0.1"_s}));
    QVERIFY(!ini.exists());
}

void TestAddressHistory::clearThenReloadIsEmpty()
{
    writeBytes(settingsPath(), "[Rede]\r\nTimeOutRede=1000\r\n" + historySection(3) + "[Arquivo]\r\nCaminho=C:\\\r\n");
    IniFile ini(settingsPath());
    QCOMPARE(history::load(ini).size(), 3);
    QVERIFY(history::clear(ini));
    QVERIFY(ini.exists());
    QCOMPARE(readBytes(settingsPath()), QByteArray("[Rede]\r\nTimeOutRede=1000\r\n[Arquivo]\r\nCaminho=C:\\\r\n"));
    QCOMPARE(history::load(IniFile(settingsPath())), QStringList());

    IniFile blocked(writefailure::pathUnderFile(m_dir->path(), u"ConfDefault.ini"_s));
    QVERIFY(history::clear(blocked)); // nothing there to erase
}

void TestAddressHistory::joinLocalAddresses()
{
    const QList<LocalInterface> interfaces{
        makeInterface(3, true, false, {u"192.168.1.20"_s, u"fe80::1"_s, u"192.168.2.20"_s}),
        makeInterface(1, true, true, {u"127.0.0.1"_s}),
        makeInterface(2, true, false, {u"10.0.0.5"_s, u"127.0.1.1"_s}),
        makeInterface(4, false, false, {u"172.16.0.9"_s}),
        makeInterface(5, true, false, {u"2001:db8::5"_s}),
    };
    QCOMPARE(::joinLocalAddresses(interfaces), u"10.0.0.5\\192.168.1.20\\192.168.2.20"_s);
    QCOMPARE(::joinLocalAddresses({}), QString());
    QCOMPARE(::joinLocalAddresses({makeInterface(1, true, true, {u"127.0.0.1"_s})}), QString());
    // Feeds the seeding unchanged.
    QCOMPARE(history::seedEntries(::joinLocalAddresses(interfaces)),
             (QStringList{u"10.0.0.100"_s, u"192.168.1.100"_s, u"192.168.2.100"_s}));
}

void TestAddressHistory::localAddressesAreIPv4WithoutLoopback()
{
    const QString local = GetLocalAddresses();
    if (local.isEmpty())
        QSKIP("this host has no IPv4 address besides loopback");
    for (const QString& part : local.split(u'\\')) {
        const QHostAddress address(part);
        QCOMPARE(address.protocol(), QAbstractSocket::IPv4Protocol);
        QVERIFY2(!address.isLoopback(), qPrintable(part));
        QCOMPARE(address.toString(), part);
    }
    QCOMPARE(GetLocalAddresses(), local); // a stable order
}

HX_TEST_GUILESS_MAIN(TestAddressHistory)
#include "test_addresshistory.moc"
