// What the user sees and a screen reader says of the controls whose text changes: the connect
// button, the status line, the logo path, and the two password boxes, which show one '*' for each
// character typed.
#include "editorinput.h"
#include "loopback.h"
#include "simprocess.h"
#include "testprogram.h"
#include "windowfixture.h"
#include "windowprobes.h"

#include <QAccessible>
#include <QTest>

namespace
{

// The controls whose visible text the program changes, each spoken as it reads.
void checkSpokenAsShown(WindowFixture& f)
{
    QPushButton* connect = f.button("BtConectar");
    QCOMPARE(spoken(connect), connect->text());
    for (const char* name : {"lbConectado", "lbCaminho"}) {
        auto* label = f.find<QLabel>(name);
        QCOMPARE(spoken(label), label->text());
    }
}

} // namespace

class TestGuiScreenReader : public QObject
{
    Q_OBJECT

private slots:
    void connectButtonSaysWhatItShows();
    void connectButtonAfterAFailedConnection();
    void passwordBoxesShowStars();
    void otherBoxesShowWhatIsTyped();
};

void TestGuiScreenReader::connectButtonSaysWhatItShows()
{
    SimProcess sim;
    QVERIFY(sim.isRunning());
    WindowFixture f;
    f.create();
    QPushButton* connect = f.button("BtConectar");
    QCOMPARE(spoken(connect), QStringLiteral("Conectar"));
    checkSpokenAsShown(f);

    QVERIFY(f.connectTo(sim.address()));
    QCOMPARE(connect->text(), QStringLiteral("Desconectar"));
    QCOMPARE(spoken(connect), QStringLiteral("Desconectar"));
    QCOMPARE(spoken(f.find<QLabel>("lbConectado")), QStringLiteral("Conectado"));
    checkSpokenAsShown(f);

    f.w().BtConectarClick(); // the user disconnects
    QCOMPARE(spoken(connect), QStringLiteral("Conectar"));
    checkSpokenAsShown(f);
}

void TestGuiScreenReader::connectButtonAfterAFailedConnection()
{
    WindowFixture f;
    f.create();
    f.combo("IpTerm")->setEditText(QStringLiteral("127.0.0.1:%1").arg(closedPort()));
    f.w().BtConectarClick();
    QVERIFY(f.waitStatus(QStringLiteral("Falha na conexão")));
    // The button still offers to disconnect, and says so.
    QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Desconectar"));
    QCOMPARE(spoken(f.button("BtConectar")), QStringLiteral("Desconectar"));
    checkSpokenAsShown(f);
}

void TestGuiScreenReader::passwordBoxesShowStars()
{
    WindowFixture f;
    f.create();
    QLineEdit* current = f.edit("VSenhaAtual");
    QLineEdit* next = f.edit("VNovaSenha");
    typeText(current, QStringLiteral("12ab"));
    QCOMPARE(current->text(), QStringLiteral("12ab"));
    QCOMPARE(current->displayText(), QStringLiteral("****"));
    // The new password box takes over the current one as it changes.
    QCOMPARE(next->displayText(), QStringLiteral("****"));
    typeText(next, QStringLiteral("9"));
    QCOMPARE(next->text(), QStringLiteral("12ab9"));
    QCOMPARE(next->displayText(), QStringLiteral("*****"));

    // A screen reader names the box and never reads the password out.
    QCOMPARE(spoken(current), QStringLiteral("Senha Atual:"));
    QCOMPARE(spoken(current, QAccessible::Value), QStringLiteral("****"));
    QCOMPARE(spoken(next), QStringLiteral("Nova Senha:"));
    QCOMPARE(spoken(next, QAccessible::Value), QStringLiteral("*****"));
}

void TestGuiScreenReader::otherBoxesShowWhatIsTyped()
{
    WindowFixture f;
    f.create();
    // VPassword is the terminal's Telnet password: typed in plain text, in lower case.
    QLineEdit* telnetPassword = f.edit("VPassword");
    telnetPassword->setEnabled(true);
    typeText(telnetPassword, QStringLiteral("Abc"));
    QCOMPARE(telnetPassword->displayText(), QStringLiteral("abc"));
    QCOMPARE(spoken(telnetPassword, QAccessible::Value), QStringLiteral("abc"));
}

HX_TEST_MAIN(TestGuiScreenReader)
#include "test_gui_screenreader.moc"
