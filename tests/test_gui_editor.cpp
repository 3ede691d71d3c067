// The editor against the configuration image: decoding, the store rule, padding, the write and
// the interlocks; and the whole read-edit-write round trip against the simulated terminal.
#include "editorinput.h"
#include "imagebuilders.h"
#include "simprocess.h"
#include "testprogram.h"
#include "windowfixture.h"

#include <QTemporaryFile>
#include <QTest>


class TestGuiEditor : public QObject
{
    Q_OBJECT

private slots:
    void zeroImageLoads();
    void decodeShowsOddBytes();
    void codeButtonsAfterASecondRead_data();
    void codeButtonsAfterASecondRead();
    void shortAndLongReplies();
    void storeRuleFollowsLoadingFlag();
    void paddingBeforeWrite();
    void blankFieldStopsWrite();
    void newPasswordMustHaveSixCharacters();
    void com0Question();
    void numberBoxes();
    void typedTextIsWindows1252();
    void interlocks();
    void roundTripWithoutEdits();
    void roundTripWithEditsOfEachKind();

private:
    std::unique_ptr<QTemporaryFile> m_imageFile;
    QString writeImage(const QByteArray& img);
};

QString TestGuiEditor::writeImage(const QByteArray& img)
{
    m_imageFile = std::make_unique<QTemporaryFile>();
    m_imageFile->open();
    m_imageFile->write(img);
    m_imageFile->flush();
    return m_imageFile->fileName();
}

void TestGuiEditor::zeroImageLoads()
{
    WindowFixture f;
    f.create();
    feedRead(f, readReply());
    QVERIFY(!f.w().loadingFlag());
    for (const char* name :
         {"cbVelocidade", "cbHFDuplex", "cbTeclaBackspace", "cbTeclaDel", "cbImpDefault", "cbAcionamento", "cbTeclado",
          "cbPolaridade", "cbVLCM", "cbTecladoTouch", "cbSincronismoVideo", "cbBaud0", "cbFlag1"})
        QVERIFY2(f.combo(name)->currentIndex() == 0, name);
    QVERIFY(f.combo("cbNumTerm")->isHidden());
    QCOMPARE(f.combo("cbNumTerm")->currentIndex(), -1);
    QVERIFY(!f.check("cbCom0")->isChecked());
    QVERIFY(!f.check("cbCom1")->isChecked());
    QVERIFY(!f.check("cbConexaoTCP")->isChecked());
    QVERIFY(!f.radio("rbServer")->isChecked() && !f.radio("rbClient")->isChecked() &&
            !f.radio("rbSystem")->isChecked());
    QVERIFY(f.radio("HabVT100")->isChecked());
    QCOMPARE(f.edit("VIpLocal")->text(), QString());
    QByteArray expected(260, '\0');
    expected[0] = '\x82';
    expected[1] = 'G';
    QCOMPARE(f.w().buffer().workingCopy(), expected);
    QCOMPARE(f.buttons(), QStringLiteral("1010001"));
}

void TestGuiEditor::decodeShowsOddBytes()
{
    WindowFixture f;
    f.create();
    QByteArray img = richImage();
    const QByteArray ip("192\0"
                        "1",
                        5);
    for (int i = 0; i < 16; ++i)
        img[20 + i] = i < ip.size() ? ip[i] : '\0';
    img[102] = '\0';
    img[103] = '5';
    img[108] = '5';
    img[109] = '\0';
    img[19] = 7;
    feedRead(f, img);
    QVERIFY(f.dialogs.shown.isEmpty()); // COM 0 switched on without the question
    QCOMPARE(f.edit("VIpLocal")->text(), QStringLiteral("1921"));
    QCOMPARE(f.edit("edRetries")->text(), QString());
    QCOMPARE(f.edit("edDelay")->text(), QStringLiteral("5"));
    QCOMPARE(f.edit("edTimeout0")->text(), QStringLiteral("010"));
    QCOMPARE(f.combo("cbBaud0")->currentIndex(), -1);
    QCOMPARE(f.combo("cbBaud0")->currentText(), QString());
    QCOMPARE(f.w().buffer().working(2), std::uint8_t(9));
    QVERIFY(!f.radio("rbServer")->isChecked() && !f.radio("rbClient")->isChecked() &&
            !f.radio("rbSystem")->isChecked());
    QCOMPARE(f.w().buffer().working(19), std::uint8_t(7));
    QVERIFY(f.radio("HabTelNet")->isChecked());
    QCOMPARE(f.w().buffer().working(107), std::uint8_t(2));
    QCOMPARE(f.w().buffer().pristine(107), std::uint8_t(5));
    QVERIFY(f.check("cbCom0")->isChecked());
    QCOMPARE(f.w().buffer().working(130), std::uint8_t(1));
    QVERIFY(f.combo("cbBaud0")->isEnabled());
    QCOMPARE(f.w().buffer().working(15), std::uint8_t(1));
    QVERIFY(!f.combo("cbNumTerm")->isHidden());
    QCOMPARE(f.combo("cbNumTerm")->currentText(), QStringLiteral("07"));
    QCOMPARE(f.combo("cbCanalBase")->currentText(), QStringLiteral("42"));
    QCOMPARE(f.combo("cbTeclado")->currentText(), QStringLiteral("44 Qwerty"));
    QCOMPARE(f.combo("cbSincronismoVideo")->currentText(), QStringLiteral("H+   V+"));
    QCOMPARE(f.edit("edMac")->text(), QStringLiteral("0050C2A1B2C3"));
    QCOMPARE(f.edit("VCNPJ")->text(), QStringLiteral("12345678000190"));
    // Only the normalised bytes differ between the copies.
    QCOMPARE(diff(f.w().buffer().workingCopy(), f.w().buffer().pristineCopy()),
             QStringLiteral("byte 15: 1 != 5; byte 107: 2 != 5; byte 130: 1 != 128"));
}

void TestGuiEditor::codeButtonsAfterASecondRead_data()
{
    QTest::addColumn<int>("role");       // byte 19 of the second reply
    QTest::addColumn<int>("protocol");   // byte 107 of the second reply
    QTest::addColumn<bool>("tcpOn");     // cbConexaoTCP checked
    QTest::addColumn<QString>("checked"); // the buttons checked, in the order of the list below
    QTest::addColumn<int>("roleByte");   // byte 19 of the working copy
    QTest::addColumn<int>("protocolByte");
    QTest::newRow("no role, VT-100") << 0 << 0 << false << "HabVT100" << 0 << 0;
    QTest::newRow("client, Corvale") << 1 << 1 << true << "rbClient HabCorvale" << 1 << 1;
    QTest::newRow("server, TelNet") << 2 << 2 << true << "rbServer HabTelNet" << 2 << 2;
    QTest::newRow("system, unknown protocol") << 3 << 3 << true << "rbSystem HabTelNet" << 3 << 2;
    QTest::newRow("unknown role kept") << 4 << 0 << false << "HabVT100" << 4 << 0;
    QTest::newRow("role 255, protocol 255") << 255 << 255 << false << "HabTelNet" << 255 << 2;
}

void TestGuiEditor::codeButtonsAfterASecondRead()
{
    QFETCH(int, role);
    QFETCH(int, protocol);
    QFETCH(bool, tcpOn);
    QFETCH(QString, checked);
    QFETCH(int, roleByte);
    QFETCH(int, protocolByte);
    WindowFixture f;
    f.create();
    // The first read checks other buttons: the second must leave nothing of them.
    QByteArray first = richImage();
    first[19] = char(role == 2 ? 1 : 2);
    first[107] = char(protocol == 1 ? 0 : 1);
    feedRead(f, first);
    QByteArray second = richImage();
    second[19] = char(role);
    second[107] = char(protocol);
    feedRead(f, second);

    QCOMPARE(f.check("cbConexaoTCP")->isChecked(), tcpOn);
    QStringList shown;
    for (const char* name : {"rbClient", "rbServer", "rbSystem", "HabVT100", "HabCorvale", "HabTelNet"}) {
        if (f.radio(name)->isChecked())
            shown.append(QLatin1String(name));
    }
    QCOMPARE(shown.join(QLatin1Char(' ')), checked);
    QCOMPARE(int(f.w().buffer().working(19)), roleByte);
    QCOMPARE(int(f.w().buffer().working(107)), protocolByte);
    // The login boxes follow the role a button shows; only System enables them.
    QCOMPARE(f.edit("VLogin")->isEnabled(), checked.contains(QLatin1String("rbSystem")));
}

void TestGuiEditor::shortAndLongReplies()
{
    WindowFixture f;
    f.create();
    feedRead(f, richImage());
    QByteArray shortReply = richImage().left(100);
    shortReply[99] = '\x44';
    feedRead(f, shortReply);
    QCOMPARE(f.w().buffer().working(99), std::uint8_t(0x44));
    QCOMPARE(f.w().buffer().working(100), std::uint8_t(0));
    QCOMPARE(f.w().buffer().pristine(100), std::uint8_t(0));
    QCOMPARE(f.w().buffer().working(226), std::uint8_t('1'));
    // Bytes 98..101 are now 1, 0x44, 0 (byte 100), 0: the zero byte is skipped.
    QCOMPARE(f.edit("edTimeOutR")->text(), QStringLiteral("1D0"));

    QByteArray longReply = richImage() + QByteArray(40, '\x55');
    feedRead(f, longReply);
    QCOMPARE(f.w().buffer().working(259), std::uint8_t(richImage()[259]));
    QCOMPARE(f.w().buffer().working(1), std::uint8_t('G'));
}

void TestGuiEditor::storeRuleFollowsLoadingFlag()
{
    WindowFixture f;
    f.create();
    feedRead(f, richImage());
    QLineEdit* gateway = f.edit("VGateway");
    gateway->clear();
    QTest::keyClicks(gateway, QStringLiteral("10.0.0.5"));
    QCOMPARE(f.w().buffer().workingRange(66, 16), QByteArray("10.0.0.5\0\0\0\0\0\0\0\0", 16));
    QTest::keyClick(gateway, Qt::Key_Backspace);
    QCOMPARE(f.w().buffer().workingRange(66, 16), QByteArray("10.0.0.\0\0\0\0\0\0\0\0\0", 16));

    f.w().setLoadingFlag(true);
    QTest::keyClicks(gateway, QStringLiteral("9"));
    QCOMPARE(f.w().buffer().workingRange(66, 16), QByteArray("10.0.0.\0\0\0\0\0\0\0\0\0", 16));
    gateway->clear(); // restored from the pristine copy
    QCOMPARE(f.w().buffer().workingRange(66, 16), f.w().buffer().pristineCopy().mid(66, 16));

    f.w().setLoadingFlag(false);
    QTest::keyClicks(gateway, QStringLiteral("1"));
    gateway->clear(); // zeroed
    QCOMPARE(f.w().buffer().workingRange(66, 16), QByteArray(16, '\0'));
}

void TestGuiEditor::paddingBeforeWrite()
{
    WindowFixture f;
    f.create();
    feedRead(f, richImage());
    f.edit("edTimeOutR")->setText(QStringLiteral("50"));
    f.edit("edTimeout0")->setText(QStringLiteral("7"));
    f.edit("edTimeout1")->setText(QStringLiteral("12"));
    f.edit("edRetries")->setText(QStringLiteral("3"));
    f.edit("edDelay")->setText(QStringLiteral("5"));
    f.w().PadBeforeWrite();
    const auto& b = f.w().buffer();
    QCOMPARE(b.workingRange(98, 4), QByteArray("0050"));
    QCOMPARE(f.edit("edTimeOutR")->text(), QStringLiteral("50"));
    QCOMPARE(b.workingRange(134, 4), QByteArray("007\0", 4));
    QCOMPARE(f.edit("edTimeout0")->text(), QStringLiteral("7"));
    QCOMPARE(b.workingRange(138, 4), QByteArray("012\0", 4));
    QCOMPARE(b.workingRange(102, 2), QByteArray("03"));
    QCOMPARE(f.edit("edRetries")->text(), QStringLiteral("03"));
    QCOMPARE(b.workingRange(108, 2), QByteArray("5\0", 2));

    // Under the loading flag the stores store nothing.
    f.edit("edTimeOutR")->setText(QStringLiteral("9"));
    f.w().setLoadingFlag(true);
    f.w().PadBeforeWrite();
    QCOMPARE(b.workingRange(98, 4), QByteArray("9\0\0\0", 4));
}

void TestGuiEditor::blankFieldStopsWrite()
{
    WindowFixture f;
    f.create();
    feedRead(f, richImage());
    f.edit("VSenhaAtual")->setText(QStringLiteral("123456"));
    QVERIFY(f.w().AllFieldsFilled());
    f.edit("VCNPJ")->clear();
    QVERIFY(!f.edit("VCNPJ")->isEnabled()); // role Server: the login boxes are disabled
    const QString before = f.status();
    f.w().BtGravarClick();
    QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("Verifique a existência de campo em branco!")});
    QCOMPARE(f.status(), before);
}

void TestGuiEditor::newPasswordMustHaveSixCharacters()
{
    WindowFixture f;
    f.create();
    feedRead(f, richImage());
    f.edit("VSenhaAtual")->setText(QStringLiteral("123456"));
    f.edit("VNovaSenha")->setText(QStringLiteral("12345"));
    const QByteArray before = f.w().buffer().workingRange(170, 7);
    f.w().BtGravarClick();
    QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("Nova Senha Deverá ter 6 Dígitos!!!")});
    QCOMPARE(f.status(), QStringLiteral("Retorno de Leitura")); // nothing was sent
    QCOMPARE(f.w().buffer().workingRange(170, 7), before);
    QCOMPARE(f.edit("VSenhaAtual")->text(), QStringLiteral("123456"));
}

void TestGuiEditor::com0Question()
{
    WindowFixture f;
    f.create();
    QByteArray img = richImage();
    img[130] = 0;
    feedRead(f, img);
    QVERIFY(f.dialogs.shown.isEmpty());

    f.dialogs.answers = {false};
    f.check("cbCom0")->setChecked(true);
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0].caption, QStringLiteral("Configuração"));
    QCOMPARE(f.dialogs.shown[0].text,
             QStringLiteral("Geralmente a Porta COM 0 é configurada como \"NÃO\"!\rTêm certeza que deseja configurar "
                            "como \"SIM\" e alterar suas configurações?"));
    QVERIFY(!f.check("cbCom0")->isChecked());
    QVERIFY(!f.combo("cbBaud0")->isEnabled());
    QVERIFY(!f.edit("edTimeout0")->isEnabled());
    QCOMPARE(f.w().buffer().working(130), std::uint8_t(0));

    f.dialogs.answers = {true};
    f.check("cbCom0")->setChecked(true);
    QCOMPARE(f.dialogs.shown.size(), 2);
    QVERIFY(f.combo("cbFlag0")->isEnabled());
    QCOMPARE(f.w().buffer().working(130), std::uint8_t(1));

    f.check("cbCom0")->setChecked(false);
    f.w().setLoadingFlag(true);
    f.check("cbCom0")->setChecked(true);
    QCOMPARE(f.dialogs.shown.size(), 2);
    QCOMPARE(f.w().buffer().working(130), std::uint8_t(1));
}

void TestGuiEditor::numberBoxes()
{
    WindowFixture f;
    f.create();
    feedRead(f, richImage());
    QComboBox* num = f.combo("cbNumTerm");
    num->lineEdit()->selectAll();
    QTest::keyClicks(num->lineEdit(), QStringLiteral("300"));
    QCOMPARE(f.w().buffer().working(16), std::uint8_t(44));
    QTest::keyClicks(num->lineEdit(), QStringLiteral("x"));
    QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("'300x' is not a valid integer value")});
    QCOMPARE(f.w().buffer().working(16), std::uint8_t(44));
    pick(f.combo("cbCanalBase"), 99);
    QCOMPARE(f.w().buffer().working(17), std::uint8_t(99));
    // A choice box emptied by typing stores 255; a typed item text stores its index.
    QComboBox* hand = f.combo("cbHand1");
    hand->lineEdit()->selectAll();
    QTest::keyClicks(hand->lineEdit(), QStringLiteral("nenhum"));
    QCOMPARE(f.w().buffer().working(11), std::uint8_t(2));
    QTest::keyClick(hand->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(f.w().buffer().working(11), std::uint8_t(255));
}

void TestGuiEditor::typedTextIsWindows1252()
{
    WindowFixture f;
    f.create();
    feedRead(f, richImage());
    QLineEdit* box = f.edit("edConTelNet");
    box->clear();
    typeText(box, QStringLiteral("Ímpar€日"));
    QCOMPARE(f.w().buffer().workingRange(178, 8), QByteArray("\xCDmpar\x80?\0", 8));
    // And back: an image byte shows as its character.
    QByteArray img = richImage();
    img[178] = '\xE9';
    img[179] = '\x80';
    feedRead(f, img);
    QCOMPARE(f.edit("edConTelNet")->text().left(2), QStringLiteral("é€"));
}

void TestGuiEditor::interlocks()
{
    WindowFixture f;
    f.create();
    feedRead(f, richImage());
    QVERIFY(f.radio("rbServer")->isChecked());
    QVERIFY(f.check("cbConexaoTCP")->isChecked());

    f.radio("rbSystem")->setChecked(true);
    QCOMPARE(f.w().buffer().working(19), std::uint8_t(3));
    QVERIFY(f.edit("VLogin")->isEnabled());
    f.check("cbConexaoTCP")->setChecked(false);
    QCOMPARE(f.w().buffer().working(19), std::uint8_t(0));
    QVERIFY(!f.radio("rbSystem")->isChecked() && !f.radio("rbServer")->isChecked());
    QVERIFY(f.edit("VLogin")->isEnabled());
    f.radio("rbServer")->setChecked(true);
    QCOMPARE(f.w().buffer().working(19), std::uint8_t(2));
    QVERIFY(!f.check("cbConexaoTCP")->isChecked());
    QVERIFY(!f.edit("VCNPJ")->isEnabled());

    f.radio("HabCorvale")->setChecked(true);
    QCOMPARE(f.w().buffer().working(107), std::uint8_t(1));
    QVERIFY(!f.edit("edConTelNet")->isEnabled());
    QVERIFY(!f.combo("cbImpDefault")->isEnabled());
    QCOMPARE(f.edit("edConTelNet")->text(), QStringLiteral("vt100"));
    QCOMPARE(f.w().buffer().workingRange(178, 5), QByteArray("vt100"));
    f.radio("HabVT100")->setChecked(true);
    QVERIFY(!f.edit("edConTelNet")->isEnabled());
    QVERIFY(f.combo("cbTeclaDel")->isEnabled());

    f.check("cbInterface2G")->setChecked(false);
    QCOMPARE(f.w().buffer().working(15), std::uint8_t(0));
    QVERIFY(f.combo("cbTaxa")->isHidden());
    QVERIFY(f.find<QLabel>("Label32")->isHidden());
    QCOMPARE(f.w().buffer().workingRange(16, 3), QByteArray("\x07\x2A\x01", 3));

    f.check("cbCom1")->setChecked(false);
    QCOMPARE(f.w().buffer().working(131), std::uint8_t(0));
    QVERIFY(!f.combo("cbBaud1")->isEnabled());
}

void TestGuiEditor::roundTripWithoutEdits()
{
    SimProcess sim({QStringLiteral("--image"), writeImage(richImage())});
    QVERIFY(sim.isRunning());
    WindowFixture f;
    f.create();
    QVERIFY(f.connectAndRead(sim.address(), QStringLiteral("123456")));
    const QByteArray asRead = f.w().buffer().pristineCopy();
    QVERIFY2(diff(asRead.mid(2, 168), richImage().mid(2, 168)).isEmpty(), "the simulator sent another image");
    QVERIFY(f.unlock());
    f.dialogs.answers = {false};
    f.w().BtGravarClick();
    QVERIFY(f.waitStatus(QStringLiteral("Aviso: Reiniciar Terminal!")));
    QByteArray expected = asRead;
    expected[15] = 1;
    expected[107] = 2;
    expected[130] = 1;
    const QByteArray stored = sim.storedImage();
    QVERIFY2(stored == expected, qPrintable(diff(stored, expected)));
}

void TestGuiEditor::roundTripWithEditsOfEachKind()
{
    SimProcess sim({QStringLiteral("--image"), writeImage(richImage())});
    WindowFixture f;
    f.create();
    QVERIFY(f.connectAndRead(sim.address(), QStringLiteral("123456")));
    QVERIFY(f.unlock());
    QByteArray expected = f.w().buffer().pristineCopy();
    expected[15] = 1;
    expected[107] = 2;
    expected[130] = 1;

    QLineEdit* ip = f.edit("VIpLocal");
    ip->selectAll();
    QTest::keyClicks(ip, QStringLiteral("10.0.0.5"));
    expected.replace(20, 16, QByteArray("10.0.0.5\0\0\0\0\0\0\0\0", 16));
    pick(f.combo("cbBaud1"), 5);
    expected[7] = 5;
    f.combo("cbNumTerm")->lineEdit()->selectAll();
    QTest::keyClicks(f.combo("cbNumTerm")->lineEdit(), QStringLiteral("300"));
    expected[16] = 44;
    f.check("cbCom1")->setChecked(false);
    expected[131] = 0;
    f.radio("rbClient")->setChecked(true);
    expected[19] = 1;
    f.radio("HabCorvale")->setChecked(true);
    expected[107] = 1;
    f.edit("VNovaSenha")->setText(QStringLiteral("abcdef"));
    expected.replace(170, 7, QByteArray("abcdef\0", 7));

    f.dialogs.answers = {false};
    f.w().BtGravarClick();
    QVERIFY(f.waitStatus(QStringLiteral("Aviso: Reiniciar Terminal!")));
    const QByteArray stored = sim.storedImage();
    QVERIFY2(stored == expected, qPrintable(diff(stored, expected)));
    QCOMPARE(sim.storedPassword(), QStringLiteral("abcdef"));
}

HX_TEST_MAIN(TestGuiEditor)
#include "test_gui_editor.moc"
