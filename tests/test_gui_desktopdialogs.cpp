// The real message boxes: their texts, captions and buttons, and the event loop they run while
// open, in which the link goes on handling replies. The real open and save dialogs: the file types
// they offer, as the user reads them. The compare dialog, run until its button closes it.
#include "faketerminal.h"
#include "files/language.h"
#include "testprogram.h"
#include "ui/comparedialog.h"
#include "ui/dialogs.h"
#include "ui/tfmexibelog.h"
#include "ui/tfmvarnel.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace
{

// Runs the action on the next modal window of that kind that opens, from inside its own event loop.
template <typename Modal> void onNext(std::function<void(Modal*)> action)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        if (auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(modal);
        }
    });
    poll->start(10);
}

void onNextBox(std::function<void(QMessageBox*)> action)
{
    onNext<QMessageBox>(std::move(action));
}

// Runs the action on the next file dialog that opens, then cancels it.
void onNextFileDialog(std::function<void(QFileDialog*)> action)
{
    onNext<QFileDialog>([action](QFileDialog* dialog) {
        action(dialog);
        dialog->reject();
    });
}

// The file types the dialog lists, as the user reads them in its type box.
QStringList shownFileTypes(QFileDialog* dialog)
{
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    if (!types)
        return {QStringLiteral("<no file type box>")};
    QStringList shown;
    for (int i = 0; i < types->count(); ++i)
        shown.append(types->itemText(i));
    return shown;
}

} // namespace

class TestGuiDesktopDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(language::install(*QCoreApplication::instance(), Language::Portuguese)); }
    void messageShowsCaptionTextAndOk();
    void questionAnswersYesAndNo();
    void repliesAreHandledWhileABoxIsOpen();
    void viewerOpenDialogOffersTextFiles();
    void logoOpenDialogOffersTextFiles();
    void saveDialogAddsTheSuffixOfItsFilter();
    void compareDialogRunsUntilClosed();
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

void TestGuiDesktopDialogs::viewerOpenDialogOffersTextFiles()
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    DesktopDialogs dialogs;
    QWidget mainWindow;
    TfmExibeLog viewer(dialogs, &mainWindow);
    QStringList types;
    QStringList filters;
    onNextFileDialog([&](QFileDialog* dialog) {
        types = shownFileTypes(dialog);
        filters = dialog->nameFilters();
    });
    viewer.findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->click();
    QDir::setCurrent(previous);
    QCOMPARE(types, QStringList{QStringLiteral("Arquivo Texto")});
    QCOMPARE(filters, QStringList{QStringLiteral("Arquivo Texto (*.txt)")}); // still only text files
}

void TestGuiDesktopDialogs::logoOpenDialogOffersTextFiles()
{
    // The logo's dialog names its file type with the pattern in it: "Arquivo Texto (*.txt)".
    QTemporaryDir dir;
    DesktopDialogs dialogs;
    TfmVarnel window(dir.path() + QLatin1Char('/'), dialogs);
    window.setLocalAddressSource([] { return QString(); });
    window.FormCreate();
    QStringList types;
    onNextFileDialog([&](QFileDialog* dialog) { types = shownFileTypes(dialog); });
    window.btAbrirArquivoClick();
    QCOMPARE(types, QStringList{QStringLiteral("Arquivo Texto (*.txt)")});
}

void TestGuiDesktopDialogs::saveDialogAddsTheSuffixOfItsFilter()
{
    // "Exportar Configuração…" proposes a name in the tool's folder; a name typed without ".ini"
    // is saved with it.
    QTemporaryDir dir;
    DesktopDialogs dialogs;
    QStringList types;
    QString proposed;
    onNext<QFileDialog>([&](QFileDialog* dialog) {
        types = shownFileTypes(dialog);
        proposed = dialog->selectedFiles().value(0);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (name)
            name->setText(QStringLiteral("terminal"));
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept, which adds the suffix
    });
    const QString chosen =
        dialogs.saveFile(nullptr, QStringLiteral("Exportar Configuração"), QStringLiteral("Configuração (*.ini)"),
                         dir.filePath(QStringLiteral("a.ini")));
    QCOMPARE(types, QStringList{QStringLiteral("Configuração (*.ini)")});
    QCOMPARE(proposed, dir.filePath(QStringLiteral("a.ini")));
    QCOMPARE(chosen, dir.filePath(QStringLiteral("terminal.ini")));

    onNextFileDialog([](QFileDialog*) {}); // cancelled
    QCOMPARE(dialogs.saveFile(nullptr, QStringLiteral("Exportar Configuração"), QStringLiteral("Configuração (*.ini)"),
                              dir.path()),
             QString());
}

void TestGuiDesktopDialogs::compareDialogRunsUntilClosed()
{
    DesktopDialogs dialogs;
    CompareDialog dialog({{QStringLiteral("Conexão"), QStringLiteral("IP Remoto"), QStringLiteral("Conexao"),
                           QStringLiteral("IPRemoto"), QStringLiteral("192.168.0.10"), QStringLiteral("10.0.0.9")}});
    QString title;
    bool wasModal = false;
    onNext<QDialog>([&](QDialog* shown) {
        title = shown->windowTitle();
        wasModal = shown == &dialog;
        // The one button closes it; Portuguese like the rest.
        auto* close = shown->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close);
        QCOMPARE(close->text().remove(QLatin1Char('&')), QStringLiteral("Fechar"));
        close->click();
    });
    dialogs.showDialog(dialog);
    QVERIFY(wasModal);
    QCOMPARE(title, QStringLiteral("Comparar com o Lido"));
    QVERIFY(!dialog.isVisible());
}

HX_TEST_MAIN(TestGuiDesktopDialogs)
#include "test_gui_desktopdialogs.moc"
