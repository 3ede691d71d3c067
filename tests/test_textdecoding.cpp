// How the tool reads the bytes of every text file (one rule for all), and what a text the terminal
// cannot hold as given turns into.
#include "files/csvtable.h"
#include "files/fleetfile.h"
#include "files/initext.h"
#include "image/layout.h"
#include "image/profile.h"
#include "image/textfit.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(IniText::Codec)

class TestTextDecoding : public QObject
{
    Q_OBJECT

private slots:
    void oneRuleForEveryFile_data();
    void oneRuleForEveryFile();
    void spreadsheetExportWithoutMark();
    void codePageTextReadsBackTheSame_data();
    void codePageTextReadsBackTheSame();
    void textLosses_data();
    void textLosses();
    void profileLossesTakeTheLastValue();
};

void TestTextDecoding::oneRuleForEveryFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<IniText::Codec>("codec");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("writable");

    using C = IniText::Codec;
    QTest::newRow("ASCII") << QByteArray("a=1\r\n") << C::Cp1252 << u"a=1\r\n"_s << true;
    QTest::newRow("Windows-1252 accents") << QByteArray("A\xE7\xE3o Caf\xE9") << C::Cp1252 << u"Ação Café"_s << true;
    QTest::newRow("Windows-1252 euro and quotes") << QByteArray("\x80 \x93x\x94") << C::Cp1252 << u"€ “x”"_s << true;
    QTest::newRow("UTF-8 without mark") << QByteArray("A\xC3\xA7\xC3\xA3o Caf\xC3\xA9") << C::Utf8 << u"Ação Café"_s
                                        << true;
    QTest::newRow("UTF-8 without mark, outside the code page") << QByteArray("\xC5\x81\xC3\xB3"
                                                                             "d\xC5\xBA")
                                                               << C::Utf8 << u"Łódź"_s << true;
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF"
                                                   "Caf\xC3\xA9")
                                     << C::Utf8 << u"Café"_s << true;
    QTest::newRow("UTF-8 mark, ASCII after it") << QByteArray("\xEF\xBB\xBF"
                                                              "a")
                                                << C::Utf8 << u"a"_s << true;
    QTest::newRow("UTF-8 mark, Windows-1252 after it") << QByteArray("\xEF\xBB\xBF"
                                                                     "Caf\xE9")
                                                       << C::Cp1252 << u"Café"_s << false;
    QTest::newRow("UTF-8 and a stray Windows-1252 byte")
        << QByteArray("A\xC3\xA7\xC3\xA3o Caf\xE9") << C::Cp1252 << u"AÃ§Ã£o Café"_s << true;
    QTest::newRow("encoded surrogate is no UTF-8") << QByteArray("\xED\xA0\x80") << C::Cp1252 << u"í\u00A0€"_s << true;
    QTest::newRow("overlong slash is no UTF-8") << QByteArray("\xC0\xAF") << C::Cp1252 << u"À¯"_s << true;
    QTest::newRow("cut multi-byte sequence") << QByteArray("Caf\xC3") << C::Cp1252 << u"CafÃ"_s << true;
    QTest::newRow("UTF-16 little-endian") << QByteArray("\xFF\xFE"
                                                        "a\0\xE7\0",
                                                        6)
                                          << C::Utf16Le << u"aç"_s << true;
    QTest::newRow("UTF-16 big-endian") << QByteArray("\xFE\xFF\0a\0\xE7", 6) << C::Utf16Be << u"aç"_s << true;
}

void TestTextDecoding::oneRuleForEveryFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(IniText::Codec, codec);
    QFETCH(QString, text);
    QFETCH(bool, writable);

    const std::optional<IniText> decoded = initext::decode(bytes);
    QVERIFY(decoded);
    QCOMPARE(decoded->codec, codec);
    QCOMPARE(decoded->text, text);
    QCOMPARE(decoded->writable, writable);
    // An unedited file is given back byte for byte, in the form it came in.
    QCOMPARE(initext::encode(*decoded), bytes);
}

// A fleet file as a spreadsheet saves it in UTF-8: no mark, semicolons, CR LF.
void TestTextDecoding::spreadsheetExportWithoutMark()
{
    const QByteArray bytes = "address;password;Conexao.Login;Protocolo.ConexaoTelNet\r\n"
                             "10.0.0.1;123456;A\xC3\xA7\xC3\xA3o Caf\xC3\xA9;\"x;y\"\r\n";
    const auto parsed = parseFleetFile(bytes);
    QVERIFY(parsed.ok());
    const FleetFile& file = parsed.value();
    QCOMPARE(file.separator, ';');
    QCOMPARE(file.rows.size(), 1);
    const image::Profile expected = {{u"Conexao"_s, u"Login"_s, u"Ação Café"_s, image::Origin::Request},
                                     {u"Protocolo"_s, u"ConexaoTelNet"_s, u"x;y"_s, image::Origin::Request}};
    QCOMPARE(file.rows.first().values, expected);
}

void TestTextDecoding::codePageTextReadsBackTheSame_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("accents") << u"Ação"_s << QByteArray("A\xE7\xE3o");
    QTest::newRow("ASCII") << u"a=1"_s << QByteArray("a=1");
    // In Windows-1252 these would be the UTF-8 of "é" and be read as such.
    QTest::newRow("looks like UTF-8") << u"Login=Ã©"_s << QByteArray("Login=\xC3\x83\xC2\xA9");
    QTest::newRow("looks like UTF-8, and a character the code page lacks")
        << u"Ã©Ł"_s << QByteArray("\xC3\x83\xC2\xA9\xC5\x81");
    // In Windows-1252 these would begin with a byte-order mark and be read as UTF-16 or UTF-8.
    QTest::newRow("begins like UTF-16") << u"ÿþ; a"_s << QByteArray("\xC3\xBF\xC3\xBE; a");
    QTest::newRow("begins like UTF-16, big end first") << u"þÿ"_s << QByteArray("\xC3\xBE\xC3\xBF");
    QTest::newRow("begins like the UTF-8 mark") << u"ï»¿x"_s << QByteArray("\xC3\xAF\xC2\xBB\xC2\xBFx");
}

// Whatever the text, what the tool writes in the code page reads back as the same text.
void TestTextDecoding::codePageTextReadsBackTheSame()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);

    const QByteArray written = initext::encode({{}, IniText::Codec::Cp1252, text});
    QCOMPARE(written, bytes);
    const std::optional<IniText> back = initext::decode(written);
    QVERIFY(back);
    QCOMPARE(back->text, text);
}

void TestTextDecoding::textLosses_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected"); // empty: nothing lost

    QTest::newRow("held whole") << u"VLogin"_s << u"Ação Café"_s << QString();
    QTest::newRow("a question mark of its own") << u"VLogin"_s << u"a?b"_s << QString();
    QTest::newRow("exactly the field") << u"VCNPJ"_s << u"1234567890123456"_s << QString();
    QTest::newRow("a character the code page lacks")
        << u"VLogin"_s << u"Łukasz"_s
        << u"Login [Conexao.Login]: \"Łukasz\" será gravado como \"?ukasz\": \"?\" no lugar de \"Ł\", que o "
           "Windows-1252 do terminal não tem"_s;
    QTest::newRow("two lacking characters, each named once")
        << u"VLogin"_s << u"Łódź Łódź"_s
        << u"Login [Conexao.Login]: \"Łódź Łódź\" será gravado como \"?ód? ?ód?\": \"?\" no lugar de \"Ł\", "
           "\"ź\", que o Windows-1252 do terminal não tem"_s;
    QTest::newRow("outside the BMP is one character")
        << u"VLogin"_s << u"a\U0001F600b"_s
        << u"Login [Conexao.Login]: \"a\U0001F600b\" será gravado como \"a?b\": \"?\" no lugar de \"\U0001F600\", que "
           "o Windows-1252 do terminal não tem"_s;
    QTest::newRow("longer than the field")
        << u"VCNPJ"_s << u"12.345.678/0001-90"_s
        << u"CNPJ [Conexao.CNPJ]: \"12.345.678/0001-90\" será gravado como \"12.345.678/0001-\": cortado em 16 "
           "caracteres, o tamanho do campo"_s;
    QTest::newRow("both")
        << u"VLogin"_s << u"Łukasz Łukasz Łukasz"_s
        << u"Login [Conexao.Login]: \"Łukasz Łukasz Łukasz\" será gravado como \"?ukasz ?ukasz ?u\": \"?\" no lugar "
           "de \"Ł\", que o Windows-1252 do terminal não tem; cortado em 16 caracteres, o tamanho do campo"_s;
    QTest::newRow("a list is no text") << u"cbBaud0"_s << u"Łódź"_s << QString();
}

void TestTextDecoding::textLosses()
{
    QFETCH(QString, control);
    QFETCH(QString, value);
    QFETCH(QString, expected);

    const std::optional<image::TextLoss> loss = image::textLoss(*image::fieldOf(control.toStdString()), value);
    QCOMPARE(loss ? loss->text() : QString(), expected);
}

void TestTextDecoding::profileLossesTakeTheLastValue()
{
    const image::Profile profile = {{u"Conexao"_s, u"Login"_s, u"Łukasz"_s},
                                    {u"Seriais"_s, u"BaudRate0"_s, u"Łódź"_s},
                                    {u"Conexao"_s, u"CNPJ"_s, u"12345678901234567"_s},
                                    {u"conexao"_s, u"login"_s, u"Lukasz"_s}};
    const QList<image::TextLoss> losses = image::textLosses(profile);
    QCOMPARE(losses.size(), 1);
    QCOMPARE(losses.first().field, image::fieldOf("VCNPJ"));
    QCOMPARE(losses.first().written, u"1234567890123456"_s);
    QCOMPARE(losses.first().limit, 16);
}

QTEST_GUILESS_MAIN(TestTextDecoding)
#include "test_textdecoding.moc"
