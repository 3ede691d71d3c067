// "Default": the company sections of ConfDefault.ini loaded into the editor and the working copy,
// with the pristine copy as the fallback for every choice, flag and code key left out.
#include "editorinput.h"
#include "imagebuilders.h"
#include "testprogram.h"
#include "textfilebytes.h"
#include "windowfixture.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

namespace
{

const QString kCom0Question =
    QStringLiteral("Geralmente a Porta COM 0 é configurada como \"NÃO\"!\rTêm certeza que deseja configurar como "
                   "\"SIM\" e alterar suas configurações?");

// Every byte that a choice, flag or code key decides.
const QList<int> kDecidedBytes = {2,  3,  4,  5,   6,   7,   8,   9,   10,  11,  12,  13,  19, 62,
                                  63, 64, 65, 104, 105, 107, 110, 111, 130, 131, 133, 142, 143};

// A window that has read the image, with the given settings file in its program directory.
void prepare(WindowFixture& f, const QStringList& settingsLines, const QByteArray& image = richImage())
{
    f.create();
    feedRead(f, image);
    f.writeFile(QStringLiteral("ConfDefault.ini"), windowsTextFile(settingsLines));
    f.dialogs.clear();
}

std::uint8_t working(WindowFixture& f, int i)
{
    return f.w().buffer().working(i);
}

// What the editor shows: every text, selection and checked state, for "nothing changed" checks.
QStringList shownState(WindowFixture& f)
{
    QStringList out;
    for (QLineEdit* box : f.w().findChildren<QLineEdit*>()) {
        if (!box->objectName().isEmpty())
            out.append(box->objectName() + QLatin1Char('=') + box->text());
    }
    for (QComboBox* box : f.w().findChildren<QComboBox*>())
        out.append(box->objectName() + QLatin1Char('#') + QString::number(box->currentIndex()));
    for (QAbstractButton* box : f.w().findChildren<QAbstractButton*>()) {
        if (box->isCheckable())
            out.append(box->objectName() + (box->isChecked() ? QLatin1String(":on") : QLatin1String(":off")));
    }
    for (QWidget* w : f.w().findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty() && !w->isEnabled())
            out.append(w->objectName() + QLatin1String(" disabled"));
    }
    return out;
}

} // namespace

class TestGuiDefault : public QObject
{
    Q_OBJECT

private slots:
    void noSectionsRestoresDecidedBytes();
    void missingFileChangesNothing();
    void networkChoices();
    void tcpRole();
    void protocolIsCaseSensitive();
    void textKeys();
    void textAlreadyShownIsNotStored();
    void yesNoValues();
    void videoSynchronism();
    void videoSynchronismNotANumberStopsTheLoad();
    void loadingFlagSetAfterwards();
    void com0Question();
    void orderEffects();
    void completeLoad();
};

void TestGuiDefault::noSectionsRestoresDecidedBytes()
{
    WindowFixture f;
    prepare(f, {QStringLiteral("[HXConfig]"), QStringLiteral("IP1=10.0.0.1"), QStringLiteral("[Arquivo]"),
                QStringLiteral("Caminho=/tmp/logo.txt")});
    // The user's edits since the read: every decided byte and one text field.
    for (int i : kDecidedBytes)
        f.w().buffer().setWorking(i, 0x77);
    f.edit("VGateway")->setText(QStringLiteral("10.9.9.9"));
    const QStringList shownBefore = shownState(f);
    QByteArray expected = f.w().buffer().workingCopy();
    for (int i : kDecidedBytes)
        expected[i] = char(f.w().buffer().pristine(i));

    f.w().BtDefaultClick();
    const QByteArray actual = f.w().buffer().workingCopy();
    QVERIFY2(actual == expected, qPrintable(diff(actual, expected)));
    QCOMPARE(shownState(f), shownBefore);
    QVERIFY(f.dialogs.shown.isEmpty());
    QVERIFY(f.w().loadingFlag());
}

void TestGuiDefault::missingFileChangesNothing()
{
    for (const bool directoryInItsPlace : {false, true}) {
        WindowFixture f;
        prepare(f, {QStringLiteral("[Rede]"), QStringLiteral("TimeOutRede=1234")});
        QFile::remove(f.path(QStringLiteral("ConfDefault.ini")));
        if (directoryInItsPlace)
            QVERIFY(QDir(f.settingsDir()).mkdir(QStringLiteral("ConfDefault.ini")));
        for (int i : kDecidedBytes)
            f.w().buffer().setWorking(i, 0x77);
        f.w().setLoadingFlag(true);
        const QByteArray before = f.w().buffer().workingCopy();
        const QStringList shownBefore = shownState(f);

        f.w().BtDefaultClick();
        QCOMPARE(f.w().buffer().workingCopy(), before);
        QCOMPARE(shownState(f), shownBefore);
        QVERIFY(f.dialogs.shown.isEmpty());
        QVERIFY(f.w().loadingFlag()); // not even the flag is touched
    }
}

void TestGuiDefault::networkChoices()
{
    WindowFixture f;
    prepare(
        f, {QStringLiteral("[Rede]"), QStringLiteral("VelocRede=Automatico"), QStringLiteral("Half/Full=half duplex")});
    f.w().BtDefaultClick();
    QCOMPARE(f.combo("cbVelocidade")->currentText(), QStringLiteral("Automático"));
    QCOMPARE(working(f, 104), std::uint8_t(0));
    QCOMPARE(f.combo("cbHFDuplex")->currentIndex(), 0); // list values ignore letter case
    QCOMPARE(working(f, 105), std::uint8_t(0));

    // The item is "100 Mbis/s"; "automatico" in lower case is no fixed word and no item either.
    for (const QString& value : {QStringLiteral("100 Mbit/s"), QStringLiteral("automatico")}) {
        f.writeFile(QStringLiteral("ConfDefault.ini"),
                    windowsTextFile({QStringLiteral("[Rede]"), QStringLiteral("VelocRede=") + value}));
        f.w().BtDefaultClick();
        QCOMPARE(f.combo("cbVelocidade")->currentIndex(), -1);
        QCOMPARE(f.combo("cbVelocidade")->currentText(), QString());
        QCOMPARE(working(f, 104), std::uint8_t(255));
    }
    f.writeFile(QStringLiteral("ConfDefault.ini"),
                windowsTextFile({QStringLiteral("[Rede]"), QStringLiteral("VelocRede=100 MBIS/S")}));
    f.w().BtDefaultClick();
    QCOMPARE(working(f, 104), std::uint8_t(2));
    QCOMPARE(working(f, 105), std::uint8_t(1)); // left out: from the pristine copy
}

void TestGuiDefault::tcpRole()
{
    WindowFixture f;
    prepare(f, {QStringLiteral("[Conexao]"), QStringLiteral("ConexaoTCP=Nao"), QStringLiteral("Tipo=Client")});
    f.radio("rbSystem")->setChecked(true); // the user's choice since the read (Server)
    QCOMPARE(working(f, 19), std::uint8_t(3));
    f.w().BtDefaultClick();
    QCOMPARE(working(f, 19), std::uint8_t(2)); // pristine
    QVERIFY(f.check("cbConexaoTCP")->isChecked());
    QVERIFY(f.radio("rbSystem")->isChecked()); // "Tipo" is not read
    QVERIFY(!f.radio("rbClient")->isChecked());

    // "Sim" with "Tipo" left out: the box checked, the byte from the pristine copy.
    QByteArray offImage = richImage();
    offImage[19] = 0;
    WindowFixture g;
    prepare(g, {QStringLiteral("[Conexao]"), QStringLiteral("ConexaoTCP=Sim")}, offImage);
    g.w().buffer().setWorking(19, 9);
    g.w().BtDefaultClick();
    QVERIFY(g.check("cbConexaoTCP")->isChecked());
    QCOMPARE(working(g, 19), std::uint8_t(0));

    const QList<QPair<QString, const char*>> roles = {{QStringLiteral("Client"), "rbClient"},
                                                      {QStringLiteral("Server"), "rbServer"},
                                                      {QStringLiteral("server"), "rbSystem"},
                                                      {QStringLiteral("CLIENT"), "rbSystem"}};
    for (const auto& [value, button] : roles) {
        g.writeFile(QStringLiteral("ConfDefault.ini"),
                    windowsTextFile({QStringLiteral("[Conexao]"), QStringLiteral("ConexaoTCP=Sim"),
                                     QStringLiteral("Tipo=") + value}));
        const int code = QByteArray(button) == "rbClient" ? 1 : QByteArray(button) == "rbServer" ? 2 : 3;
        // Every round starts from another role than the expected one.
        g.radio(code == 2 ? "rbClient" : "rbServer")->setChecked(true);
        g.w().BtDefaultClick();
        QVERIFY2(g.radio(button)->isChecked(), qPrintable(value));
        QCOMPARE(working(g, 19), std::uint8_t(code));
        QCOMPARE(g.edit("VLogin")->isEnabled(), code == 3);
    }
}

void TestGuiDefault::protocolIsCaseSensitive()
{
    WindowFixture f;
    prepare(f, {QStringLiteral("[Protocolo]"), QStringLiteral("ProtEmulado=vt-100")});
    f.radio("HabCorvale")->setChecked(true);
    f.w().BtDefaultClick();
    QVERIFY(f.radio("HabTelNet")->isChecked());
    QVERIFY(!f.radio("HabVT100")->isChecked());
    QCOMPARE(working(f, 107), std::uint8_t(2));
    QVERIFY(f.edit("edConTelNet")->isEnabled());

    f.writeFile(QStringLiteral("ConfDefault.ini"),
                windowsTextFile({QStringLiteral("[Protocolo]"), QStringLiteral("ProtEmulado=VT-100")}));
    f.w().BtDefaultClick();
    QVERIFY(f.radio("HabVT100")->isChecked());
    QCOMPARE(working(f, 107), std::uint8_t(0));

    f.writeFile(QStringLiteral("ConfDefault.ini"), windowsTextFile({QStringLiteral("[Protocolo]")}));
    f.w().BtDefaultClick();
    QCOMPARE(working(f, 107), std::uint8_t(5)); // pristine, whatever the buttons show
    QVERIFY(f.radio("HabVT100")->isChecked());
}

void TestGuiDefault::textKeys()
{
    WindowFixture f;
    prepare(f, {QStringLiteral("[Rede]"), QStringLiteral("TimeOutRede=1000"), QStringLiteral("[Conexao]"),
                QStringLiteral("IPLocal=10.20.30.40/abcdefgh"), QStringLiteral("Login=Admin;X"),
                QStringLiteral("[Seriais]"), QStringLiteral("TimeOut0=7")});
    f.edit("edTimeOutR")->setText(QStringLiteral("5"));
    f.w().BtDefaultClick();
    QCOMPARE(f.edit("edTimeOutR")->text(), QStringLiteral("1000"));
    QCOMPARE(f.w().buffer().workingRange(98, 4), QByteArray("1000"));
    // Shown whole, cut to the field in the image, no zero byte.
    QCOMPARE(f.edit("VIpLocal")->text(), QStringLiteral("10.20.30.40/abcdefgh"));
    QCOMPARE(f.w().buffer().workingRange(20, 16), QByteArray("10.20.30.40/abcd"));
    QCOMPARE(f.w().buffer().working(36), std::uint8_t('1')); // the next field is untouched
    // Loaded into a disabled box, as written.
    QVERIFY(!f.edit("VLogin")->isEnabled());
    QCOMPARE(f.edit("VLogin")->text(), QStringLiteral("Admin;X"));
    QCOMPARE(f.w().buffer().workingRange(194, 16), QByteArray("Admin;X\0\0\0\0\0\0\0\0\0", 16));
    QCOMPARE(f.w().buffer().workingRange(134, 4), QByteArray("7\0\0\0", 4)); // the 'X' is overwritten
    // Text keys left out leave box and field alone.
    QCOMPARE(f.edit("VGateway")->text(), QStringLiteral("192.168.0.1"));
    QCOMPARE(f.w().buffer().workingRange(66, 16), richImage().mid(66, 16));
}

void TestGuiDefault::textAlreadyShownIsNotStored()
{
    WindowFixture f;
    prepare(f, {QStringLiteral("[Rede]"), QStringLiteral("TimeOutRede=1000")});
    QCOMPARE(f.edit("edTimeOutR")->text(), QStringLiteral("1000"));
    for (int i = 98; i < 102; ++i)
        f.w().buffer().setWorking(i, '9');
    f.w().BtDefaultClick();
    QCOMPARE(f.w().buffer().workingRange(98, 4), QByteArray("9999"));
}

void TestGuiDefault::yesNoValues()
{
    QByteArray image = richImage();
    image[130] = 0; // both ports off as read
    image[131] = 0;
    WindowFixture f;
    // "Não" is not the fixed word "Nao": it means on.
    prepare(f,
            {QStringLiteral("[Gerais]"), QStringLiteral("LCM=Não"), QStringLiteral("TecladoTouch=Nao"),
             QStringLiteral("[Seriais]"), QStringLiteral("BaudRate0=9600"), QStringLiteral("Paridade0=Impar"),
             QStringLiteral("Paridade1=ímpar"), QStringLiteral("FlagSerial0=nao"), QStringLiteral("Habilitado1=Não"),
             QStringLiteral("FlagSerial1=Nao")},
            image);
    f.w().BtDefaultClick();
    QCOMPARE(f.combo("cbVLCM")->currentText(), QStringLiteral("Sim"));
    QCOMPARE(working(f, 133), std::uint8_t(1));
    QCOMPARE(f.combo("cbTecladoTouch")->currentIndex(), 0);
    QCOMPARE(working(f, 110), std::uint8_t(0));
    QCOMPARE(f.combo("cbFlag0")->currentText(), QStringLiteral("Sim"));
    QCOMPARE(working(f, 62), std::uint8_t(1));
    QCOMPARE(f.combo("cbFlag1")->currentText(), QStringLiteral("Não"));
    QCOMPARE(working(f, 63), std::uint8_t(0));
    QVERIFY(f.check("cbCom1")->isChecked());
    QCOMPARE(working(f, 131), std::uint8_t(1));
    QVERIFY(f.combo("cbBaud1")->isEnabled());
    // A list value is matched whole, accents included; the COM 0 column takes values while off.
    QVERIFY(!f.check("cbCom0")->isChecked());
    QVERIFY(!f.combo("cbBaud0")->isEnabled());
    QCOMPARE(f.combo("cbBaud0")->currentIndex(), 3);
    QCOMPARE(working(f, 2), std::uint8_t(3));
    QCOMPARE(f.combo("cbParidade0")->currentIndex(), -1);
    QCOMPARE(working(f, 3), std::uint8_t(255));
    QCOMPARE(f.combo("cbParidade1")->currentText(), QStringLiteral("Ímpar"));
    QCOMPARE(working(f, 8), std::uint8_t(2));
}

void TestGuiDefault::videoSynchronism()
{
    WindowFixture f;
    prepare(f, {QStringLiteral("[Gerais]"), QStringLiteral("SincronismoVideo=2")});
    f.w().BtDefaultClick();
    QCOMPARE(f.combo("cbSincronismoVideo")->currentText(), QStringLiteral("H-   V+"));
    QCOMPARE(working(f, 111), std::uint8_t(2));
    for (const char* value : {"7", "-1", "4"}) {
        f.writeFile(
            QStringLiteral("ConfDefault.ini"),
            windowsTextFile({QStringLiteral("[Gerais]"), QStringLiteral("SincronismoVideo=") + QLatin1String(value)}));
        f.w().BtDefaultClick();
        QCOMPARE(f.combo("cbSincronismoVideo")->currentIndex(), -1);
        QCOMPARE(working(f, 111), std::uint8_t(255));
    }
    QVERIFY(f.dialogs.shown.isEmpty());
}

void TestGuiDefault::videoSynchronismNotANumberStopsTheLoad()
{
    WindowFixture f;
    prepare(f, {QStringLiteral("[Rede]"), QStringLiteral("TimeOutRede=4321"), QStringLiteral("[Gerais]"),
                QStringLiteral("SincronismoVideo=abc"), QStringLiteral("[Seriais]"), QStringLiteral("BaudRate0=9600"),
                QStringLiteral("Habilitado1=Nao"), QStringLiteral("TimeOut1=555")});
    f.w().BtDefaultClick();
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0].kind, QStringLiteral("error"));
    QCOMPARE(f.dialogs.shown[0].text, QStringLiteral("'abc' is not a valid integer value"));
    QCOMPARE(f.w().buffer().workingRange(98, 4), QByteArray("4321")); // loaded before stays
    QCOMPARE(working(f, 111), std::uint8_t(3));
    QCOMPARE(working(f, 2), std::uint8_t(9)); // "Seriais" not read
    QCOMPARE(f.combo("cbBaud0")->currentIndex(), -1);
    QVERIFY(f.check("cbCom1")->isChecked());
    QCOMPARE(f.edit("edTimeout1")->text(), QStringLiteral("020"));
    QVERIFY(!f.w().loadingFlag());
}

void TestGuiDefault::loadingFlagSetAfterwards()
{
    QByteArray image = richImage();
    image[130] = 0;
    WindowFixture f;
    prepare(f, {QStringLiteral("[Rede]"), QStringLiteral("NumRetries=07")}, image);
    QVERIFY(!f.w().loadingFlag());
    f.w().BtDefaultClick();
    QCOMPARE(f.w().buffer().workingRange(102, 2), QByteArray("07"));
    QVERIFY(f.w().loadingFlag());

    QLineEdit* gateway = f.edit("VGateway");
    gateway->selectAll();
    QTest::keyClicks(gateway, QStringLiteral("10.1.1.1"));
    QCOMPARE(f.w().buffer().workingRange(66, 16), richImage().mid(66, 16)); // typed, not stored
    for (int i = 66; i < 82; ++i)
        f.w().buffer().setWorking(i, 0);
    gateway->clear(); // emptied: restored from the pristine copy
    QCOMPARE(f.w().buffer().workingRange(66, 16), richImage().mid(66, 16));

    f.check("cbCom0")->setChecked(true);
    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(working(f, 130), std::uint8_t(1));
    QVERIFY(f.combo("cbBaud0")->isEnabled());
}

void TestGuiDefault::com0Question()
{
    QByteArray image = richImage();
    image[130] = 0;
    for (const bool yes : {true, false}) {
        WindowFixture f;
        prepare(f, {QStringLiteral("[Seriais]"), QStringLiteral("Habilitado0=Sim"), QStringLiteral("BaudRate0=4800")},
                image);
        f.dialogs.answers = {yes};
        f.w().BtDefaultClick();
        QCOMPARE(f.dialogs.shown.size(), 1);
        QCOMPARE(f.dialogs.shown[0].kind, QStringLiteral("question"));
        QCOMPARE(f.dialogs.shown[0].caption, QStringLiteral("Configuração"));
        QCOMPARE(f.dialogs.shown[0].text, kCom0Question);
        QCOMPARE(f.check("cbCom0")->isChecked(), yes);
        QCOMPARE(f.combo("cbBaud0")->isEnabled(), yes);
        QCOMPARE(f.edit("edTimeout0")->isEnabled(), yes);
        QCOMPARE(working(f, 130), std::uint8_t(yes ? 1 : 0));
        QCOMPARE(working(f, 2), std::uint8_t(2)); // the load goes on after the answer
        QVERIFY(f.w().loadingFlag());
    }

    // Already on as read: nothing to switch, no question.
    WindowFixture g;
    prepare(g, {QStringLiteral("[Seriais]"), QStringLiteral("Habilitado0=Sim")});
    g.w().buffer().setWorking(130, 0);
    g.w().BtDefaultClick();
    QVERIFY(g.dialogs.shown.isEmpty());
    QCOMPARE(working(g, 130), std::uint8_t(1));
}

void TestGuiDefault::orderEffects()
{
    QByteArray image = richImage();
    image[131] = 0; // COM 1 off, role Server: login boxes and COM 1 column disabled
    WindowFixture f;
    prepare(f,
            {QStringLiteral("[Conexao]"), QStringLiteral("ConexaoTCP=Sim"), QStringLiteral("Tipo=System"),
             QStringLiteral("Login=tecnico"), QStringLiteral("CNPJ=99"), QStringLiteral("[Seriais]"),
             QStringLiteral("Habilitado1=Sim"), QStringLiteral("BaudRate1=2400")},
            image);
    QVERIFY(!f.edit("VLogin")->isEnabled());
    QVERIFY(!f.combo("cbBaud1")->isEnabled());
    QList<bool> loginEnabledWhenLoaded;
    QList<bool> cnpjEnabledWhenLoaded;
    QList<bool> baudEnabledWhenLoaded;
    connect(f.edit("VLogin"), &QLineEdit::textChanged, this,
            [&] { loginEnabledWhenLoaded.append(f.edit("VLogin")->isEnabled()); });
    connect(f.edit("VCNPJ"), &QLineEdit::textChanged, this,
            [&] { cnpjEnabledWhenLoaded.append(f.edit("VCNPJ")->isEnabled()); });
    connect(f.combo("cbBaud1"), &QComboBox::currentIndexChanged, this,
            [&] { baudEnabledWhenLoaded.append(f.combo("cbBaud1")->isEnabled()); });
    f.w().BtDefaultClick();
    QCOMPARE(loginEnabledWhenLoaded, QList<bool>{true});
    QCOMPARE(cnpjEnabledWhenLoaded, QList<bool>{true});
    QCOMPARE(baudEnabledWhenLoaded, QList<bool>{true});
    QCOMPARE(working(f, 19), std::uint8_t(3));
    QCOMPARE(working(f, 131), std::uint8_t(1));
    QCOMPARE(working(f, 7), std::uint8_t(1));
    QCOMPARE(f.w().buffer().workingRange(194, 8), QByteArray("tecnico\0", 8));
}

void TestGuiDefault::completeLoad()
{
    QByteArray image = richImage();
    image[130] = 0;
    WindowFixture f;
    prepare(f,
            {QStringLiteral("[HXConfig]"),
             QStringLiteral("IP1=10.0.0.1"),
             QStringLiteral("[Rede]"),
             QStringLiteral("TimeOutRede=0500"),
             QStringLiteral("NumRetries=05"),
             QStringLiteral("VelocRede=10 Mbit/s"),
             QStringLiteral("Half/Full=Half Duplex"),
             QStringLiteral("[Conexao]"),
             QStringLiteral("ConexaoTCP=Sim"),
             QStringLiteral("Tipo=Client"),
             QStringLiteral("IPRemoto=10.1.1.2"),
             QStringLiteral("PortaRemota=80"),
             QStringLiteral("IPLocal=10.1.1.50"),
             QStringLiteral("PortaLocal=01001"),
             QStringLiteral("Gateway=10.1.1.1"),
             QStringLiteral("SubNetMask=255.255.0.0"),
             QStringLiteral("Login=Admin"),
             QStringLiteral("Password=Xyz"),
             QStringLiteral("CNPJ=11222333000144"),
             QStringLiteral("[Protocolo]"),
             QStringLiteral("ProtEmulado=Corvale"),
             QStringLiteral("DEL=Chr(127)"),
             QStringLiteral("BackSpace=Chr(08)"),
             QStringLiteral("ImpDefault=Paralela"),
             QStringLiteral("ConexaoTelNet=term01"),
             QStringLiteral("[Gerais]"),
             QStringLiteral("Acionamento=Saída"),
             QStringLiteral("Teclado=65 Teclas"),
             QStringLiteral("BootDelay=07"),
             QStringLiteral("Polaridade=Subida"),
             QStringLiteral("LCM=Nao"),
             QStringLiteral("TecladoTouch=Sim"),
             QStringLiteral("SincronismoVideo=1"),
             QStringLiteral("[Seriais]"),
             QStringLiteral("Habilitado0=Sim"),
             QStringLiteral("BaudRate0=115200"),
             QStringLiteral("Paridade0=Ímpar"),
             QStringLiteral("NumBits0=7"),
             QStringLiteral("StopBits0=2"),
             QStringLiteral("HandShake0=XOn/ XOff"),
             QStringLiteral("FlagSerial0=Sim"),
             QStringLiteral("TimeOut0=123"),
             QStringLiteral("Habilitado1=Nao"),
             QStringLiteral("BaudRate1=1200"),
             QStringLiteral("Paridade1=Par"),
             QStringLiteral("NumBits1=8"),
             QStringLiteral("StopBits1=1"),
             QStringLiteral("HandShake1=Nenhum"),
             QStringLiteral("FlagSerial1=Nao"),
             QStringLiteral("TimeOut1=045")},
            image);

    QByteArray expected = f.w().buffer().workingCopy();
    const auto put = [&expected](int first, const QByteArray& bytes) { expected.replace(first, bytes.size(), bytes); };
    put(98, "0500");
    put(102, "05");
    expected[104] = 1;
    expected[105] = 0;
    expected[19] = 1;
    put(41, QByteArray("10.1.1.2\0\0\0\0\0\0\0\0", 16));
    put(57, QByteArray("80\0\0\0", 5));
    put(20, QByteArray("10.1.1.50\0\0\0\0\0\0\0", 16));
    put(36, "01001");
    put(66, QByteArray("10.1.1.1\0\0\0\0\0\0\0\0", 16));
    put(82, QByteArray("255.255.0.0\0\0\0\0\0", 16));
    put(194, QByteArray("Admin\0\0\0\0\0\0\0\0\0\0\0", 16));
    put(210, QByteArray("Xyz\0\0\0\0\0\0\0\0\0\0\0\0\0", 16));
    put(226, QByteArray("11222333000144\0\0", 16));
    expected[107] = 1;
    expected[143] = 1;
    expected[142] = 0;
    expected[64] = 0;
    put(178, QByteArray("term01\0\0\0\0\0\0\0\0\0\0", 16));
    expected[13] = 1;
    expected[12] = 3;
    put(108, "07");
    expected[65] = 0;
    expected[133] = 0;
    expected[110] = 1;
    expected[111] = 1;
    expected[130] = 1;
    put(2, QByteArray("\x07\x02\x01\x01\x01", 5));
    expected[62] = 1;
    put(134, QByteArray("123\0", 4));
    expected[131] = 0;
    put(7, QByteArray("\x00\x01\x00\x00\x02", 5));
    expected[63] = 0;
    put(138, QByteArray("045\0", 4));

    f.w().BtDefaultClick();
    QCOMPARE(f.dialogs.texts(), QStringList{kCom0Question});
    const QByteArray actual = f.w().buffer().workingCopy();
    QVERIFY2(actual == expected, qPrintable(diff(actual, expected)));
    QCOMPARE(f.w().buffer().pristineCopy().mid(2), image.mid(2));
    QVERIFY(f.radio("rbClient")->isChecked());
    QVERIFY(f.radio("HabCorvale")->isChecked());
    QVERIFY(!f.edit("edConTelNet")->isEnabled());
    QCOMPARE(f.combo("cbAcionamento")->currentText(), QStringLiteral("Saída"));
    QVERIFY(f.check("cbCom0")->isChecked());
    QVERIFY(!f.check("cbCom1")->isChecked());
    QVERIFY(!f.combo("cbHand1")->isEnabled());
    QCOMPARE(f.combo("cbHand1")->currentText(), QStringLiteral("Nenhum"));
    QCOMPARE(f.buttons(), QStringLiteral("1010001")); // no button enabled or disabled
    QVERIFY(f.w().loadingFlag());
}

HX_TEST_MAIN(TestGuiDefault)
#include "test_gui_default.moc"
