// The configuration model without widgets: the field table, readable values, the company-default
// rules applied to an image (extension keys included), the Gravar preparation, differences and the
// log record of an image.
#include "image/differences.h"
#include "image/imagerecord.h"
#include "image/profile.h"
#include "image/readable.h"
#include "image/writeprep.h"
#include "imagebuilders.h"
#include "imagegen.h"
#include "testprogram.h"

#include <QSet>
#include <QTest>

using namespace image;

namespace
{

const Field& at(const char* control)
{
    return *fieldOf(control);
}

QString shown(const char* control, const QByteArray& image)
{
    return readableValue(at(control), image);
}

ApplyResult apply(const QByteArray& image, const QList<ProfileEntry>& entries)
{
    return applyProfile(image, entries);
}

int byteAfter(const QByteArray& image, const QList<ProfileEntry>& entries, int i)
{
    const ApplyResult result = apply(image, entries);
    return result.problems.isEmpty() ? quint8(result.image.at(i)) : -1;
}

bool editable(const Field& field)
{
    switch (field.kind) {
    case Kind::FrameStart:
    case Kind::Letter:
    case Kind::Mac:
    case Kind::NewPassword:
    case Kind::Reserved:
        return false;
    default:
        return true;
    }
}

// "byte 12" for every editable byte where the two differ.
QString editableDiff(const QByteArray& actual, const QByteArray& expected)
{
    QStringList out;
    for (const Field& field : layout()) {
        if (!editable(field))
            continue;
        for (int i = field.first; i < field.first + field.width; ++i) {
            if (actual.at(i) != expected.at(i))
                out.append(QStringLiteral("%1 byte %2: %3 != %4")
                               .arg(captionOf(field))
                               .arg(i)
                               .arg(quint8(actual.at(i)))
                               .arg(quint8(expected.at(i))));
        }
    }
    return out.join(QStringLiteral("; "));
}

QByteArray withBytes(QByteArray image, const QList<QPair<int, int>>& bytes)
{
    for (const auto& [i, value] : bytes)
        image[i] = char(value);
    return image;
}

} // namespace

class TestConfigModel : public QObject
{
    Q_OBJECT

private slots:
    void tableKeysAndOrder();
    void readableValues();
    void workingCopyAfterARead();
    void absentKeysGiveTheBytesAsRead();
    void companyRules();
    void valuesNamingNoItemAreProblems();
    void tcpRoleAndItsExtension();
    void extensionKeys();
    void editorOutcomeOfAKey_data();
    void editorOutcomeOfAKey();
    void editorStopsAtANonNumber();
    void textKeys();
    void profileEntries();
    void profileOfSaysEveryKey();
    void readableKeysReproduceAnotherImage();
    void secondApplyChangesNothing();
    void writePreparation();
    void differencesFieldByField();
    void logRecordOfAnImage();
};

void TestConfigModel::tableKeysAndOrder()
{
    // The "Default" button's 42 rows (ConexaoTCP carries "Tipo") and the four extension keys, read
    // in one order, every key once.
    const auto keyed = keyedFields();
    QCOMPARE(keyed.size(), std::size_t(46));
    QSet<QString> names;
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        const Field& f = *keyed[i];
        QCOMPARE(f.order, int(i) + 1);
        QCOMPARE(f.extension, f.order > 42);
        QVERIFY(!sectionOf(f).isEmpty());
        const QString name = sectionOf(f) + QLatin1Char('.') + keyOf(f).toLower();
        QVERIFY2(!names.contains(name), qPrintable(name));
        names.insert(name);
        QCOMPARE(fieldOfKey(sectionOf(f).toUpper(), keyOf(f).toLower()), &f);
    }
    QCOMPARE(keyOf(*keyed.front()), QStringLiteral("TimeOutRede"));
    QCOMPARE(keyOf(*keyed[4]), QStringLiteral("ConexaoTCP"));
    QCOMPARE(fieldOfKey(QStringLiteral("Conexao"), QStringLiteral("Tipo")), keyed[4]);
    QCOMPARE(keyOf(*keyed[41]), QStringLiteral("TimeOut1"));
    QStringList extension;
    for (std::size_t i = 42; i < keyed.size(); ++i)
        extension.append(sectionOf(*keyed[i]) + QLatin1Char('.') + keyOf(*keyed[i]));
    QCOMPARE(extension, (QStringList{QStringLiteral("Gerais.Interface2G"), QStringLiteral("Gerais.NumTerminal"),
                                     QStringLiteral("Gerais.CanalBase"), QStringLiteral("Gerais.Taxa")}));
    QVERIFY(!fieldOfKey(QStringLiteral("Rede"), QStringLiteral("Tipo")));
    QVERIFY(!fieldOfKey(QStringLiteral("HXConfig"), QStringLiteral("IP1")));

    QCOMPARE(pageOf(at("VIpLocal")), QStringLiteral("Conexão"));
    QCOMPARE(sectionOf(at("VIpLocal")), QStringLiteral("Conexao"));
    QCOMPARE(captionOf(at("cbParidade1")), QStringLiteral("Paridade COM 1"));
    QCOMPARE(captionOf(layout()[14]), QStringLiteral("Reservado (byte 14)"));
    QCOMPARE(captionOf(layout()[50]), QStringLiteral("Reservado (bytes 144..169)"));
    QCOMPARE(itemTexts(at("cbNumTerm")).size(), 100);
    QCOMPARE(itemTexts(at("cbNumTerm")).at(42), QStringLiteral("42"));
    QCOMPARE(itemTexts(at("cbParidade0")),
             (QStringList{QStringLiteral("Sem"), QStringLiteral("Par"), QStringLiteral("Ímpar")}));
    QCOMPARE(namedItem(at("cbParidade0"), QStringLiteral("íMPAR")), 2);
    QCOMPARE(namedItem(at("cbParidade0"), QStringLiteral("Impar")), -1);
}

void TestConfigModel::readableValues()
{
    const QByteArray rich = richImage();
    QCOMPARE(shown("VIpLocal", rich), QStringLiteral("192.168.0.50"));
    QCOMPARE(shown("edMac", rich), QStringLiteral("0050C2A1B2C3"));
    QCOMPARE(shown("edTimeout0", rich), QStringLiteral("010")); // byte 137 is not shown
    QCOMPARE(shown("cbBaud0", rich), QString());                // 9: beyond the list
    QCOMPARE(valueText(at("cbBaud0"), rich), QStringLiteral("(9)"));
    QCOMPARE(shown("cbParidade1", rich), QStringLiteral("Ímpar"));
    QCOMPARE(shown("cbNumTerm", rich), QStringLiteral("07"));
    QCOMPARE(shown("cbCanalBase", rich), QStringLiteral("42"));
    QCOMPARE(shown("cbTaxa", rich), QStringLiteral("1 Mbit/s"));
    QCOMPARE(shown("cbInterface2G", rich), QStringLiteral("Sim")); // 5 counts as on
    QCOMPARE(shown("cbCom0", rich), QStringLiteral("Sim"));        // 0x80 too
    QCOMPARE(shown("cbConexaoTCP", rich), QStringLiteral("Server"));
    QCOMPARE(shown("HabTelNet", rich), QStringLiteral("TelNet")); // 5 shows TelNet
    QCOMPARE(shown("cbSincronismoVideo", rich), QStringLiteral("H+   V+"));
    QCOMPARE(shown("cbVelocidade", rich), QStringLiteral("100 Mbis/s"));
    QCOMPARE(shown("VNovaSenha", rich), QString());
    QCOMPARE(readableValue(layout()[14], rich), QString());

    // The 2.4 GHz boxes stay empty while the interface is off; their values are still there.
    const QByteArray radioOff = withBytes(rich, {{15, 0}});
    QCOMPARE(shown("cbInterface2G", radioOff), QStringLiteral("Não"));
    QCOMPARE(shown("cbNumTerm", radioOff), QString());
    QCOMPARE(shown("cbTaxa", radioOff), QString());
    QCOMPARE(valueText(at("cbNumTerm"), radioOff), QStringLiteral("07"));

    // A zero byte inside a text is skipped; a short text ends at its first zero byte.
    QByteArray holes = rich;
    holes.replace(20, 16,
                  QByteArray("192\0"
                             "1\0\0\0\0\0\0\0\0\0\0\0",
                             16));
    holes.replace(102, 2,
                  QByteArray("\0"
                             "5",
                             2));
    holes.replace(108, 2, QByteArray("5\0", 2));
    QCOMPARE(shown("VIpLocal", holes), QStringLiteral("1921"));
    QCOMPARE(shown("edRetries", holes), QString());
    QCOMPARE(shown("edDelay", holes), QStringLiteral("5"));
    // Text bytes are Windows-1252.
    holes[41] = char(0x80);
    holes[42] = char(0xE9);
    QCOMPARE(shown("VIpRemoto", holes).left(2), QString(QChar(0x20AC)) + QChar(0xE9));

    // Roles and protocols beyond their codes.
    QCOMPARE(shown("cbConexaoTCP", withBytes(rich, {{19, 0}})), QStringLiteral("Nenhum"));
    QCOMPARE(shown("cbConexaoTCP", withBytes(rich, {{19, 7}})), QStringLiteral("Nenhum"));
    QCOMPARE(valueText(at("cbConexaoTCP"), withBytes(rich, {{19, 7}})), QStringLiteral("(7)"));
    QCOMPARE(shown("HabTelNet", withBytes(rich, {{107, 0}})), QStringLiteral("VT - 100"));
    QCOMPARE(shown("HabTelNet", withBytes(rich, {{107, 1}})), QStringLiteral("Corvale"));
}

void TestConfigModel::workingCopyAfterARead()
{
    // The decoder's check reactions store 1 for any non-zero flag and 2 for an unknown protocol;
    // a role beyond 3 is shown as none and kept.
    QByteArray image = withBytes(richImage(), {{19, 7}});
    const QByteArray expected = withBytes(image, {{1, 'G'}, {15, 1}, {107, 2}, {130, 1}});
    QVERIFY2(workingCopyAfterRead(image) == expected, qPrintable(diff(workingCopyAfterRead(image), expected)));

    // A short reply fills what it covers; its next byte and the rest are zero.
    const QByteArray shortReply = richImage().left(100);
    QByteArray fromShort = QByteArray(260, '\0');
    fromShort.replace(0, 100, shortReply);
    fromShort[1] = 'G';
    fromShort[15] = 1;
    fromShort[107] = 0;
    QCOMPARE(workingCopyAfterRead(shortReply), fromShort);
}

void TestConfigModel::absentKeysGiveTheBytesAsRead()
{
    // No key at all: every choice, flag and code byte as read (not as the decoder left it), texts
    // and the extension bytes as the decoder left them.
    const QByteArray rich = richImage();
    const ApplyResult result = apply(rich, {});
    QVERIFY(result.problems.isEmpty());
    const QByteArray expected = withBytes(rich, {{1, 'G'}, {15, 1}});
    QVERIFY2(result.image == expected, qPrintable(diff(result.image, expected)));

    // Keys of other sections and unknown keys change nothing either.
    const ApplyResult other =
        apply(rich, {{QStringLiteral("HXConfig"), QStringLiteral("TimeOutRede"), QStringLiteral("2000")},
                     {QStringLiteral("Rede"), QStringLiteral("Desconhecida"), QStringLiteral("x")}});
    QCOMPARE(other.image, expected);
    QVERIFY(other.problems.isEmpty());
}

void TestConfigModel::companyRules()
{
    const QByteArray rich = richImage();
    const auto rede = [](const char* key, const QString& value) {
        return ProfileEntry{QStringLiteral("Rede"), QString::fromLatin1(key), value};
    };
    QCOMPARE(byteAfter(rich, {rede("VelocRede", QStringLiteral("Automatico"))}, 104), 0);
    QCOMPARE(byteAfter(rich, {rede("VelocRede", QStringLiteral("100 MBIS/S"))}, 104), 2);
    QCOMPARE(byteAfter(rich, {rede("VelocRede", QStringLiteral("automático"))}, 104), 0);
    QCOMPARE(byteAfter(rich, {rede("Half/Full", QStringLiteral("half duplex"))}, 105), 0);
    // Section and key names ignore letter case; the last entry of a key wins.
    QCOMPARE(byteAfter(rich,
                       {{QStringLiteral("rede"), QStringLiteral("HALF/FULL"), QStringLiteral("Half Duplex")},
                        rede("Half/Full", QStringLiteral("Full Duplex"))},
                       105),
             1);

    const auto gerais = [](const char* key, const char* value) {
        return ProfileEntry{QStringLiteral("Gerais"), QString::fromLatin1(key), QString::fromUtf8(value)};
    };
    // "Nao" without tilde is off; anything else, "Não" included, is on.
    QCOMPARE(byteAfter(rich, {gerais("LCM", "Nao")}, 133), 0);
    QCOMPARE(byteAfter(rich, {gerais("LCM", "Não")}, 133), 1);
    QCOMPARE(byteAfter(rich, {gerais("TecladoTouch", "nao")}, 110), 1);
    QCOMPARE(byteAfter(rich, {gerais("SincronismoVideo", "2")}, 111), 2);
    QCOMPARE(byteAfter(rich, {gerais("SincronismoVideo", " 0 ")}, 111), 0);
    QCOMPARE(byteAfter(rich, {gerais("Acionamento", "SAÍDA")}, 13), 1);

    const auto seriais = [](const char* key, const char* value) {
        return ProfileEntry{QStringLiteral("Seriais"), QString::fromLatin1(key), QString::fromUtf8(value)};
    };
    QCOMPARE(byteAfter(rich, {seriais("Habilitado1", "Não")}, 131), 1);
    QCOMPARE(byteAfter(rich, {seriais("Habilitado0", "Nao")}, 130), 0);
    QCOMPARE(byteAfter(rich, {seriais("Habilitado0", "Sim")}, 130), 1);
    QCOMPARE(byteAfter(rich, {seriais("BaudRate0", "9600")}, 2), 3);
    QCOMPARE(byteAfter(rich, {seriais("FlagSerial1", "Sim")}, 63), 1);

    const auto protocol = [](const char* value) {
        return ProfileEntry{QStringLiteral("Protocolo"), QStringLiteral("ProtEmulado"), QString::fromLatin1(value)};
    };
    QCOMPARE(byteAfter(rich, {protocol("VT-100")}, 107), 0);
    QCOMPARE(byteAfter(rich, {protocol("Corvale")}, 107), 1);
    QCOMPARE(byteAfter(rich, {protocol("vt-100")}, 107), 2);
    QCOMPARE(byteAfter(rich, {protocol("VT - 100")}, 107), 2);
}

void TestConfigModel::valuesNamingNoItemAreProblems()
{
    const QByteArray rich = richImage();
    const ApplyResult result =
        apply(rich, {{QStringLiteral("Rede"), QStringLiteral("VelocRede"), QStringLiteral("100 Mbit/s")},
                     {QStringLiteral("Seriais"), QStringLiteral("Paridade0"), QStringLiteral("Impar")},
                     {QStringLiteral("Gerais"), QStringLiteral("SincronismoVideo"), QStringLiteral("7")},
                     {QStringLiteral("gerais"), QStringLiteral("numterminal"), QStringLiteral("100")},
                     {QStringLiteral("Seriais"), QStringLiteral("BaudRate1"), QStringLiteral("9600")}});
    QCOMPARE(result.problems.size(), 4);
    QCOMPARE(result.problems[0], (ProfileProblem{QStringLiteral("Rede"),
                                                 QStringLiteral("VelocRede"),
                                                 QStringLiteral("100 Mbit/s"),
                                                 {QStringLiteral("Automatico"), QStringLiteral("Automático"),
                                                  QStringLiteral("10 Mbit/s"), QStringLiteral("100 Mbis/s")}}));
    QCOMPARE(result.problems[0].text(),
             QStringLiteral("Valor não aceito em [Rede] VelocRede=100 Mbit/s; valores aceitos: \"Automatico\", "
                            "\"Automático\", \"10 Mbit/s\", \"100 Mbis/s\""));
    // In the reading order of the keys.
    QCOMPARE(result.problems[2].text(), QStringLiteral("Valor não aceito em [Seriais] Paridade0=Impar; valores "
                                                       "aceitos: \"Sem\", \"Par\", \"Ímpar\""));
    QCOMPARE(result.problems[1].accepted,
             (QStringList{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    QCOMPARE(result.problems[3].section, QStringLiteral("Gerais"));
    QCOMPARE(result.problems[3].key, QStringLiteral("NumTerminal"));
    QCOMPARE(result.problems[3].accepted.size(), 100);
    QCOMPARE(result.problems[3].text(),
             QStringLiteral("Valor não aceito em [Gerais] NumTerminal=100; valores aceitos: \"00\" a \"99\""));

    // Not a number, a negative index: problems too, never the byte 255.
    for (const char* value : {"abc", "-1", "4", ""}) {
        const ApplyResult sync =
            apply(rich, {{QStringLiteral("Gerais"), QStringLiteral("SincronismoVideo"), QString::fromLatin1(value)}});
        QCOMPARE(sync.problems.size(), *value ? 1 : 0);
        if (!*value)
            QCOMPARE(quint8(sync.image.at(111)), quint8(3)); // empty is absent
    }
}

void TestConfigModel::tcpRoleAndItsExtension()
{
    const QByteArray image = withBytes(richImage(), {{19, 7}}); // as read: no role shown, 7 kept
    const auto role = [&image](const char* connection, const char* kind) {
        QList<ProfileEntry> entries;
        if (connection)
            entries.append({QStringLiteral("Conexao"), QStringLiteral("ConexaoTCP"), QString::fromLatin1(connection)});
        if (kind)
            entries.append({QStringLiteral("Conexao"), QStringLiteral("Tipo"), QString::fromLatin1(kind)});
        return byteAfter(image, entries, 19);
    };
    QCOMPARE(role("Sim", "Client"), 1);
    QCOMPARE(role("Sim", "Server"), 2);
    QCOMPARE(role("Sim", "System"), 3);
    QCOMPARE(role("Sim", "server"), 3); // fixed words are case-sensitive: anything else is System
    QCOMPARE(role("Sim", "Outro"), 3);
    QCOMPARE(role("Sim", nullptr), 7);  // "Tipo" left out: the byte as read
    QCOMPARE(role("Nao", "Client"), 7); // "Tipo" is read only after "Sim"
    QCOMPARE(role("sim", "Client"), 7); // "Sim" is case-sensitive
    QCOMPARE(role(nullptr, nullptr), 7);
    // Extension: "Tipo=Nenhum" beside a "ConexaoTCP" other than "Sim" says no role.
    QCOMPARE(role("Nao", "Nenhum"), 0);
    QCOMPARE(role(nullptr, "Nenhum"), 0);
    QCOMPARE(role("Nao", "nenhum"), 7);
    // With "Sim" it contradicts the box: a problem, not the System role "Default" would pick.
    const ApplyResult both =
        apply(image, {{QStringLiteral("Conexao"), QStringLiteral("ConexaoTCP"), QStringLiteral("Sim")},
                      {QStringLiteral("Conexao"), QStringLiteral("Tipo"), QStringLiteral("Nenhum")}});
    QCOMPARE(both.problems.size(), 1);
    QCOMPARE(both.problems[0].key, QStringLiteral("Tipo"));
    QCOMPARE(both.problems[0].accepted,
             (QStringList{QStringLiteral("Client"), QStringLiteral("Server"), QStringLiteral("System")}));
    // The message names the key that makes "Nenhum" wrong.
    QCOMPARE(both.problems[0].text(), QStringLiteral("Valor não aceito em [Conexao] Tipo=Nenhum com ConexaoTCP=Sim; "
                                                     "valores aceitos: \"Client\", \"Server\", \"System\""));
}

void TestConfigModel::extensionKeys()
{
    const QByteArray rich = richImage(); // radio on (5), terminal 7, channel 42, rate 1
    const auto gerais = [](const char* key, const char* value) {
        return ProfileEntry{QStringLiteral("Gerais"), QString::fromLatin1(key), QString::fromLatin1(value)};
    };
    QCOMPARE(byteAfter(rich, {gerais("Interface2G", "Nao")}, 15), 0);
    QCOMPARE(byteAfter(rich, {gerais("Interface2G", "Sim")}, 15), 1);
    QCOMPARE(byteAfter(rich, {}, 15), 1); // absent: as the decoder left it, not as read
    QCOMPARE(byteAfter(rich, {gerais("NumTerminal", "3")}, 16), 3);
    QCOMPARE(byteAfter(rich, {gerais("NumTerminal", "09")}, 16), 9);
    QCOMPARE(byteAfter(rich, {gerais("CanalBase", "99")}, 17), 99);
    QCOMPARE(byteAfter(rich, {gerais("CanalBase", "-1")}, 17), -1);
    QCOMPARE(byteAfter(rich, {gerais("Taxa", "250 KBIT/S")}, 18), 0);
    QCOMPARE(byteAfter(rich, {gerais("Taxa", "2 Mbit/s")}, 18), -1);
    // Values go in while the interface is switched off, as the COM columns take theirs.
    const ApplyResult off = apply(rich, {gerais("Interface2G", "Nao"), gerais("NumTerminal", "12")});
    QCOMPARE(quint8(off.image.at(15)), quint8(0));
    QCOMPARE(quint8(off.image.at(16)), quint8(12));
}

namespace
{

// The loads of one field, as "Select 3", "Restore", "SwitchOn", "Text abc", "Stop <error>".
QStringList loadsOf(const ApplyResult& result, const Field& field)
{
    static const QStringList names = {QStringLiteral("Restore"), QStringLiteral("Text"), QStringLiteral("Select"),
                                      QStringLiteral("SwitchOn"), QStringLiteral("Stop")};
    QStringList out;
    for (const FieldLoad& load : result.loads) {
        if (load.field != &field)
            continue;
        QString line = names.at(int(load.action));
        if (load.action == FieldLoad::Action::Select)
            line += QLatin1Char(' ') + QString::number(load.code);
        else if (!load.text.isEmpty())
            line += QLatin1Char(' ') + load.text;
        out.append(line);
    }
    return out;
}

// A buffer after a read of the rich image, with the user's edits on top: COM 0 on, keyboard
// "65 Teclas", login "x".
ImageBuffer editedBuffer()
{
    ImageBuffer buffer;
    buffer.takeReadReply(richImage());
    buffer.setWorking(130, 1);
    buffer.setWorking(12, 3);
    buffer.storeField(194, 16, "x", false);
    return buffer;
}

} // namespace

void TestConfigModel::editorOutcomeOfAKey_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("extensions");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("loads");
    QTest::addColumn<int>("byte"); // the field's first byte afterwards

    struct Row {
        const char* name;
        const char* section;
        const char* key;
        const char* value;
        bool extensions;
        const char* control;
        const char* load; // the field's one load; empty for none
        int byte;
    };
    const auto asRead = [](int i) { return int(quint8(richImage().at(i))); };
    const Row rows[] = {
        // A value naming no item selects none: the byte 255, no problem.
        {"no item", "Rede", "VelocRede", "100 Mbit/s", false, "cbVelocidade", "Select -1", 255},
        {"Automatico", "Rede", "VelocRede", "Automatico", false, "cbVelocidade", "Select 0", 0},
        {"index out of list", "Gerais", "SincronismoVideo", "7", false, "cbSincronismoVideo", "Select -1", 255},
        {"index", "Gerais", "SincronismoVideo", " 2", false, "cbSincronismoVideo", "Select 2", 2},
        // On top of the user's edits: an absent choice goes back to the byte read, a text stays.
        {"absent choice", "Gerais", "LCM", "", false, "cbTeclado", "Restore", asRead(12)},
        {"absent text", "Gerais", "LCM", "", false, "VLogin", "", 'x'},
        {"text", "Conexao", "Login", "abc", false, "VLogin", "Text abc", 'a'},
        {"yes/no", "Seriais", "Habilitado0", "Nao", false, "cbCom0", "Select 0", 0},
        // "Tipo=Nenhum" belongs to the configuration file: "Default" takes the byte as read.
        {"no role without extensions", "Conexao", "Tipo", "Nenhum", false, "cbConexaoTCP", "Restore", asRead(19)},
        {"no role with extensions", "Conexao", "Tipo", "Nenhum", true, "cbConexaoTCP", "Select 0", 0},
        {"connection without a role", "Conexao", "ConexaoTCP", "Sim", false, "cbConexaoTCP", "SwitchOn", asRead(19)},
        // "Default" does not read the extension keys; with them, a number outside the list is left alone.
        {"extension ignored", "Gerais", "NumTerminal", "3", false, "cbNumTerm", "", asRead(16)},
        {"extension out of list", "Gerais", "NumTerminal", "100", true, "cbNumTerm", "", asRead(16)},
        {"extension", "Gerais", "NumTerminal", "3", true, "cbNumTerm", "Select 3", 3},
    };
    for (const Row& row : rows) {
        QTest::newRow(row.name) << QString::fromUtf8(row.section) << QString::fromUtf8(row.key)
                                << QString::fromUtf8(row.value) << row.extensions << QString::fromUtf8(row.control)
                                << (*row.load ? QStringList{QString::fromUtf8(row.load)} : QStringList()) << row.byte;
    }
}

void TestConfigModel::editorOutcomeOfAKey()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(bool, extensions);
    QFETCH(QString, control);
    QFETCH(QStringList, loads);
    QFETCH(int, byte);

    Profile profile{{section, key, value}};
    if (key == QLatin1String("Tipo")) // "Tipo" beside a connection other than "Sim"
        profile.prepend({section, QStringLiteral("ConexaoTCP"), QStringLiteral("Nao")});
    const ApplyResult result = applyProfile(editedBuffer(), profile, {.extensions = extensions, .asEditor = true});
    const Field& field = at(qPrintable(control));
    QVERIFY(result.problems.isEmpty());
    QCOMPARE(loadsOf(result, field), loads);
    QCOMPARE(quint8(result.image.at(field.first)), quint8(byte));
}

void TestConfigModel::editorStopsAtANonNumber()
{
    const Profile profile{{QStringLiteral("Rede"), QStringLiteral("TimeOutRede"), QStringLiteral("2000")},
                          {QStringLiteral("Gerais"), QStringLiteral("SincronismoVideo"), QStringLiteral("2x")},
                          {QStringLiteral("Seriais"), QStringLiteral("BaudRate0"), QStringLiteral("9600")}};
    const ApplyResult editor = applyProfile(editedBuffer(), profile, {.extensions = false, .asEditor = true});
    QVERIFY(editor.problems.isEmpty());
    QCOMPARE(loadsOf(editor, at("edTimeOutR")), QStringList{QStringLiteral("Text 2000")});
    // The load ends with the conversion error; the serial keys after it are not read.
    QCOMPARE(editor.loads.constLast().field, &at("cbSincronismoVideo"));
    QCOMPARE(loadsOf(editor, at("cbSincronismoVideo")),
             QStringList{QStringLiteral("Stop '2x' is not a valid integer value")});
    QVERIFY(loadsOf(editor, at("cbBaud0")).isEmpty());
    QCOMPARE(editor.image.mid(98, 4), QByteArray("2000"));

    // The model names the value instead and reads on.
    const ApplyResult model = applyProfile(editedBuffer(), profile, {});
    QCOMPARE(model.problems.size(), 1);
    QCOMPARE(model.problems[0].key, QStringLiteral("SincronismoVideo"));
    QCOMPARE(loadsOf(model, at("cbBaud0")), QStringList{QStringLiteral("Select 3")});
}

void TestConfigModel::textKeys()
{
    QByteArray image = richImage();
    image.replace(194, 16, QByteArray("oper\0ador\0\0\0\0\0\0\0", 16)); // shows "operador"
    const auto conexao = [](const char* key, const char* value) {
        return ProfileEntry{QStringLiteral("Conexao"), QString::fromLatin1(key), QString::fromUtf8(value)};
    };
    const ApplyResult result = apply(image, {conexao("IPLocal", "10.20.30.40/abcdefgh"), conexao("Login", "operador"),
                                             conexao("Password", "Segredo Ç"), conexao("CNPJ", "")});
    QVERIFY(result.problems.isEmpty());
    // Cut to the field, no zero byte; the next field untouched.
    QCOMPARE(result.image.mid(20, 16), QByteArray("10.20.30.40/abcd"));
    QCOMPARE(result.image.mid(36, 5), image.mid(36, 5));
    // The box already shows that text: no change reaction, the field keeps its bytes.
    QCOMPARE(result.image.mid(194, 16), image.mid(194, 16));
    QCOMPARE(result.image.mid(210, 16), QByteArray("Segredo \xC7\0\0\0\0\0\0\0", 16));
    QCOMPARE(result.image.mid(226, 16), image.mid(226, 16)); // empty: absent

    // The serial timeout overwrites its fourth byte with zero.
    const ApplyResult timeout =
        apply(image, {{QStringLiteral("Seriais"), QStringLiteral("TimeOut0"), QStringLiteral("7")}});
    QCOMPARE(timeout.image.mid(134, 4), QByteArray("7\0\0\0", 4));
}

void TestConfigModel::profileEntries()
{
    Profile profile{{QStringLiteral("Rede"), QStringLiteral("TimeOutRede"), QStringLiteral("2000")},
                    {QStringLiteral("Rede"), QStringLiteral("Estranha"), QStringLiteral("1")},
                    {QStringLiteral("Gerais"), QStringLiteral("LCM"), QStringLiteral("Sim")}};
    setProfileValue(profile, QStringLiteral("REDE"), QStringLiteral("timeoutrede"), QStringLiteral("2000"));
    QCOMPARE(profile.size(), 3);
    QCOMPARE(profile.last(),
             (ProfileEntry{QStringLiteral("REDE"), QStringLiteral("timeoutrede"), QStringLiteral("2000")}));
    QCOMPARE(profileValue(profile, QStringLiteral("Rede"), QStringLiteral("TimeOutRede")), QStringLiteral("2000"));
    QCOMPARE(profileValue(profile, QStringLiteral("Rede"), QStringLiteral("NumRetries")), QString());
    QCOMPARE(unknownEntries(profile),
             (Profile{{QStringLiteral("Rede"), QStringLiteral("Estranha"), QStringLiteral("1")}}));
    // A value set to nothing is absent again.
    setProfileValue(profile, QStringLiteral("Gerais"), QStringLiteral("LCM"), QString());
    QCOMPARE(byteAfter(withBytes(richImage(), {{133, 0}}), profile, 133), 0);
}

void TestConfigModel::profileOfSaysEveryKey()
{
    const Profile profile = profileOf(withBytes(richImage(), {{107, 1}}));
    QCOMPARE(profile.size(), 47); // 46 rows, the TCP role in two keys
    const auto value = [&profile](const char* section, const char* key) {
        return profileValue(profile, QString::fromLatin1(section), QString::fromLatin1(key));
    };
    QCOMPARE(value("Rede", "VelocRede"), QStringLiteral("100 Mbis/s"));
    QCOMPARE(value("Conexao", "ConexaoTCP"), QStringLiteral("Sim"));
    QCOMPARE(value("Conexao", "Tipo"), QStringLiteral("Server"));
    QCOMPARE(value("Protocolo", "ProtEmulado"), QStringLiteral("Corvale"));
    QCOMPARE(value("Gerais", "LCM"), QStringLiteral("Sim"));
    QCOMPARE(value("Gerais", "SincronismoVideo"), QStringLiteral("3"));
    QCOMPARE(value("Gerais", "Interface2G"), QStringLiteral("Sim"));
    QCOMPARE(value("Gerais", "NumTerminal"), QStringLiteral("07"));
    QCOMPARE(value("Seriais", "BaudRate0"), QString()); // 9 names no item: left empty
    QCOMPARE(value("Seriais", "Habilitado0"), QStringLiteral("Sim"));
    QCOMPARE(value("Seriais", "FlagSerial1"), QStringLiteral("Nao"));
    QCOMPARE(value("Seriais", "TimeOut0"), QStringLiteral("010"));

    const Profile none = profileOf(withBytes(richImage(), {{19, 0}, {104, 0}, {107, 0}}));
    QCOMPARE(profileValue(none, QStringLiteral("Conexao"), QStringLiteral("ConexaoTCP")), QStringLiteral("Nao"));
    QCOMPARE(profileValue(none, QStringLiteral("Conexao"), QStringLiteral("Tipo")), QStringLiteral("Nenhum"));
    QCOMPARE(profileValue(none, QStringLiteral("Rede"), QStringLiteral("VelocRede")), QStringLiteral("Automatico"));
    QCOMPARE(profileValue(none, QStringLiteral("Protocolo"), QStringLiteral("ProtEmulado")), QStringLiteral("VT-100"));
    const Profile unknownRole = profileOf(withBytes(richImage(), {{19, 9}}));
    QCOMPARE(profileValue(unknownRole, QStringLiteral("Conexao"), QStringLiteral("ConexaoTCP")), QString());
}

void TestConfigModel::readableKeysReproduceAnotherImage()
{
    for (quint32 seed = 1; seed <= 400; ++seed) {
        ImageGen gen(seed);
        const QByteArray exported = gen.readableImage();
        const QByteArray target = seed % 2 ? gen.readableImage() : gen.anyImage();
        const ApplyResult result = applyProfile(target, profileOf(exported));
        QVERIFY2(result.problems.isEmpty(), qPrintable(QString::number(seed)));
        const QByteArray wanted = workingCopyAfterRead(exported);
        QVERIFY2(editableDiff(result.image, wanted).isEmpty(),
                 qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(editableDiff(result.image, wanted))));
        // The target keeps its MAC, password and reserved bytes.
        const QByteArray own = workingCopyAfterRead(target);
        for (const Field& field : layout()) {
            if (!editable(field))
                QCOMPARE(result.image.mid(field.first, field.width), own.mid(field.first, field.width));
        }
    }
}

void TestConfigModel::secondApplyChangesNothing()
{
    // What the terminal stores after a write reads back and takes the same profile without a change.
    int applied = 0;
    for (quint32 seed = 1; seed <= 300; ++seed) {
        ImageGen gen(seed);
        const QByteArray image = gen.anyImage();
        const Profile profile = gen.companyProfile(image);
        const ApplyResult first = applyProfile(image, profile);
        if (!first.problems.isEmpty())
            continue;
        ++applied;
        QByteArray stored = first.image;
        stored[1] = 'F';
        const ApplyResult second = applyProfile(stored, profile);
        QVERIFY(second.problems.isEmpty());
        QVERIFY2(second.image == first.image,
                 qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(diff(second.image, first.image))));
    }
    QCOMPARE(applied, 300); // the generated values all name items
}

void TestConfigModel::writePreparation()
{
    QByteArray image = workingCopyAfterRead(richImage());
    image.replace(98, 4, QByteArray("50\0\0", 4));
    image.replace(134, 4, QByteArray("7\0\0\0", 4));
    image.replace(138, 4, QByteArray("12\0\0", 4));
    image.replace(102, 2, QByteArray("3\0", 2));
    image.replace(108, 2, QByteArray("5\0", 2));
    const WritePreparation prepared = prepareWrite(image, QString());
    QVERIFY(prepared.emptyFields.isEmpty());
    QVERIFY(!prepared.badNewPassword);
    QByteArray expected = image;
    expected.replace(98, 4, "0050");
    expected.replace(134, 4, QByteArray("007\0", 4));
    expected.replace(138, 4, QByteArray("012\0", 4));
    expected.replace(102, 2, "03");
    QVERIFY2(prepared.image == expected, qPrintable(diff(prepared.image, expected))); // boot delay not padded

    // Full-length texts are left alone; under the loading flag nothing is padded.
    QCOMPARE(prepareWrite(richImage(), QString()).image, richImage());
    QCOMPARE(prepareWrite(image, QString(), shownAfterRead(image), true).image, image);

    // A new password of six characters goes into bytes 170..176.
    const WritePreparation withPassword = prepareWrite(richImage(), QStringLiteral("abç123"));
    QCOMPARE(withPassword.image.mid(170, 7), QByteArray("ab\xE7"
                                                        "123\0",
                                                        7));
    QCOMPARE(withPassword.image.left(170), richImage().left(170));
    for (const char* bad : {"12345", "1234567"}) {
        const WritePreparation refused = prepareWrite(richImage(), QString::fromLatin1(bad));
        QVERIFY(refused.badNewPassword);
        QCOMPARE(refused.image.mid(170, 7), richImage().mid(170, 7));
    }

    // A short image counts as zero-filled: nothing is written beyond it.
    QCOMPARE(prepareWrite(richImage().left(100), QStringLiteral("123456")).image.size(), kImageSize);
    QCOMPARE(applyProfile(richImage().left(50), profileOf(richImage())).image.size(), kImageSize);

    // Empty text boxes are named by their captions, even the read-only MAC.
    QByteArray empty = richImage();
    empty.replace(226, 16, QByteArray(16, '\0'));
    empty.replace(114, 12, QByteArray(12, '\0'));
    empty.replace(108, 2,
                  QByteArray("\0"
                             "5",
                             2)); // shows nothing
    QCOMPARE(prepareWrite(empty, QString()).emptyFields,
             (QStringList{QStringLiteral("Boot Delay"), QStringLiteral("Mac Address"), QStringLiteral("CNPJ")}));
}

void TestConfigModel::differencesFieldByField()
{
    const QByteArray before = richImage();
    QVERIFY(differences(before, before).isEmpty());
    QByteArray after = withBytes(before, {{1, 'G'}, {2, 3}, {19, 1}, {144, 0}, {170, '9'}, {0, 0}});
    after.replace(20, 16, QByteArray("10.0.0.9\0\0\0\0\0\0\0\0", 16));
    const QList<FieldDifference> d = differences(before, after);
    const QList<FieldDifference> expected = {
        {QString(), QStringLiteral("Início do quadro"), QString(), QString(), QString(), QString()},
        {QStringLiteral("Seriais"), QStringLiteral("Baud - Rate COM 0"), QStringLiteral("Seriais"),
         QStringLiteral("BaudRate0"), QStringLiteral("(9)"), QStringLiteral("9600")},
        {QStringLiteral("Conexão"), QStringLiteral("Conexão TCP"), QStringLiteral("Conexao"), QStringLiteral("Tipo"),
         QStringLiteral("Server"), QStringLiteral("Client")},
        {QStringLiteral("Conexão"), QStringLiteral("IP Local"), QStringLiteral("Conexao"), QStringLiteral("IPLocal"),
         QStringLiteral("192.168.0.50"), QStringLiteral("10.0.0.9")},
        {QString(), QStringLiteral("Reservado (bytes 144..169)"), QString(), QString(), QString(), QString()},
        {QString(), QStringLiteral("Nova Senha"), QString(), QString(), QString(), QString()},
    };
    QCOMPARE(d, expected);
    // The 2.4 GHz values differ even while the interface is off.
    const QList<FieldDifference> hidden =
        differences(withBytes(before, {{15, 0}}), withBytes(before, {{15, 0}, {16, 8}}));
    QCOMPARE(hidden.size(), 1);
    QCOMPARE(hidden[0].from, QStringLiteral("07"));
    QCOMPARE(hidden[0].to, QStringLiteral("08"));
}

void TestConfigModel::logRecordOfAnImage()
{
    // Client role, VT-100, radio and COM 0 off: the other branches of lines 4, 8, 11 and 12.
    const QByteArray image = withBytes(richImage(), {{19, 1}, {107, 0}, {15, 0}, {130, 0}});
    const QByteArray record = logRecordOf(image, QDateTime(QDate(2026, 12, 7), QTime(3, 41)), QLocale(QLocale::C));
    const QByteArray expected = "==========07/12/26 - 03:41==========\r\n"
                                "Configuracao MAC: 0050C2A1B2C3\r\n"
                                "IP Local:192.168.0.50 Porta Local:1001 IP Remoto:192.168.0.10 Porta Remota:00023\r\n"
                                "Conexao TCP: Cliente Gateway:192.168.0.1 Mascara de Rede:255.255.255.0\r\n"
                                "Login:operador Password:segredo CNPJ:12345678000190\r\n"
                                "Velocidade: 100 Mbis/s Half/Full Duplex:Full Duplex\r\n"
                                "Timeout:1000 Retries:03\r\n"
                                "Protocolo: VT-100 Conexao Telnet:vt100\r\n"
                                "DEL:Chr(27) BackSpace:Chr(127) Imp Default:Serial\r\n"
                                "Acionamento:Entrada Teclado:44 Qwerty LCM:Sim Polaridade AT:Descida\r\n"
                                "Boot Delay: 10\r\n"
                                "Com0: OFF Timeout: 010\r\n"
                                "Baud: Paridade:Par Bits:8 Stop:2 HandShake:Nenhum Flag:Sim\r\n"
                                "Com1: ON Timeout: 020\r\n"
                                "Baud:9600 Paridade:\xCDmpar Bits:7 Stop:1 HandShake:XOn/ XOff Flag:N\xE3o\r\n" +
                                QByteArray(77, '=') + "\r\n";
    QCOMPARE(record, expected);
}

HX_TEST_GUILESS_MAIN(TestConfigModel)
#include "test_configmodel.moc"
