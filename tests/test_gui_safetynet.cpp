// The File menu's safety net around a write: "Comparar com o Lido…" lists what the editor has
// changed since the read, "Exportar Configuração…" saves the working copy as a configuration file
// and "Carregar Configuração…" loads one into the editor the way "Default" loads the company
// sections, so that "Gravar" sends it.
#include "editorinput.h"
#include "fakesession.h"
#include "faketerminal.h"
#include "files/configfile.h"
#include "image/layout.h"
#include "image/readable.h"
#include "imagebuilders.h"
#include "windowfixture.h"
#include "writefailure.h"

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>

#include <sys/stat.h>

namespace
{

const QDateTime kNow(QDate(2026, 3, 4), QTime(5, 6, 7));
const QStringList kNewItems = {QStringLiteral("CompararLido1"), QStringLiteral("ExportarConfiguracao1"),
                               QStringLiteral("CarregarConfiguracao1"), QStringLiteral("AbrirBackups1")};

QAction* item(WindowFixture& f, const QString& name)
{
    return f.w().findChild<QAction*>(name);
}

void trigger(WindowFixture& f, const char* name)
{
    item(f, QString::fromLatin1(name))->trigger();
}

// The enabled state of Comparar, Exportar, Carregar and Abrir Backups as 0 and 1.
QString menuStates(WindowFixture& f)
{
    QString out;
    for (const QString& name : kNewItems)
        out.append(item(f, name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0'));
    return out;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// A configuration file's text with one key's value replaced.
QByteArray withValue(QByteArray file, const char* key, const char* value)
{
    QString text = QString::fromLatin1(file);
    text.replace(QRegularExpression(QStringLiteral("\r\n%1=[^\r]*").arg(QLatin1String(key))),
                 QStringLiteral("\r\n%1=%2").arg(QLatin1String(key), QString::fromUtf8(value)));
    return text.toLatin1();
}

// A window that has read richImage() from a fake terminal and unlocked it: "Carregar" is enabled.
struct UnlockedWindow {
    FakeTerminal terminal;
    WindowFixture f;
    bool start()
    {
        f.create();
        return fakesession::read(f, terminal, richImage()) && fakesession::unlock(f, terminal);
    }
    // "Carregar Configuração…" on a file of these bytes; the texts of the boxes it showed.
    QStringList load(const QString& path, const QByteArray& bytes, bool answer = true)
    {
        writeFile(path, bytes);
        f.dialogs.clear();
        f.dialogs.fileChoices = {path};
        f.dialogs.answers = {answer};
        trigger(f, "CarregarConfiguracao1");
        return f.dialogs.texts();
    }
};

// Another terminal: its own MAC, address and reserved bytes, and a few settings of its own.
QByteArray otherTerminal()
{
    QByteArray image = richImage();
    const auto put = [&image](int first, int width, const QByteArray& text) {
        image.replace(first, width, text.leftJustified(width, '\0'));
    };
    put(114, 12, "0050C2FFFFFF");
    put(20, 16, "10.1.1.77"); // IP Local
    put(41, 16, "10.1.1.1");  // IP Remoto
    image[7] = 6;             // COM 1 at 57600
    for (int i = 144; i < 170; ++i)
        image[i] = char(0xEE); // reserved
    return image;
}

QByteArray configFileOf(const QByteArray& image)
{
    return configFileBytes(image, {image::readableValue(*image::fieldOf("edMac"), image), kNow, QStringLiteral("x")});
}

} // namespace

class TestGuiSafetyNet : public QObject
{
    Q_OBJECT

private slots:
    void newMenuItems();
    void menuItemsFollowTheCommandButtons();
    void compareListsExactlyTheEdits();
    void exportThenLoadSendsWhatTheEditsSent();
    void exportFailureIsReported();
    void loadRefusesValuesThatNameNoItem();
    void loadOfAnotherTerminalAsksAndKeepsIpLocal();
    void loadOfAMalformedFileNamesTheLine();
};

void TestGuiSafetyNet::newMenuItems()
{
    WindowFixture f;
    f.create();
    auto* menu = f.find<QMenu>("Arquivo1");
    QStringList names, captions;
    for (QAction* action : menu->actions()) {
        names.append(action->objectName());
        captions.append(action->text());
        QVERIFY2(!action->icon().isNull(), qPrintable(action->objectName()));
    }
    QCOMPARE(names,
             (QStringList{QStringLiteral("Diretrio1"), QStringLiteral("Log1"), QStringLiteral("VisualizarLog1")} +
              kNewItems));
    QCOMPARE(captions.mid(3),
             (QStringList{QStringLiteral("Comparar com o Lido…"), QStringLiteral("Exportar Configuração…"),
                          QStringLiteral("Carregar Configuração…"), QStringLiteral("Abrir Backups")}));

    // A screen reader names each item of the menu by its caption.
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(menu);
    QVERIFY(face);
    QStringList spoken;
    for (int i = 0; i < face->childCount(); ++i)
        spoken.append(face->child(i)->text(QAccessible::Name));
    QCOMPARE(spoken, captions);
    // The backup line starts empty and says nothing.
    QCOMPARE(f.find<QLabel>("lbBackup")->text(), QString());
}

void TestGuiSafetyNet::menuItemsFollowTheCommandButtons()
{
    FakeTerminal terminal;
    WindowFixture f;
    f.create();
    // Abrir Backups always; Comparar and Exportar with "Log Conf."; Carregar exactly with "Default".
    QCOMPARE(menuStates(f), QStringLiteral("0001"));
    QVERIFY(fakesession::connect(f, terminal));
    QCOMPARE(menuStates(f), QStringLiteral("0001"));
    QVERIFY(fakesession::readNow(f, terminal, richImage()));
    QCOMPARE(f.buttons(), QStringLiteral("1010001"));
    QCOMPARE(menuStates(f), QStringLiteral("1101"));
    QVERIFY(fakesession::unlock(f, terminal));
    QCOMPARE(f.buttons(), QStringLiteral("1001111"));
    QCOMPARE(menuStates(f), QStringLiteral("1111"));
    // A write answered without reboot: "Default" goes on, and so does Carregar.
    f.dialogs.answers = {false};
    fakesession::writeFrame(f, terminal);
    terminal.send(QByteArray("\x82GO\x83"));
    QVERIFY(f.waitStatus(QStringLiteral("Aviso: Reiniciar Terminal!")));
    QCOMPARE(item(f, QStringLiteral("CarregarConfiguracao1"))->isEnabled(), f.button("BtDefault")->isEnabled());
    QCOMPARE(menuStates(f), QStringLiteral("1111"));
    // A new read disables "Default" again.
    QVERIFY(fakesession::readNow(f, terminal, richImage()));
    QCOMPARE(menuStates(f), QStringLiteral("1101"));
    f.w().BtConectarClick(); // "Desconectar"
    QCOMPARE(f.buttons(), QStringLiteral("0000000"));
    QCOMPARE(menuStates(f), QStringLiteral("0001"));
}

void TestGuiSafetyNet::compareListsExactlyTheEdits()
{
    FakeTerminal terminal;
    WindowFixture f;
    f.create();
    QVERIFY(fakesession::read(f, terminal, richImage()));

    // Right after the read: the flags and the protocol the decoder normalised are no edits.
    trigger(f, "CompararLido1");
    QCOMPARE(f.dialogs.dialogsSeen.size(), 1);
    ScriptedDialogs::DialogSeen seen = f.dialogs.dialogsSeen.first();
    QCOMPARE(seen.title, QStringLiteral("Comparar com o Lido"));
    QCOMPARE(seen.labels, QStringList{QStringLiteral("Nenhuma alteração")});
    QVERIFY(!seen.tableShown);
    QCOMPARE(seen.rows.size(), 0);

    f.edit("VIpRemoto")->setText(QStringLiteral("10.0.0.9"));
    pick(f.combo("cbBaud1"), 5);
    f.radio("rbSystem")->click();
    f.check("cbCom1")->click();
    pick(f.combo("cbTaxa"), 0);
    pick(f.combo("cbTaxa"), 1); // and back: no change
    const QByteArray working = f.w().buffer().workingCopy();
    f.dialogs.clear();
    trigger(f, "CompararLido1");
    QCOMPARE(f.dialogs.dialogsSeen.size(), 1);
    seen = f.dialogs.dialogsSeen.first();
    QCOMPARE(seen.labels, QStringList{QStringLiteral("4 campos alterados desde a leitura")});
    QVERIFY(seen.tableShown);
    QCOMPARE(seen.tableName, QStringLiteral("Alterações"));
    QCOMPARE(seen.headers, (QStringList{QStringLiteral("Página"), QStringLiteral("Campo"), QStringLiteral("Valor lido"),
                                        QStringLiteral("Valor atual")}));
    const QList<QStringList> expected = {
        {QStringLiteral("Seriais"), QStringLiteral("Baud - Rate COM 1"), QStringLiteral("9600"),
         QStringLiteral("38400")},
        {QStringLiteral("Conexão"), QStringLiteral("Conexão TCP"), QStringLiteral("Server"), QStringLiteral("System")},
        {QStringLiteral("Conexão"), QStringLiteral("IP Remoto"), QStringLiteral("192.168.0.10"),
         QStringLiteral("10.0.0.9")},
        {QStringLiteral("Seriais"), QStringLiteral("COM 1"), QStringLiteral("Sim"), QStringLiteral("Não")},
    };
    QCOMPARE(seen.rows, expected);
    // It only reads the copies.
    QCOMPARE(f.w().buffer().workingCopy(), working);

    // A new password placed by "Gravar" is listed without its value.
    QVERIFY(fakesession::unlock(f, terminal));
    f.edit("VNovaSenha")->setText(QStringLiteral("654321"));
    fakesession::writeFrame(f, terminal);
    f.dialogs.clear();
    trigger(f, "CompararLido1");
    seen = f.dialogs.dialogsSeen.first();
    QCOMPARE(seen.rows.last(),
             (QStringList{QString(), QStringLiteral("Nova Senha"), QString(), QStringLiteral("(alterado)")}));
    for (const QStringList& row : seen.rows)
        QVERIFY(!row.join(QLatin1Char(' ')).contains(QStringLiteral("654321")));
}

void TestGuiSafetyNet::exportThenLoadSendsWhatTheEditsSent()
{
    // The edits, exported, then written to the terminal.
    FakeTerminal first;
    WindowFixture edited;
    edited.create().setClock([] { return kNow; });
    QVERIFY(fakesession::read(edited, first, richImage()));
    QVERIFY(fakesession::unlock(edited, first));
    edited.edit("VIpLocal")->setText(QStringLiteral("192.168.7.7"));
    edited.edit("VLogin")->setText(QStringLiteral("caixa"));
    edited.edit("edDelay")->setText(QStringLiteral("5"));
    pick(edited.combo("cbParidade0"), 1);
    pick(edited.combo("cbVelocidade"), 0);
    edited.check("cbConexaoTCP")->click(); // no TCP role at all
    edited.radio("HabVT100")->click();
    pick(edited.combo("cbNumTerm"), 33);
    pick(edited.combo("cbTaxa"), 0);
    edited.check("cbCom1")->click();
    QCOMPARE(edited.w().buffer().working(19), std::uint8_t(0));

    const QString path = edited.path(QStringLiteral("exportado.ini"));
    edited.dialogs.saveChoices = {path};
    trigger(edited, "ExportarConfiguracao1");
    QCOMPARE(edited.dialogs.shown.last().kind, QStringLiteral("save"));
    QCOMPARE(edited.dialogs.shown.last().caption, QStringLiteral("Exportar Configuração"));
    QCOMPARE(edited.dialogs.lastFilter, QStringLiteral("Configuração (*.ini)"));
    QCOMPARE(edited.dialogs.lastFolder, edited.settingsDir() + QStringLiteral("0050C2A1B2C3_20260304-050607.ini"));
    struct stat info {
    };
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 0777), 0600);
    const auto exported = parseConfigFile(readFile(path));
    QVERIFY(exported.ok());
    QCOMPARE(exported.value().image, edited.w().buffer().workingCopy());
    QCOMPARE(exported.value().terminal.address, first.address());
    const QByteArray editedFrame = fakesession::writeFrame(edited, first);
    QCOMPARE(editedFrame.size(), 260);

    // The same terminal, freshly read in another window: the file loaded, then written.
    FakeTerminal second;
    WindowFixture loaded;
    loaded.create();
    QVERIFY(fakesession::read(loaded, second, richImage()));
    QVERIFY(fakesession::unlock(loaded, second));
    loaded.dialogs.clear();
    loaded.dialogs.fileChoices = {path};
    trigger(loaded, "CarregarConfiguracao1");
    QCOMPARE(loaded.dialogs.shown.size(), 1); // the open dialog, and no question: the same MAC
    QCOMPARE(loaded.dialogs.shown.first().caption, QStringLiteral("Carregar Configuração"));
    QCOMPARE(loaded.dialogs.lastFilter, QStringLiteral("Configuração (*.ini)"));
    QCOMPARE(loaded.dialogs.lastFolder, loaded.settingsDir());
    QVERIFY(loaded.w().loadingFlag()); // as after "Default"
    QCOMPARE(loaded.edit("VIpLocal")->text(), QStringLiteral("192.168.7.7"));
    QVERIFY(!loaded.check("cbConexaoTCP")->isChecked());
    QCOMPARE(loaded.combo("cbNumTerm")->currentText(), QStringLiteral("33"));
    const QByteArray loadedFrame = fakesession::writeFrame(loaded, second);
    QVERIFY2(loadedFrame == editedFrame, qPrintable(diff(loadedFrame, editedFrame)));

    // A cancelled dialog saves and loads nothing.
    const QStringList before = loaded.editorState();
    trigger(loaded, "CarregarConfiguracao1");
    QCOMPARE(loaded.editorState(), before);
    QFile::remove(path);
    trigger(edited, "ExportarConfiguracao1");
    QVERIFY(!QFile::exists(path));
}

void TestGuiSafetyNet::exportFailureIsReported()
{
    FakeTerminal terminal;
    WindowFixture f;
    f.create();
    QVERIFY(fakesession::read(f, terminal, richImage()));
    const QString path = writefailure::pathUnderFile(f.tempDir(), QStringLiteral("x.ini"));
    f.dialogs.saveChoices = {path};
    trigger(f, "ExportarConfiguracao1");
    QCOMPARE(f.dialogs.shown.size(), 2);
    const ScriptedDialogs::Shown& box = f.dialogs.shown.last();
    QCOMPARE(box.caption, QStringLiteral("Erro"));
    QCOMPARE(box.icon, Dialogs::Icon::Critical);
    QVERIFY2(box.text.startsWith(QStringLiteral("Não foi possível exportar a configuração:\r")), qPrintable(box.text));
    QVERIFY2(box.text.contains(path), qPrintable(box.text));
    QCOMPARE(f.status(), QStringLiteral("Retorno de Leitura"));
}

void TestGuiSafetyNet::loadRefusesValuesThatNameNoItem()
{
    UnlockedWindow session;
    QVERIFY(session.start());
    WindowFixture& f = session.f;
    QByteArray file = configFileOf(otherTerminal());
    file = withValue(file, "SincronismoVideo", "x");
    file = withValue(file, "Paridade1", "Impar");
    file = withValue(file, "NumTerminal", "100");
    const QStringList before = f.editorState();
    QCOMPARE(session.load(f.path(QStringLiteral("ruim.ini")), file),
             QStringList{QStringLiteral(
                 "Nada foi carregado. Valores que não correspondem a nenhum item:\r"
                 "Valor não aceito em [Gerais] SincronismoVideo=x; valores aceitos: \"0\", \"1\", \"2\", \"3\"\r"
                 "Valor não aceito em [Seriais] Paridade1=Impar; valores aceitos: \"Sem\", \"Par\", \"Ímpar\"\r"
                 "Valor não aceito em [Gerais] NumTerminal=100; valores aceitos: \"00\" a \"99\"")});
    QCOMPARE(f.dialogs.shown.last().caption, QStringLiteral("Carregar Configuração"));
    QCOMPARE(f.dialogs.shown.last().icon, Dialogs::Icon::Warning);
    QCOMPARE(f.editorState(), before); // nothing loaded, no MAC question asked
    QVERIFY(!f.w().loadingFlag());
}

void TestGuiSafetyNet::loadOfAnotherTerminalAsksAndKeepsIpLocal()
{
    UnlockedWindow session;
    QVERIFY(session.start());
    WindowFixture& f = session.f;
    const QString path = f.path(QStringLiteral("outro.ini"));
    const QString question =
        QStringLiteral("Esta configuração é de outro terminal (MAC 0050C2FFFFFF). Carregar mesmo assim?");

    // No: nothing changes.
    const QStringList before = f.editorState();
    QCOMPARE(session.load(path, configFileOf(otherTerminal()), false), QStringList{question});
    QCOMPARE(f.dialogs.shown.last().caption, QStringLiteral("Carregar Configuração"));
    QCOMPARE(f.editorState(), before);

    // Yes: the file's settings, with this terminal's own address, MAC and reserved bytes.
    const QByteArray own = f.w().buffer().workingCopy();
    QCOMPARE(session.load(path, configFileOf(otherTerminal()), true), QStringList{question});
    QCOMPARE(f.edit("VIpRemoto")->text(), QStringLiteral("10.1.1.1"));
    QCOMPARE(f.combo("cbBaud1")->currentText(), QStringLiteral("57600"));
    QCOMPARE(f.edit("VIpLocal")->text(), QStringLiteral("192.168.0.50"));
    QCOMPARE(f.edit("edMac")->text(), QStringLiteral("0050C2A1B2C3"));
    const QByteArray frame = fakesession::writeFrame(f, session.terminal);
    QCOMPARE(frame.size(), 260);
    QCOMPARE(frame.mid(41, 16), QByteArray("10.1.1.1").leftJustified(16, '\0'));
    QCOMPARE(frame.at(7), char(6));
    for (const image::Field& field : image::layout()) {
        if (field.kind == image::Kind::Reserved || field.kind == image::Kind::Mac || field.control == "VIpLocal")
            QVERIFY2(frame.mid(field.first, field.width) == own.mid(field.first, field.width),
                     qPrintable(image::captionOf(field)));
    }
}

void TestGuiSafetyNet::loadOfAMalformedFileNamesTheLine()
{
    UnlockedWindow session;
    QVERIFY(session.start());
    WindowFixture& f = session.f;
    QByteArray file = configFileOf(richImage());
    const QList<QByteArray> lines = file.split('\n');
    int line = 0;
    while (line < lines.size() && !lines.at(line).startsWith("Bytes040="))
        ++line;
    QVERIFY(line < lines.size());
    file.replace(lines.at(line), "Bytes040=82 46");
    const QString path = f.path(QStringLiteral("quebrado.ini"));
    const QStringList before = f.editorState();
    QCOMPARE(session.load(path, file),
             QStringList{QStringLiteral("Não foi possível carregar a configuração:\r%1: Linha %2: Bytes040 deve ter 20 "
                                        "bytes em hexadecimal, pares separados por um espaço.")
                             .arg(path)
                             .arg(line + 1)});
    QCOMPARE(f.dialogs.shown.last().caption, QStringLiteral("Erro"));
    QCOMPARE(f.editorState(), before);

    // A file that cannot be read at all says so too.
    f.dialogs.clear();
    f.dialogs.fileChoices = {f.path(QStringLiteral("ausente.ini"))};
    trigger(f, "CarregarConfiguracao1");
    QCOMPARE(f.dialogs.texts().size(), 1);
    QVERIFY2(f.dialogs.texts().first().startsWith(QStringLiteral("Não foi possível carregar a configuração:\r") +
                                                  f.path(QStringLiteral("ausente.ini"))),
             qPrintable(f.dialogs.texts().first()));
    QCOMPARE(f.editorState(), before);
}

QTEST_MAIN(TestGuiSafetyNet)
#include "test_gui_safetynet.moc"
