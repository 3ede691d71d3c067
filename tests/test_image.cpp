// The configuration image: its layout table, the buffer's intake and store rule, and the
// Windows-1252 text that crosses into it.
#include "image/cp1252.h"
#include "image/imagebuffer.h"
#include "image/layout.h"
#include "image/readable.h"
#include "image/visibletext.h"
#include "testprogram.h"

#include <QTest>

using image::ImageBuffer;

class TestImage : public QObject
{
    Q_OBJECT

private slots:
    void layoutCoversEveryByteOnce();
    void controlCharactersShownVisibly_data();
    void controlCharactersShownVisibly();
    void layoutRowsMatchTheirControls();
    void identityRows();
    void macTextSkipsZeroBytes_data();
    void macTextSkipsZeroBytes();
    void intakeOfFullShortAndLongReplies();
    void storeRuleUnderBothFlagValues();
    void connectZeroesOnly257Bytes();
    void cp1252RoundTrip();
    void cp1252UnmappableIsOneQuestionMark();
};

void TestImage::controlCharactersShownVisibly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("visible");
    QTest::addColumn<QString>("oneLine");
    QTest::newRow("plain") << QStringLiteral("0050C2A1B2C3") << QStringLiteral("0050C2A1B2C3")
                           << QStringLiteral("0050C2A1B2C3");
    QTest::newRow("accents stay") << QStringLiteral("Conexão ¿€") << QStringLiteral("Conexão ¿€")
                                  << QStringLiteral("Conexão ¿€");
    QTest::newRow("escape sequence") << QStringLiteral("\x1b]0;x\a") << QStringLiteral("\\x1B]0;x\\x07")
                                     << QStringLiteral("\x1b]0;x\a");
    QTest::newRow("line breaks") << QStringLiteral("a\r\nb\n") << QStringLiteral("a\\x0D\\x0Ab\\x0A")
                                 << QStringLiteral("a  b ");
    QTest::newRow("NUL, TAB, DEL") << QString(QChar(0)) + QStringLiteral("\t\x7f") << QStringLiteral("\\x00\\x09\\x7F")
                                   << QString(QChar(0)) + QStringLiteral("\t\x7f");
    QTest::newRow("C1 control") << QString(QChar(0x9b)) + QStringLiteral("2J") << QStringLiteral("\\x9B2J")
                                << QString(QChar(0x9b)) + QStringLiteral("2J");
}

void TestImage::controlCharactersShownVisibly()
{
    QFETCH(QString, text);
    QFETCH(QString, visible);
    QFETCH(QString, oneLine);
    QCOMPARE(image::visibleText(text), visible);
    QCOMPARE(image::oneLineText(text), oneLine);
}

void TestImage::layoutCoversEveryByteOnce()
{
    std::array<int, image::kImageSize> owners{};
    for (const image::Field& f : image::layout()) {
        QVERIFY(f.width > 0);
        for (int i = f.first; i < f.first + f.width; ++i) {
            QVERIFY2(i < image::kImageSize, qPrintable(QString::number(i)));
            ++owners[std::size_t(i)];
        }
    }
    for (int i = 0; i < image::kImageSize; ++i)
        QVERIFY2(owners[std::size_t(i)] == 1, qPrintable(QStringLiteral("byte %1").arg(i)));

    int reserved = 0;
    for (const image::Field& f : image::layout()) {
        if (f.kind == image::Kind::Reserved)
            reserved += f.width;
    }
    QCOMPARE(reserved, 54);
}

void TestImage::layoutRowsMatchTheirControls()
{
    const auto at = [](const char* name) { return image::fieldOf(name); };
    QCOMPARE(at("edTimeOutR")->first, 98);
    QCOMPARE(at("edTimeOutR")->width, 4);
    QCOMPARE(at("VIpLocal")->first, 20);
    QCOMPARE(at("VIpLocal")->width, 16);
    QCOMPARE(at("VPortaRemota")->first, 57);
    QCOMPARE(at("VCNPJ")->first, 226);
    QCOMPARE(at("edTimeout1")->first, 138);
    QCOMPARE(at("edTimeout1")->shown, 3);
    QCOMPARE(at("edDelay")->first, 108);
    QCOMPARE(at("cbTeclaDel")->first, 143);
    QCOMPARE(at("cbNumTerm")->kind, image::Kind::NumberByte);
    QCOMPARE(at("cbCom0")->first, 130);
    QCOMPARE(at("VNovaSenha")->first, 170);
    QCOMPARE(at("VNovaSenha")->width, 7);
    QVERIFY(!at("VSenhaAtual"));
    QVERIFY(!at(""));
}

void TestImage::identityRows()
{
    QCOMPARE(&image::macField(), image::fieldOf("edMac"));
    QCOMPARE(image::macField().first, 114);
    QCOMPARE(image::macField().width, 12);
    QCOMPARE(&image::ipLocalField(), image::fieldOf("VIpLocal"));
    QCOMPARE(image::ipLocalField().first, 20);
    QCOMPARE(&image::newPasswordField(), image::fieldOf("VNovaSenha"));
    QCOMPARE(image::newPasswordField().first, 170);
    QCOMPARE(image::newPasswordField().width, 7);
}

void TestImage::macTextSkipsZeroBytes_data()
{
    QTest::addColumn<QByteArray>("bytes"); // the twelve bytes of the field
    QTest::addColumn<QString>("shown");
    QTest::newRow("full") << QByteArray("0050C2A1B2C3") << QStringLiteral("0050C2A1B2C3");
    QTest::newRow("zero inside") << QByteArray("0050\0C2A1B2C", 12) << QStringLiteral("0050C2A1B2C");
    QTest::newRow("zero first") << QByteArray("\0\0"
                                              "50C2A1B2C3",
                                              12)
                                << QStringLiteral("50C2A1B2C3");
    QTest::newRow("short") << QByteArray("00AB\0\0\0\0\0\0\0\0", 12) << QStringLiteral("00AB");
    QTest::newRow("all zero") << QByteArray(12, '\0') << QString();
    QTest::newRow("Windows-1252") << QByteArray("\xE9\x80"
                                                "0000000000",
                                                12)
                                  << QStringLiteral("é€0000000000");
}

void TestImage::macTextSkipsZeroBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QByteArray image(image::kImageSize, '\x11');
    image.replace(114, 12, bytes);
    QCOMPARE(image::macText(image), shown);
    // The editor's decoder shows the same text.
    QCOMPARE(image::readableValue(*image::fieldOf("edMac"), image), shown);
}

void TestImage::intakeOfFullShortAndLongReplies()
{
    QByteArray full(260, '\x11');
    full[0] = '\x82';
    full[1] = 'F';
    ImageBuffer b;
    b.takeReadReply(full);
    QCOMPARE(b.working(1), std::uint8_t('G'));
    QCOMPARE(b.pristine(1), std::uint8_t('G'));
    QCOMPARE(b.working(259), std::uint8_t(0x11));
    QCOMPARE(b.workingCopy(), b.pristineCopy());

    // 300 bytes: the first 260 are taken, the rest ignored.
    QByteArray longer = full + QByteArray(40, '\x22');
    longer[259] = '\x33';
    b.takeReadReply(longer);
    QCOMPARE(b.working(259), std::uint8_t(0x33));

    // 100 bytes: 0..99 stored, byte 100 zeroed in both copies, 101..259 kept.
    QByteArray shorter(100, '\x44');
    shorter[1] = 'F';
    b.takeReadReply(shorter);
    QCOMPARE(b.working(99), std::uint8_t(0x44));
    QCOMPARE(b.working(100), std::uint8_t(0));
    QCOMPARE(b.pristine(100), std::uint8_t(0));
    QCOMPARE(b.working(101), std::uint8_t(0x11));
    QCOMPARE(b.pristine(259), std::uint8_t(0x33));
    QCOMPARE(b.working(1), std::uint8_t('G'));
}

void TestImage::storeRuleUnderBothFlagValues()
{
    QByteArray reply(260, '\0');
    reply[1] = 'F';
    for (int i = 66; i < 82; ++i)
        reply[i] = char('a' + i - 66);
    ImageBuffer b;
    b.takeReadReply(reply);

    // Clear flag: the text, cut to the field, then zeros.
    b.storeField(66, 16, "10.0.0.5", false);
    QCOMPARE(b.workingRange(66, 16), QByteArray("10.0.0.5\0\0\0\0\0\0\0\0", 16));
    b.storeField(66, 16, "0123456789abcdefXYZ", false);
    QCOMPARE(b.workingRange(66, 16), QByteArray("0123456789abcdef"));
    QCOMPARE(b.working(82), std::uint8_t(0)); // the next field is untouched
    // Set flag, text: nothing stored.
    b.storeField(66, 16, "zzz", true);
    QCOMPARE(b.workingRange(66, 16), QByteArray("0123456789abcdef"));
    // Set flag, empty text: restored from the pristine copy.
    b.storeField(66, 16, QByteArray(), true);
    QCOMPARE(b.workingRange(66, 16), QByteArray("abcdefghijklmnop"));
    // Clear flag, empty text: zeroed.
    b.storeField(66, 16, QByteArray(), false);
    QCOMPARE(b.workingRange(66, 16), QByteArray(16, '\0'));
    // A field that would leave the image is refused whole.
    b.storeField(250, 16, "xxxxxxxxxxxxxxxx", false);
    QCOMPARE(b.working(250), std::uint8_t(0));
}

void TestImage::connectZeroesOnly257Bytes()
{
    ImageBuffer b;
    QByteArray reply(260, '\x7F');
    reply[1] = 'F';
    b.takeReadReply(reply);
    b.zeroForConnect();
    QCOMPARE(b.working(256), std::uint8_t(0));
    QCOMPARE(b.working(257), std::uint8_t(0x7F));
    QCOMPARE(b.working(259), std::uint8_t(0x7F));
    QCOMPARE(b.pristine(0), std::uint8_t(0x7F));
}

void TestImage::cp1252RoundTrip()
{
    const QString text = QStringLiteral("Ímpar Numérico ação € ‘x’ Ÿ");
    const QByteArray bytes = cp1252::encode(text);
    QCOMPARE(bytes.size(), text.size());
    QCOMPARE(bytes.left(5), QByteArray("\xCDmpar"));
    QCOMPARE(bytes.at(text.indexOf(QChar(0x20AC))), '\x80');
    QCOMPARE(cp1252::decode(bytes), text);
    for (int b = 0; b < 256; ++b) {
        const QByteArray one(1, char(b));
        QCOMPARE(cp1252::encode(cp1252::decode(one)), one);
    }
}

void TestImage::cp1252UnmappableIsOneQuestionMark()
{
    QCOMPARE(cp1252::encode(QStringLiteral("a日b")), QByteArray("a?b"));
    // A character outside the BMP is two UTF-16 units but one character: one byte.
    QCOMPARE(cp1252::encode(QString::fromUcs4(U"x\U0001F600y", 3)), QByteArray("x?y"));
    QCOMPARE(cp1252::encode(QStringLiteral("Ā")), QByteArray("?"));
}

HX_TEST_GUILESS_MAIN(TestImage)
#include "test_image.moc"
