// What a user types into the box that has the focus replaces its text, whether the focus came with
// Tab or the window moved it there (the password box after a connect): typed as a user types,
// keys to the focused control, against simulated terminals.
#include "simprocess.h"
#include "testprogram.h"
#include "windowfixture.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>

namespace
{

// The control the user's keys go to; its line edit when it is an editable choice box.
QLineEdit* focusedBox()
{
    QWidget* focused = QApplication::focusWidget();
    if (auto* box = qobject_cast<QComboBox*>(focused))
        return box->lineEdit();
    return qobject_cast<QLineEdit*>(focused);
}

bool typeIntoFocus(const QString& text)
{
    QWidget* focused = QApplication::focusWidget();
    if (!focused)
        return false;
    QTest::keyClicks(focused, text);
    return true;
}

bool pressEnterOnFocus()
{
    QWidget* focused = QApplication::focusWidget();
    if (!focused)
        return false;
    QTest::keyClick(focused, Qt::Key_Return);
    return true;
}

} // namespace

class TestGuiTypingFocus : public QObject
{
    Q_OBJECT

private slots:
    void passwordTypedAfterReconnectingIsUsed_data();
    void passwordTypedAfterReconnectingIsUsed();
    void tabSelectsTheWholeText_data();
    void tabSelectsTheWholeText();
};

void TestGuiTypingFocus::passwordTypedAfterReconnectingIsUsed_data()
{
    QTest::addColumn<bool>("reboot"); // the first session ends with a reboot, else "Desconectar"
    QTest::newRow("after Desconectar") << false;
    QTest::newRow("after reboot") << true;
}

void TestGuiTypingFocus::passwordTypedAfterReconnectingIsUsed()
{
    QFETCH(bool, reboot);
    SimProcess first;
    SimProcess second({QStringLiteral("--password"), QStringLiteral("654321")});
    QVERIFY(first.isRunning() && second.isRunning());
    WindowFixture f;
    f.create();
    QVERIFY(QTest::qWaitForWindowActive(&f.w()));

    // One whole session with the first terminal, by the keyboard.
    f.combo("IpTerm")->setEditText(first.address());
    QTest::keyClick(f.combo("IpTerm"), Qt::Key_Return);
    QVERIFY(f.waitStatus(QStringLiteral("Conectado")));
    QTRY_COMPARE(focusedBox(), f.edit("VSenhaAtual"));
    QVERIFY(typeIntoFocus(QStringLiteral("123456")));
    QVERIFY(pressEnterOnFocus());
    QTRY_VERIFY(f.button("BtLer")->hasFocus());
    QVERIFY(pressEnterOnFocus());
    QVERIFY(f.waitStatus(QStringLiteral("Retorno de Leitura")));
    if (reboot) {
        QTest::mouseClick(f.button("BtDesbloqueio"), Qt::LeftButton);
        QVERIFY(f.waitStatus(QStringLiteral("Terminal Desbloqueado")));
        QTest::mouseClick(f.button("BtReboot"), Qt::LeftButton);
    } else {
        QTest::mouseClick(f.button("BtConectar"), Qt::LeftButton);
    }
    QVERIFY(f.waitStatus(QStringLiteral("Desconectado")));
    QCOMPARE(f.edit("VSenhaAtual")->text(), QStringLiteral("123456"));

    // The next terminal: the focus lands in the password box, and what is typed there is its password.
    f.combo("IpTerm")->setEditText(second.address());
    QTest::keyClick(f.combo("IpTerm"), Qt::Key_Return);
    QVERIFY(f.waitStatus(QStringLiteral("Conectado")));
    QTRY_COMPARE(focusedBox(), f.edit("VSenhaAtual"));
    QVERIFY(typeIntoFocus(QStringLiteral("654321")));
    QCOMPARE(f.edit("VSenhaAtual")->text(), QStringLiteral("654321"));
    QCOMPARE(f.edit("VNovaSenha")->text(), QStringLiteral("654321")); // the mirror follows
    QVERIFY(pressEnterOnFocus());
    QTRY_VERIFY(f.button("BtLer")->hasFocus());
    QVERIFY(pressEnterOnFocus());
    // The second terminal accepts only its own password: the read goes through.
    QVERIFY2(f.waitStatus(QStringLiteral("Retorno de Leitura")), qPrintable(f.dialogs.texts().join(u'|')));
    QCOMPARE(f.dialogs.texts(), QStringList());
    QCOMPARE(f.edit("VSenhaAtual")->text(), QStringLiteral("654321"));
}

void TestGuiTypingFocus::tabSelectsTheWholeText_data()
{
    QTest::addColumn<QString>("page");
    // Every page with edit boxes the keyboard reaches, each in its own window.
    for (const char* page : {"TabRede", "TabConexao", "TabProtocolo", "TabGerais", "TabSeriais"})
        QTest::newRow(page) << QString::fromLatin1(page);
}

void TestGuiTypingFocus::tabSelectsTheWholeText()
{
    QFETCH(QString, page);
    SimProcess sim;
    QVERIFY(sim.isRunning());
    WindowFixture f;
    f.create();
    QVERIFY(QTest::qWaitForWindowActive(&f.w()));
    QVERIFY(f.connectAndRead(sim.address(), QStringLiteral("123456")));
    auto* pages = f.find<QTabWidget>("ParConfgs");
    QWidget* shown = pages->findChild<QWidget*>(page);
    QVERIFY(shown);
    pages->setCurrentWidget(shown);
    pages->tabBar()->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(pages->tabBar()->hasFocus());

    // Tab through the window once; every box with text the focus reaches on this page holds it selected.
    QStringList reached;
    QString firstPlainBox; // not part of a choice box: typing a digit there stores nothing else
    for (int step = 0; step < 200; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QLineEdit* box = focusedBox();
        if (!box || !shown->isAncestorOf(box) || box->text().isEmpty())
            continue;
        const bool plain = !box->parentWidget()->inherits("QComboBox");
        const QString name = plain ? box->objectName() : box->parentWidget()->objectName();
        if (reached.contains(name))
            break;
        reached.append(name);
        if (plain && firstPlainBox.isEmpty() && !box->isReadOnly())
            firstPlainBox = name;
        QVERIFY2(box->selectedText() == box->text(), qPrintable(name + QLatin1String(": ") + box->selectedText()));
    }
    QVERIFY2(!reached.isEmpty(), qPrintable(page));
    if (firstPlainBox.isEmpty())
        return; // the page's boxes are all choice boxes

    // And typing replaces the text: that box reached again by Tab, typed into.
    for (int step = 0; step < 200 && !(focusedBox() && focusedBox()->objectName() == firstPlainBox); ++step)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QLineEdit* box = focusedBox();
    QVERIFY(box && box->objectName() == firstPlainBox);
    QVERIFY(typeIntoFocus(QStringLiteral("1")));
    QCOMPARE(box->text(), QStringLiteral("1"));
}

HX_TEST_MAIN(TestGuiTypingFocus)
#include "test_gui_typingfocus.moc"
