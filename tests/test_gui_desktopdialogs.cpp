// The real message boxes: their texts, captions and buttons, and the event loop they run while
// open, in which the link goes on handling replies.
#include "faketerminal.h"
#include "ui/dialogs.h"
#include "ui/tfmvarnel.h"
#include "ui/translations.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace
{

// Runs the action on the next modal box that opens, from inside its own event loop.
void onNextBox(std::function<void(QMessageBox*)> action)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(box);
        }
    });
    poll->start(10);
}

} // namespace

class TestGuiDesktopDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(installPortugueseTranslations(*QCoreApplication::instance())); }
    void messageShowsCaptionTextAndOk();
    void questionAnswersYesAndNo();
    void repliesAreHandledWhileABoxIsOpen();
};

void TestGuiDesktopDialogs::messageShowsCaptionTextAndOk()
{
    DesktopDialogs dialogs;
    QString caption, text, okText;
    onNextBox([&](QMessageBox* box) {
        caption = box->windowTitle();
        text = box->text();
        okText = box->button(QMessageBox::Ok)->text();
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.message(nullptr, QStringLiteral("Erro"), QStringLiteral("Erro ao escrever em:\r/tmp/x/"),
                    Dialogs::Icon::Critical);
    QCOMPARE(caption, QStringLiteral("Erro"));
    QCOMPARE(text, QStringLiteral("Erro ao escrever em:\n/tmp/x/")); // a CR starts a new line
    QCOMPARE(okText.remove(QLatin1Char('&')), QStringLiteral("OK"));
}

void TestGuiDesktopDialogs::questionAnswersYesAndNo()
{
    DesktopDialogs dialogs;
    QString noText;
    onNextBox([&](QMessageBox* box) {
        noText = box->button(QMessageBox::No)->text();
        box->button(QMessageBox::No)->click();
    });
    QVERIFY(!dialogs.question(nullptr, QStringLiteral("Configuração"), QStringLiteral("a\rb")));
    QCOMPARE(noText.remove(QLatin1Char('&')), QStringLiteral("Não"));
    onNextBox([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    QVERIFY(dialogs.question(nullptr, QStringLiteral("Configuração"), QStringLiteral("a\rb")));
}

void TestGuiDesktopDialogs::repliesAreHandledWhileABoxIsOpen()
{
    // A terminal that is not ready at first and ready when asked again while its box is open.
    FakeTerminal terminal;
    terminal.answerEveryRequestWith(QByteArray("\x82SN\x83"));
    QTemporaryDir dir;
    DesktopDialogs dialogs;
    TfmVarnel window(dir.path() + QLatin1Char('/'), dialogs);
    window.setLocalAddressSource([] { return QString(); });
    window.FormCreate();
    window.show();
    auto* address = window.findChild<QComboBox*>(QStringLiteral("IpTerm"));
    auto* status = window.findChild<QLabel*>(QStringLiteral("lbConectado"));
    address->setEditText(terminal.address());
    window.BtConectarClick();
    QTRY_COMPARE(status->text(), QStringLiteral("Conectado"));

    QString boxText, statusInsideBox;
    onNextBox([&](QMessageBox* box) {
        boxText = box->text();
        terminal.send(QByteArray("\x82SO\x83"));
        // The box's own loop handles the second reply while the box stays open.
        (void)QTest::qWaitFor([&] { return status->text() == QLatin1String("Retorno de Status"); }, 3000);
        statusInsideBox = status->text();
        box->button(QMessageBox::Ok)->click();
    });
    window.BtPedeStatusClick();
    QTRY_VERIFY(!boxText.isEmpty());
    QCOMPARE(boxText, QStringLiteral("Terminal Não Respondendo!"));
    QCOMPARE(statusInsideBox, QStringLiteral("Retorno de Status"));
}

QTEST_MAIN(TestGuiDesktopDialogs)
#include "test_gui_desktopdialogs.moc"
