// Start-up with the settings file and the address history, through the real window on a
// temporary program directory.
#include "files/inifile.h"
#include "loopback.h"
#include "testprogram.h"
#include "windowfixture.h"
#include "writefailure.h"

#include <QAction>
#include <QTabWidget>
#include <QTcpServer>
#include <QTest>

namespace
{

const QString kErroPrefix = QStringLiteral("Erro ao escrever no arquivo de configuração em:\r");

QStringList items(const QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out.append(box->itemText(i));
    return out;
}

QByteArray historyFile(int count)
{
    QByteArray text = "; endereços\r\n[HXConfig]\r\nListBox=" + QByteArray::number(count) + "\r\n";
    for (int k = 1; k <= count; ++k)
        text += QByteArray::number(k) + "=10.0.0." + QByteArray::number(k) + "\r\n";
    return text;
}

} // namespace

class TestGuiStartup : public QObject
{
    Q_OBJECT

private slots:
    void firstStartSeedsOneAddress();
    void firstStartSeedsEveryNetwork();
    void firstStartWithoutNetwork();
    void unwritableProgramDirectory();
    void laterStartDoesNotSeed();
    void historyLoadSkipsEmptyKeys();
    void connectRemembersNewAddresses();
    void ninthAndTenthAddress();
    void knownAddressLeavesFileAlone();
    void historyWriteFailureStopsConnect();
    void clearBoxThenRestart();
    void logoPathAndToolTips();
    void garbageSettingsFileGivesDefaults();
};

void TestGuiStartup::firstStartSeedsOneAddress()
{
    WindowFixture f;
    f.create();
    QCOMPARE(f.readFile(QStringLiteral("ConfDefault.ini")),
             QByteArray("[HXConfig]\r\nListBox=1\r\n1=192.168.0.100\r\n"));
    QCOMPARE(f.combo("IpTerm")->currentText(), QStringLiteral("192.168.0.100"));
    QCOMPARE(f.find<QTabWidget>("ParConfgs")->currentIndex(), 0);
    QCOMPARE(f.find<QLabel>("lbCaminho")->text(), QStringLiteral("C:\\"));
    QVERIFY(f.dialogs.shown.isEmpty());
}

void TestGuiStartup::firstStartSeedsEveryNetwork()
{
    WindowFixture f;
    f.localAddresses = QStringLiteral("10.0.0.5\\192.168.1.20\\ \\nodots");
    f.create();
    IniFile ini(f.path(QStringLiteral("ConfDefault.ini")));
    QCOMPARE(ini.readString(QStringLiteral("HXConfig"), QStringLiteral("1"), {}), QStringLiteral("10.0.0.100"));
    QCOMPARE(ini.readString(QStringLiteral("HXConfig"), QStringLiteral("2"), {}), QStringLiteral("192.168.1.100"));
    QCOMPARE(ini.readInteger(QStringLiteral("HXConfig"), QStringLiteral("ListBox"), 0), 2);
    QCOMPARE(items(f.combo("IpTerm")), (QStringList{QStringLiteral("10.0.0.100"), QStringLiteral("192.168.1.100")}));
    QCOMPARE(f.combo("IpTerm")->currentText(), QStringLiteral("192.168.1.100"));
}

void TestGuiStartup::firstStartWithoutNetwork()
{
    WindowFixture f;
    f.localAddresses.clear();
    f.create();
    QVERIFY(!QFile::exists(f.path(QStringLiteral("ConfDefault.ini"))));
    QCOMPARE(f.combo("IpTerm")->count(), 0);
    QCOMPARE(f.combo("IpTerm")->currentText(), QString());
    QVERIFY(!f.button("BtLer")->toolTip().isEmpty()); // the start-up ran to its end
}

void TestGuiStartup::unwritableProgramDirectory()
{
    WindowFixture f;
    // The program directory lies below a regular file: nothing can be created in it.
    const QString dir = writefailure::pathUnderFile(f.tempDir(), QString());
    f.setSettingsDir(dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/'));
    f.create();
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0].caption, QStringLiteral("Erro"));
    QCOMPARE(f.dialogs.shown[0].text, kErroPrefix + f.settingsDir());
    QCOMPARE(f.combo("IpTerm")->count(), 0);
    QCOMPARE(f.find<QTabWidget>("ParConfgs")->currentWidget()->objectName(), QStringLiteral("TabGerais"));
    QCOMPARE(f.find<QLabel>("lbCaminho")->text(), QStringLiteral("C:\\"));
    for (const char* name : {"BtLer", "cbPolaridade", "BtDefault", "VIpLocal"})
        QVERIFY2(f.find<QWidget>(name)->toolTip().isEmpty(), name);
    // The window stays usable.
    f.w().BtConectarClick();
    QCOMPARE(f.dialogs.texts().last(), QStringLiteral("Digite o Endreço IP do Terminal"));
}

void TestGuiStartup::laterStartDoesNotSeed()
{
    WindowFixture f;
    const QByteArray content("; empresa\r\n[Rede]\r\nTimeOutRede=1000\r\n");
    f.writeFile(QStringLiteral("ConfDefault.ini"), content);
    f.create();
    QCOMPARE(f.combo("IpTerm")->count(), 0);
    QCOMPARE(f.readFile(QStringLiteral("ConfDefault.ini")), content);
}

void TestGuiStartup::historyLoadSkipsEmptyKeys()
{
    WindowFixture f;
    f.writeFile(QStringLiteral("ConfDefault.ini"),
                "[hxconfig]\r\nlistbox=4\r\n1=10.0.0.1\r\n2=10.0.0.2\r\n3=\r\n4=10.0.0.4\r\n5=10.0.0.5\r\n");
    f.create();
    QCOMPARE(items(f.combo("IpTerm")),
             (QStringList{QStringLiteral("10.0.0.1"), QStringLiteral("10.0.0.2"), QStringLiteral("10.0.0.4")}));
    QCOMPARE(f.combo("IpTerm")->currentText(), QStringLiteral("10.0.0.4"));
}

void TestGuiStartup::connectRemembersNewAddresses()
{
    WindowFixture f;
    f.create();
    const QString address = QStringLiteral("127.0.0.1:%1").arg(closedPort());
    f.combo("IpTerm")->setEditText(address);
    QTest::keyClick(f.combo("IpTerm"), Qt::Key_Return); // Enter connects like the button
    QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Desconectar"));
    QCOMPARE(items(f.combo("IpTerm")), (QStringList{address, QStringLiteral("192.168.0.100")}));
    QCOMPARE(f.readFile(QStringLiteral("ConfDefault.ini")),
             QByteArray("[HXConfig]\r\nListBox=2\r\n1=192.168.0.100\r\n2=") + address.toLatin1() + "\r\n");
    QVERIFY(f.waitStatus(QStringLiteral("Falha na conexão")));

    // At the next start the list is rebuilt in key order and the newest address is selected.
    f.create();
    QCOMPARE(items(f.combo("IpTerm")), (QStringList{QStringLiteral("192.168.0.100"), address}));
    QCOMPARE(f.combo("IpTerm")->currentText(), address);
}

void TestGuiStartup::ninthAndTenthAddress()
{
    WindowFixture f;
    f.writeFile(QStringLiteral("ConfDefault.ini"), historyFile(8));
    f.create();
    f.combo("IpTerm")->setEditText(QStringLiteral("10.1.1.9"));
    f.w().BtConectarClick();
    f.w().BtConectarClick(); // back to "Conectar"
    QCOMPARE(f.combo("IpTerm")->count(), 9);
    IniFile ini(f.path(QStringLiteral("ConfDefault.ini")));
    QCOMPARE(ini.readInteger(QStringLiteral("HXConfig"), QStringLiteral("ListBox"), 0), 9);
    QCOMPARE(ini.readString(QStringLiteral("HXConfig"), QStringLiteral("9"), {}), QStringLiteral("10.1.1.9"));

    f.combo("IpTerm")->setEditText(QStringLiteral("10.1.1.10"));
    f.w().BtConectarClick();
    QCOMPARE(f.combo("IpTerm")->count(), 9);
    QCOMPARE(f.combo("IpTerm")->itemText(0), QStringLiteral("10.1.1.10"));
    QCOMPARE(f.combo("IpTerm")->itemText(8), QStringLiteral("10.0.0.7")); // the last one went
    QCOMPARE(ini.readInteger(QStringLiteral("HXConfig"), QStringLiteral("ListBox"), 0), 9);
    QCOMPARE(ini.readString(QStringLiteral("HXConfig"), QStringLiteral("9"), {}), QStringLiteral("10.1.1.10"));
    QCOMPARE(ini.readString(QStringLiteral("HXConfig"), QStringLiteral("8"), {}), QStringLiteral("10.0.0.8"));
}

void TestGuiStartup::knownAddressLeavesFileAlone()
{
    WindowFixture f;
    f.writeFile(QStringLiteral("ConfDefault.ini"), "[HXConfig]\r\nListBox=1\r\n1=Terminal-A\r\n");
    f.create();
    const QByteArray before = f.readFile(QStringLiteral("ConfDefault.ini"));
    f.combo("IpTerm")->setEditText(QStringLiteral("TERMINAL-a"));
    f.w().BtConectarClick();
    QCOMPARE(f.readFile(QStringLiteral("ConfDefault.ini")), before);
    QCOMPARE(f.combo("IpTerm")->count(), 1);
    QCOMPARE(f.status(), QStringLiteral("Aguarde..."));
}

void TestGuiStartup::historyWriteFailureStopsConnect()
{
    WindowFixture f;
    f.create();
    // Neither the file nor its directory can be written by the user the guard switches to.
    QFile::setPermissions(f.path(QStringLiteral("ConfDefault.ini")),
                          QFileDevice::ReadOwner | QFileDevice::ReadOther | QFileDevice::ReadGroup);
    const QByteArray before = f.readFile(QStringLiteral("ConfDefault.ini"));
    {
        writefailure::ReadOnlyDirectory guard(f.tempDir());
        if (!guard.active())
            QSKIP("cannot make the directory read-only here");
        f.combo("IpTerm")->setEditText(QStringLiteral("10.9.9.9"));
        f.w().BtConectarClick();
    }
    QCOMPARE(f.dialogs.texts(), QStringList{kErroPrefix + f.settingsDir()});
    QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Desconectar"));
    QCOMPARE(f.w().socket()->state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(f.status(), QStringLiteral("Desconectado"));
    QCOMPARE(f.combo("IpTerm")->itemText(0), QStringLiteral("10.9.9.9"));
    QCOMPARE(f.readFile(QStringLiteral("ConfDefault.ini")), before);
}

void TestGuiStartup::clearBoxThenRestart()
{
    WindowFixture f;
    f.writeFile(QStringLiteral("ConfDefault.ini"),
                "[Rede]\r\nNumRetries=03\r\n" + historyFile(3) + "[Arquivo]\r\nCaminho=/x\r\n");
    f.create();
    QCOMPARE(f.combo("IpTerm")->count(), 3);
    f.find<QAction>("LimparCaixa1")->trigger();
    QCOMPARE(f.combo("IpTerm")->count(), 0);
    QCOMPARE(f.combo("IpTerm")->currentText(), QString());
    QCOMPARE(f.readFile(QStringLiteral("ConfDefault.ini")),
             QByteArray("[Rede]\r\nNumRetries=03\r\n; endereços\r\n[Arquivo]\r\nCaminho=/x\r\n"));
    f.create();
    QCOMPARE(f.combo("IpTerm")->count(), 0);
}

void TestGuiStartup::logoPathAndToolTips()
{
    WindowFixture f;
    f.writeFile(QStringLiteral("ConfDefault.ini"), "[ARQUIVO]\r\ncaminho=/dados/logo.txt\r\n");
    f.create();
    QCOMPARE(f.find<QLabel>("lbCaminho")->text(), QStringLiteral("/dados/logo.txt"));
    QCOMPARE(f.w().logoPath(), QStringLiteral("/dados/logo.txt"));
    const QString tip = f.button("BtDefault")->toolTip();
    QVERIFY2(tip.endsWith(f.settingsDir() + QStringLiteral("ConfDefault.ini")), qPrintable(tip));
    QVERIFY(tip.startsWith(QStringLiteral("Executa a leitura de um arquivo de inicialização")));
    QCOMPARE(f.button("BtReboot")->toolTip(),
             QStringLiteral("Reinicia o terminal para que os novos parâmetros entrem em funcionamento"));
    QCOMPARE(f.combo("cbParidade1")->toolTipDuration(), 8000);
    QVERIFY(!f.combo("cbParidade1")->isEnabled());
    QVERIFY(!f.combo("cbParidade1")->toolTip().isEmpty());
}

void TestGuiStartup::garbageSettingsFileGivesDefaults()
{
    WindowFixture f;
    QByteArray junk(70000, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 131) % 256);
    f.writeFile(QStringLiteral("ConfDefault.ini"), junk);
    f.create();
    QCOMPARE(f.combo("IpTerm")->count(), 0);
    QCOMPARE(f.find<QLabel>("lbCaminho")->text(), QStringLiteral("C:\\"));
    QCOMPARE(f.readFile(QStringLiteral("ConfDefault.ini")), junk);
}

HX_TEST_MAIN(TestGuiStartup)
#include "test_gui_startup.moc"
