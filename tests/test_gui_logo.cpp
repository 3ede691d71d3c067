// The "Logo" page: choosing the file, remembering its path, reading the 240 bytes and sending them
// in the logo frame.
#include "editorinput.h"
#include "faketerminal.h"
#include "files/inifile.h"
#include "image/cp1252.h"
#include "imagebuilders.h"
#include "simprocess.h"
#include "testprogram.h"
#include "textfilebytes.h"
#include "windowfixture.h"
#include "writefailure.h"

#include <QDir>
#include <QTcpSocket>
#include <QTest>

namespace
{

const QString kCannotRead = QStringLiteral("Não foi possível lêr o arquivo!");

// A logo file of the given number of lines, each "a0,a1,...,a5," with the six given bytes.
QByteArray logoFile(int lines, const QByteArray& six)
{
    QStringList text;
    for (int i = 0; i < lines; ++i) {
        QString line;
        for (const char byte : six)
            line += QStringLiteral("%1,").arg(quint8(byte), 2, 16, QLatin1Char('0'));
        text.append(line);
    }
    return windowsTextFile(text);
}

QByteArray repeated(const QByteArray& six, int times)
{
    QByteArray out;
    for (int i = 0; i < times; ++i)
        out += six;
    return out;
}

QByteArray logoBytes(const TfmVarnel& w)
{
    return QByteArray(reinterpret_cast<const char*>(w.logoData().data()), qsizetype(w.logoData().size()));
}

QString caminho(WindowFixture& f)
{
    return f.find<QLabel>("lbCaminho")->text();
}

// Which of the three page buttons are enabled: "Abrir", "Lê", "Escrever" as 0 and 1.
QString pageButtons(WindowFixture& f)
{
    QString out;
    for (const char* name : {"btAbrirArquivo", "btLerArquivo", "btEscreverArquivo"})
        out.append(f.button(name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0'));
    return out;
}

// Chooses the file with "Abrir Arquivo" and reads it with "Lê Arquivo".
void chooseAndRead(WindowFixture& f, const QString& path)
{
    f.dialogs.fileChoices = {path};
    f.button("btAbrirArquivo")->click();
    f.button("btLerArquivo")->click();
}

} // namespace

class TestGuiLogo : public QObject
{
    Q_OBJECT

private slots:
    void startUpShowsRememberedPath();
    void cancelChangesNothing();
    void choiceIsRememberedAndEnablesReading();
    void readingEnablesWritingWhateverTheOutcome();
    void settingsWriteFailure();
    void frameReachesTheTerminal();
    void frameBytesSentTwice();
};

void TestGuiLogo::startUpShowsRememberedPath()
{
    WindowFixture f;
    const QString remembered = QStringLiteral("/dados/logotipo ção.txt");
    f.writeFile(QStringLiteral("ConfDefault.ini"),
                windowsTextFile({QStringLiteral("[HXConfig]"), QStringLiteral("IP1=10.0.0.1"),
                                 QStringLiteral("[Arquivo]"), QStringLiteral("Caminho=") + remembered}));
    f.create();
    QCOMPARE(caminho(f), remembered);
    QCOMPARE(f.w().logoPath(), remembered);
    QCOMPARE(pageButtons(f), QStringLiteral("100")); // the remembered file cannot be read until chosen again

    WindowFixture g;
    g.create();
    QCOMPARE(caminho(g), QStringLiteral("C:\\"));
}

void TestGuiLogo::cancelChangesNothing()
{
    WindowFixture f;
    f.create();
    const QByteArray settingsBefore = f.readFile(QStringLiteral("ConfDefault.ini"));
    f.button("btAbrirArquivo")->click(); // no choice queued: the dialog is cancelled
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0].kind, QStringLiteral("open"));
    QCOMPARE(f.dialogs.lastFilter, QStringLiteral("Arquivo Texto (*.txt)"));
    QCOMPARE(f.dialogs.lastFolder, f.settingsDir());
    QCOMPARE(f.w().logoPath(), QStringLiteral("C:\\"));
    QCOMPARE(caminho(f), QStringLiteral("C:\\"));
    QCOMPARE(f.readFile(QStringLiteral("ConfDefault.ini")), settingsBefore);
    QCOMPARE(pageButtons(f), QStringLiteral("100"));
}

void TestGuiLogo::choiceIsRememberedAndEnablesReading()
{
    WindowFixture f;
    f.create();
    const QString path = f.path(QStringLiteral("logo é.txt"));
    f.dialogs.fileChoices = {path};
    f.button("btAbrirArquivo")->click();
    QCOMPARE(f.w().logoPath(), path);
    QCOMPARE(caminho(f), path);
    QCOMPARE(pageButtons(f), QStringLiteral("110"));
    QCOMPARE(IniFile(f.path(QStringLiteral("ConfDefault.ini")))
                 .readString(QStringLiteral("Arquivo"), QStringLiteral("Caminho"), QString()),
             path);
    QVERIFY(f.readFile(QStringLiteral("ConfDefault.ini")).contains("Caminho=" + cp1252::encode(path) + "\r\n"));
    QVERIFY(f.dialogs.texts().isEmpty());

    // A new window starts with it.
    WindowFixture g;
    g.writeFile(QStringLiteral("ConfDefault.ini"), f.readFile(QStringLiteral("ConfDefault.ini")));
    g.create();
    QCOMPARE(caminho(g), path);
}

void TestGuiLogo::readingEnablesWritingWhateverTheOutcome()
{
    const QByteArray first("\xAA\xBB\xCC\xDD\xEE\xFF", 6);
    const QByteArray pattern("\x00\x11\x22\x33\x44\x55", 6);
    for (const char* kind : {"missing", "directory", "39 lines", "good"}) {
        WindowFixture f;
        f.create();
        f.writeFile(QStringLiteral("first.txt"), logoFile(40, first));
        chooseAndRead(f, f.path(QStringLiteral("first.txt")));
        QCOMPARE(logoBytes(f.w()), repeated(first, 40));
        WindowFixture g; // the same on a fresh window, before any read
        g.create();

        const QString path = f.path(QStringLiteral("logo.txt"));
        QByteArray expected = repeated(first, 40);
        QStringList messages;
        if (QByteArray(kind) == "directory") {
            QVERIFY(QDir(f.settingsDir()).mkdir(QStringLiteral("logo.txt")));
        } else if (QByteArray(kind) == "39 lines") {
            f.writeFile(QStringLiteral("logo.txt"), logoFile(39, pattern));
            expected.replace(0, 234, repeated(pattern, 39));
            messages = {kCannotRead};
        } else if (QByteArray(kind) == "good") {
            f.writeFile(QStringLiteral("logo.txt"), logoFile(40, pattern) + "anything after line 40\r\n");
            expected = repeated(pattern, 40);
        }
        f.dialogs.clear();
        chooseAndRead(f, path);
        QVERIFY2(f.dialogs.texts() == messages, kind);
        QCOMPARE(logoBytes(f.w()), expected);
        QCOMPARE(pageButtons(f), QStringLiteral("111"));

        chooseAndRead(g, path);
        QCOMPARE(pageButtons(g), QStringLiteral("111"));
    }
}

void TestGuiLogo::settingsWriteFailure()
{
    WindowFixture f;
    f.create();
    const QByteArray settingsBefore = f.readFile(QStringLiteral("ConfDefault.ini"));
    const QString path = f.path(QStringLiteral("logo.txt"));
    f.dialogs.fileChoices = {path};
    {
        writefailure::FileSizeLimit limit(8);
        QVERIFY(limit.active());
        f.button("btAbrirArquivo")->click();
    }
    QCOMPARE(f.dialogs.texts(),
             QStringList{QStringLiteral("Erro ao escrever no arquivo de configuração em:\r") + f.settingsDir()});
    QCOMPARE(f.dialogs.shown.last().caption, QStringLiteral("Erro"));
    QCOMPARE(f.w().logoPath(), path); // already taken
    QCOMPARE(caminho(f), QStringLiteral("C:\\"));
    QCOMPARE(pageButtons(f), QStringLiteral("100"));
    QCOMPARE(f.readFile(QStringLiteral("ConfDefault.ini")), settingsBefore);
}

void TestGuiLogo::frameReachesTheTerminal()
{
    SimProcess sim;
    QVERIFY(sim.isRunning());
    WindowFixture f;
    f.create();
    QVERIFY(f.connectAndRead(sim.address(), QStringLiteral("123456")));
    const QByteArray six("\x00\x11\x22\x33\x44\x55", 6);
    f.writeFile(QStringLiteral("logo.txt"), logoFile(40, six));
    chooseAndRead(f, f.path(QStringLiteral("logo.txt")));
    const QString statusBefore = f.status();
    f.button("btEscreverArquivo")->click();
    QTRY_COMPARE(sim.storedLogo(), repeated(six, 40));
    QCOMPARE(f.status(), statusBefore); // no answer is awaited
    QVERIFY(f.dialogs.texts().isEmpty());
}

void TestGuiLogo::frameBytesSentTwice()
{
    FakeTerminal terminal;
    QVERIFY(terminal.isListening());
    WindowFixture f;
    f.create();

    // Without a connection nothing goes out and nothing is said.
    f.button("btLerArquivo")->setEnabled(true);
    f.button("btLerArquivo")->click();
    f.button("btEscreverArquivo")->click();
    QVERIFY(f.dialogs.shown.isEmpty());

    QVERIFY(f.connectTo(terminal.address()));
    QVERIFY(terminal.waitForPeer());
    feedRead(f, richImage());
    const QByteArray six("\x0f\xf0\x7e\x80\x01\xfe", 6);
    f.writeFile(QStringLiteral("logo.txt"), logoFile(40, six));
    chooseAndRead(f, f.path(QStringLiteral("logo.txt")));
    const QByteArray image = f.w().buffer().workingCopy();
    f.button("btEscreverArquivo")->click();
    f.button("btEscreverArquivo")->click();

    const QByteArray frame = QByteArray("\x82V") + repeated(six, 40) + richImage().mid(242);
    QCOMPARE(frame.size(), 260);
    QVERIFY(QTest::qWaitFor([&] { return terminal.received.size() >= 520; }, 5000));
    QTest::qWait(50); // nothing more follows
    QCOMPARE(terminal.received, frame + frame);
    QCOMPARE(f.w().buffer().workingCopy(), image); // the logo never enters the image
}

HX_TEST_MAIN(TestGuiLogo)
#include "test_gui_logo.moc"
