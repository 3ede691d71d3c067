// hxconfig-cli against hxterm-sim: a UTF-8 fleet file and profile as spreadsheets and editors save
// them, texts the terminal cannot hold as given, values the user asks for with --set, and a
// configuration file whose keys were edited apart from its image. Every run that talks to a
// terminal is started in initTestCase, so that the write sequences' pauses overlap.
#include "clifixtures.h"
#include "cliscenario.h"
#include "imagegen.h"
#include "testprogram.h"

#include "files/configfile.h"
#include "image/cp1252.h"
#include "image/layout.h"
#include "image/profile.h"
#include "image/readable.h"
#include "image/visibletext.h"
#include "image/writeprep.h"

#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <memory>

using namespace clifixtures;
using namespace Qt::Literals::StringLiterals;

namespace
{

QByteArray bytesOf(const QByteArray& image, std::string_view control)
{
    const image::Field* field = image::fieldOf(control);
    return image.mid(field->first, field->width);
}

// The bytes a text field holds after a store of `text`: the text, then zero bytes.
QByteArray storedText(std::string_view control, const QByteArray& text)
{
    return bytesOf(withText(startImage(), control, text), control);
}

// A terminal whose every keyed field says something, and something else than the simulator's:
// generated, then padded as a write pads it, so that a write gives its texts back unchanged.
// Its control characters are letters: show prints those as "\xHH", which --set takes as they are.
QByteArray generatedTerminal()
{
    ImageGen gen(18);
    QByteArray image = gen.readableImage();
    for (const image::Field& field : image::layout()) {
        if (field.rule != image::Rule::Text)
            continue;
        for (int i = field.first; i < field.first + field.width; ++i) {
            const QChar c = cp1252::decodeByte(static_cast<unsigned char>(image.at(i)));
            if (c.unicode() != 0 && image::visibleText(c) != QString(c))
                image[i] = 'x';
        }
    }
    return image::padForWrite(image, image::shownAfterRead(image), false);
}

// The "--set=Section.Key=Value" of every line `show` printed, found by the field table's captions.
QStringList setsFromShow(const QString& shown)
{
    QStringList sets;
    const QStringList lines = shown.split(u'\n');
    for (const image::Field* field : image::keyedFields()) {
        const QString prefix = u"  "_s + image::captionOf(*field) + u": "_s;
        const QString suffix = u" ["_s + image::sectionOf(*field) + u'.' + image::requestKeyOf(*field) + u']';
        for (const QString& line : lines) {
            if (line.startsWith(prefix) && line.endsWith(suffix)) {
                const QString value = line.mid(prefix.size(), line.size() - prefix.size() - suffix.size());
                sets.append(u"--set="_s + image::sectionOf(*field) + u'.' + image::requestKeyOf(*field) + u'=' + value);
            }
        }
    }
    return sets;
}

} // namespace

class TestCliRequests : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void utf8FleetWritesTheCodePage();
    void utf8ProfileWritesTheCodePage();
    void tipoAloneSetsTheRole();
    void refusedValueListsTheAcceptedOnes();
    void everyLineOfShowCanBeSet();
    void editedFileIsMarkedByShowAndDiff();
    void editedFileIsRefusedByRestore();
    void imageWins();
    void keysWin();
    void imageAndKeysTogetherAreAUsageError();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    CliScenario& started(const char* name, const QStringList& simArgs, const QStringList& cliArgs);
    CliScenario& finished(const char* name);

    QTemporaryDir m_dir;
    std::unique_ptr<FleetProcess> m_fleet;
    std::unique_ptr<CliProcess> m_batch;
    QString m_fleetFile;
    QString m_readFile;   // a configuration file as read from a terminal
    QString m_editedFile; // the same with IPLocal edited by hand
    QString m_shown;      // what show printed of the generated terminal's file
    std::map<QString, std::unique_ptr<CliScenario>> m_runs;
};

CliScenario& TestCliRequests::started(const char* name, const QStringList& simArgs, const QStringList& cliArgs)
{
    auto& run = m_runs[QString::fromLatin1(name)];
    run = std::make_unique<CliScenario>(simArgs);
    run->start(cliArgs + QStringList{kPasswordOption, u"--backup-dir"_s, path(u"backups"_s)});
    return *run;
}

CliScenario& TestCliRequests::finished(const char* name)
{
    CliScenario& run = *m_runs.at(QString::fromLatin1(name));
    if (!run.wait())
        qFatal("hxconfig-cli did not end in %s", name);
    return run;
}

void TestCliRequests::initTestCase()
{
    QVERIFY(m_dir.isValid());

    // A fleet file as a spreadsheet exports it in UTF-8: no byte-order mark, semicolons, CR LF.
    m_fleet = std::make_unique<FleetProcess>(2);
    QVERIFY2(m_fleet->isRunning(), qPrintable(m_fleet->errorOutput()));
    const QStringList fleet = m_fleet->addresses();
    const QString fleetText = u"address;password;Conexao.Login;Protocolo.ConexaoTelNet;Conexao.CNPJ\r\n"_s +
                              fleet.at(0) + u";123456;Ação Café;Łukasz;\r\n"_s + fleet.at(1) +
                              u";123456;Ação Café;Łukasz;12.345.678/0001-90\r\n"_s;
    m_fleetFile = writeFile(path(u"frota.csv"_s), fleetText.toUtf8());
    m_batch = std::make_unique<CliProcess>(
        QStringList{u"batch"_s, m_fleetFile, kPasswordOption, u"--backup-dir"_s, path(u"backups"_s), u"--no-reboot"_s});

    // A profile saved by an editor in UTF-8, without a mark.
    const QString profile = writeFile(
        path(u"perfil.ini"_s), u"[Conexao]\r\nLogin=Ação Café\r\n[Protocolo]\r\nConexaoTelNet=Łódź\r\n"_s.toUtf8());
    started("utf8profile", {}, {u"apply"_s, u"ADDRESS"_s, profile});

    // The TCP connection off; the role asked alone.
    QByteArray off = startImage();
    off[image::fieldOf("cbConexaoTCP")->first] = 0;
    const QString empty = writeFile(path(u"vazio.ini"_s), {});
    started("tipo", imageArgs(path(u"off.img"_s), off),
            {u"apply"_s, u"ADDRESS"_s, empty, u"--set=Conexao.Tipo=Client"_s});
    started("badrole", {}, {u"apply"_s, u"ADDRESS"_s, empty, u"--set=Conexao.ConexaoTCP=Server"_s});

    // Every line show prints of another terminal's file, given back with --set.
    const QByteArray generated = generatedTerminal();
    const QString generatedFile =
        writeFile(path(u"gerado.ini"_s), configFileBytes(generated, {u"001122334455"_s, {}, {}}));
    const CliResult show = runCli({u"show"_s, generatedFile});
    QCOMPARE(show.exitCode, 0);
    m_shown = show.outText();
    // Generated values need not pass the checks (--force): the round trip is about what --set means.
    started("roundtrip", {},
            QStringList{u"apply"_s, u"ADDRESS"_s, empty, u"--no-reboot"_s, u"--force"_s} + setsFromShow(m_shown));

    // A file from read, then IPLocal edited in it by hand.
    SimProcess source;
    QVERIFY(source.isRunning());
    m_readFile = path(u"lido.ini"_s);
    const CliResult read = runCli({u"read"_s, source.address(), kPasswordOption, u"-o"_s, m_readFile});
    QCOMPARE(read.exitCode, 0);
    QByteArray edited = readFile(m_readFile);
    QVERIFY(edited.contains("\r\nIPLocal=192.168.0.50\r\n"));
    edited.replace("\r\nIPLocal=192.168.0.50\r\n", "\r\nIPLocal=192.168.0.77\r\n");
    m_editedFile = writeFile(path(u"editado.ini"_s), edited);
    started("restore", {}, {u"restore"_s, u"ADDRESS"_s, m_editedFile});
    started("restorejson", {}, {u"restore"_s, u"ADDRESS"_s, m_editedFile, u"--json"_s});
    started("image", {}, {u"restore"_s, u"ADDRESS"_s, m_editedFile, u"--image"_s, u"--no-reboot"_s});
    started("keys", {}, {u"restore"_s, u"ADDRESS"_s, m_editedFile, u"--keys"_s, u"--no-reboot"_s});
}

void TestCliRequests::utf8FleetWritesTheCodePage()
{
    QVERIFY(m_batch->wait());
    QCOMPARE(m_batch->exitCode(), 0);
    const QStringList fleet = m_fleet->addresses();
    // The same warning for the two rows once; the long text of the second row alone.
    const QString err = m_batch->errText();
    const QString lacking =
        u"hxconfig-cli: %1: aviso: linhas 2 e 3 (%2, %3): Conexão TelNet "
        "[Protocolo.ConexaoTelNet]: \"Łukasz\" será gravado como \"?ukasz\": \"?\" no lugar de "
        "\"Ł\", que o Windows-1252 do terminal não tem\n"_s.arg(m_fleetFile, fleet.at(0), fleet.at(1));
    const QString cut = u"hxconfig-cli: %1: aviso: linha 3 (%2): CNPJ [Conexao.CNPJ]: \"12.345.678/0001-90\" será "
                        "gravado como \"12.345.678/0001-\": cortado em 16 caracteres, o tamanho do campo\n"_s.arg(
                            m_fleetFile, fleet.at(1));
    QVERIFY2(err.contains(lacking), qPrintable(err));
    QVERIFY2(err.contains(cut), qPrintable(err));
    // Two text warnings; the checks' own advice (their suite tests it) may come beside them.
    QCOMPARE(err.count(u"será gravado como"_s), 2);

    for (int terminal = 1; terminal <= 2; ++terminal) {
        const QByteArray stored = m_fleet->storedImage(terminal);
        QCOMPARE(bytesOf(stored, "VLogin"), storedText("VLogin", "A\xE7\xE3o Caf\xE9"));
        QCOMPARE(bytesOf(stored, "edConTelNet"), storedText("edConTelNet", "?ukasz"));
    }
    QCOMPARE(bytesOf(m_fleet->storedImage(2), "VCNPJ"), QByteArray("12.345.678/0001-"));
}

void TestCliRequests::utf8ProfileWritesTheCodePage()
{
    CliScenario& run = finished("utf8profile");
    QCOMPARE(run.cli->exitCode(), 0);
    QCOMPARE(run.cli->errText(), u"hxconfig-cli: %1: aviso: Conexão TelNet [Protocolo.ConexaoTelNet]: \"Łódź\" será "
                                 "gravado como \"?ód?\": \"?\" no lugar de \"Ł\", \"ź\", que o Windows-1252 do "
                                 "terminal não tem\n"_s.arg(run.proxy.address()));
    const QByteArray stored = run.sim.storedImage();
    QCOMPARE(bytesOf(stored, "VLogin"), storedText("VLogin", "A\xE7\xE3o Caf\xE9"));
    QCOMPARE(bytesOf(stored, "edConTelNet"), storedText("edConTelNet", "?\xF3"
                                                                       "d?"));
}

void TestCliRequests::tipoAloneSetsTheRole()
{
    CliScenario& run = finished("tipo");
    QCOMPARE(run.cli->errText(), QString());
    QCOMPARE(run.cli->exitCode(), 0);
    QVERIFY2(run.cli->outText().contains(u"  Conexão / Conexão TCP [Conexao.Tipo]: Nenhum -> Client\n"_s),
             qPrintable(run.cli->outText()));
    QCOMPARE(int(run.sim.storedImage().at(image::fieldOf("cbConexaoTCP")->first)), 1);
}

void TestCliRequests::refusedValueListsTheAcceptedOnes()
{
    CliScenario& run = finished("badrole");
    QCOMPARE(run.cli->exitCode(), 7);
    QCOMPARE(run.cli->errText(), u"hxconfig-cli: %1: Valor não aceito em [Conexao] ConexaoTCP=Server; valores "
                                 "aceitos: \"Sim\", \"Não\", \"Nao\"\n"_s.arg(run.proxy.address()));
    QCOMPARE(run.cli->outText(), QString());
    QCOMPARE(run.sim.storedImage(), startImage());
}

void TestCliRequests::everyLineOfShowCanBeSet()
{
    const QByteArray generated = generatedTerminal();
    // show listed every keyed field, the role under the key that sets it.
    QCOMPARE(setsFromShow(m_shown).size(), qsizetype(image::keyedFields().size()));
    QVERIFY(m_shown.contains(u"[Conexao.Tipo]\n"_s));
    QVERIFY(!m_shown.contains(u"[Conexao.ConexaoTCP]"_s));

    CliScenario& run = finished("roundtrip");
    // Only the checks' findings, which --force writes past, may be said on standard error.
    for (const QString& line : run.cli->errText().split(u'\n', Qt::SkipEmptyParts))
        QVERIFY2(line.contains(u": erro: "_s) || line.contains(u": aviso: "_s), qPrintable(line));
    QCOMPARE(run.cli->exitCode(), 0);
    const QByteArray stored = run.sim.storedImage();
    int differed = 0;
    for (const image::Field* field : image::keyedFields()) {
        const QString expected = image::requestValueOf(*field, generated);
        differed += expected != image::requestValueOf(*field, startImage());
        QCOMPARE(image::requestValueOf(*field, stored), expected);
    }
    // The generated terminal differs from the simulator's in most fields, so the run changed them.
    QVERIFY2(differed > int(image::keyedFields().size()) / 2, qPrintable(QString::number(differed)));
}

void TestCliRequests::editedFileIsMarkedByShowAndDiff()
{
    const CliResult show = runCli({u"show"_s, m_editedFile});
    QCOMPARE(show.exitCode, 0);
    const QString note = u"Atenção: em 1 campo as chaves do arquivo diferem da seção [Imagem]; os valores mostrados "
                         "são os da imagem. restore recusa o arquivo sem --image (vale a imagem) ou --keys (valem as "
                         "chaves).\n"_s;
    QVERIFY2(show.outText().contains(
                 u"\n  IP Local: 192.168.0.50 [Conexao.IPLocal]  <- a chave no arquivo diz 192.168.0.77\n"_s),
             qPrintable(show.outText()));
    QVERIFY(show.outText().endsWith(note));
    QCOMPARE(show.outText().count(u"<-"_s), 1);

    // The file as read is shown without marks.
    const CliResult plain = runCli({u"show"_s, m_readFile});
    QCOMPARE(plain.exitCode, 0);
    QVERIFY(!plain.outText().contains(u"<-"_s));
    QVERIFY(!plain.outText().contains(u"Atenção"_s));

    // The images are the same, but the edited file is not called equal.
    const CliResult diff = runCli({u"diff"_s, m_readFile, m_editedFile});
    QCOMPARE(diff.exitCode, 1);
    QCOMPARE(diff.outText(),
             u"%1: IP Local [Conexao.IPLocal]: imagem 192.168.0.50, chaves 192.168.0.77\n"_s.arg(m_editedFile) + note);
    const CliResult same = runCli({u"diff"_s, m_readFile, m_readFile});
    QCOMPARE(same.exitCode, 0);
    QCOMPARE(same.outText(), QString());
}

void TestCliRequests::editedFileIsRefusedByRestore()
{
    const QString why =
        u"%1: as chaves do arquivo diferem da seção [Imagem] em 1 campo: IP Local "
        "[Conexao.IPLocal]: imagem 192.168.0.50, chaves 192.168.0.77; diga qual parte vale: --image (a "
        "imagem, byte a byte) ou --keys (as chaves aplicadas sobre a imagem, como apply)"_s.arg(m_editedFile);
    CliScenario& run = finished("restore");
    QCOMPARE(run.cli->exitCode(), 7);
    QCOMPARE(run.cli->errText(), u"hxconfig-cli: %1: %2\n"_s.arg(run.proxy.address(), why));
    // Refused before any connection.
    QCOMPARE(run.frameWords(), QStringList());
    QCOMPARE(run.sim.storedImage(), startImage());

    CliScenario& json = finished("restorejson");
    QCOMPARE(json.cli->exitCode(), 7);
    QVERIFY2(json.cli->outText().contains(u"\"result\":\"failed\""_s), qPrintable(json.cli->outText()));
    QCOMPARE(json.frameWords(), QStringList());
}

void TestCliRequests::imageWins()
{
    CliScenario& run = finished("image");
    QCOMPARE(run.cli->errText(), QString());
    QCOMPARE(run.cli->exitCode(), 0);
    QCOMPARE(run.cli->outText(), u"%1: inalterado\n"_s.arg(run.proxy.address()));
    QCOMPARE(run.sim.storedImage(), startImage());
}

void TestCliRequests::keysWin()
{
    CliScenario& run = finished("keys");
    QCOMPARE(run.cli->errText(), QString());
    QCOMPARE(run.cli->exitCode(), 0);
    QVERIFY2(run.cli->outText().contains(u"  Conexão / IP Local [Conexao.IPLocal]: 192.168.0.50 -> 192.168.0.77\n"_s),
             qPrintable(run.cli->outText()));
    QByteArray expected = withText(startImage(), "VIpLocal", "192.168.0.77");
    QCOMPARE(configurationOf(run.sim.storedImage()), configurationOf(expected));
}

void TestCliRequests::imageAndKeysTogetherAreAUsageError()
{
    const CliResult both =
        runCli({u"restore"_s, u"127.0.0.1:9"_s, m_editedFile, kPasswordOption, u"--image"_s, u"--keys"_s});
    QCOMPARE(both.exitCode, 2);
    QVERIFY2(both.err.contains(u"--image e --keys se excluem: diga qual parte do arquivo vale"_s),
             qPrintable(both.err));
    // Both are restore's alone.
    const CliResult apply = runCli({u"apply"_s, u"127.0.0.1:9"_s, m_editedFile, kPasswordOption, u"--keys"_s});
    QCOMPARE(apply.exitCode, 2);
    QVERIFY2(apply.err.contains(u"apply: Opção desconhecida 'keys'."_s), qPrintable(apply.err));
}

HX_TEST_GUILESS_MAIN(TestCliRequests)
#include "test_cli_requests.moc"
