// A value the user names for one key (--set, a fleet cell) against the company file's rules; the
// key and value `show` prints given back; a configuration file whose keys and image disagree.
#include "clifixtures.h"
#include "imagegen.h"
#include "testprogram.h"

#include "files/configfile.h"
#include "image/keyagreement.h"
#include "image/layout.h"
#include "image/profile.h"
#include "image/readable.h"

#include <QTest>

using namespace clifixtures;
using namespace Qt::Literals::StringLiterals;

namespace
{

// The simulator's image with the TCP role byte set.
QByteArray withRole(int role)
{
    QByteArray image = startImage();
    image[image::fieldOf("cbConexaoTCP")->first] = char(role);
    return image;
}

// "Section.Key=Value" assignments as profile entries of one origin.
image::Profile entries(const QStringList& assignments, image::Origin origin)
{
    image::Profile profile;
    for (const QString& assignment : assignments) {
        const qsizetype dot = assignment.indexOf(u'.');
        const qsizetype equals = assignment.indexOf(u'=');
        profile.append(
            {assignment.left(dot), assignment.mid(dot + 1, equals - dot - 1), assignment.mid(equals + 1), origin});
    }
    return profile;
}

int byteOf(const QByteArray& image, const char* control)
{
    return static_cast<unsigned char>(image.at(image::fieldOf(control)->first));
}

// The configuration file of the simulator's image with one line replaced.
ConfigFile editedFile(const QByteArray& from, const QByteArray& to)
{
    QByteArray bytes = configFileBytes(startImage(), {QStringLiteral("0050C2A1B2C3"), {}, {}});
    if (!from.isEmpty()) {
        if (!bytes.contains(from))
            qFatal("no line %s in the configuration file", from.constData());
        bytes.replace(from, to);
    }
    return parsedConfig(bytes);
}

} // namespace

class TestUserRequests : public QObject
{
    Q_OBJECT

private slots:
    void valuesTakeEffect_data();
    void valuesTakeEffect();
    void refusedValuesNameTheAcceptedOnes_data();
    void refusedValuesNameTheAcceptedOnes();
    void everyShownKeyAndValueRoundTrips();
    void showListsTheRoleUnderTipo();
    void writtenFilesAgreeWithThemselves();
    void editedKeysDisagree_data();
    void editedKeysDisagree();
};

void TestUserRequests::valuesTakeEffect_data()
{
    QTest::addColumn<QStringList>("assignments");
    QTest::addColumn<bool>("requested");
    QTest::addColumn<int>("role"); // the terminal's TCP role before
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("expected");

    const auto row = [](const char* name, const QStringList& assignments, bool requested, int role, const char* control,
                        int expected) {
        QTest::newRow(name) << assignments << requested << role << QString::fromLatin1(control) << expected;
    };
    // The role: "Tipo" alone sets it and turns the connection on or off.
    row("Tipo=Client, connection off", {u"Conexao.Tipo=Client"_s}, true, 0, "cbConexaoTCP", 1);
    row("Tipo=server, any case", {u"Conexao.Tipo=server"_s}, true, 0, "cbConexaoTCP", 2);
    row("Tipo=Nenhum turns it off", {u"Conexao.Tipo=Nenhum"_s}, true, 2, "cbConexaoTCP", 0);
    row("ConexaoTCP=Sim, connection off", {u"Conexao.ConexaoTCP=Sim"_s}, true, 0, "cbConexaoTCP", 1);
    row("ConexaoTCP=Sim keeps the role", {u"Conexao.ConexaoTCP=Sim"_s}, true, 3, "cbConexaoTCP", 3);
    row("ConexaoTCP=Não", {u"Conexao.ConexaoTCP=Não"_s}, true, 2, "cbConexaoTCP", 0);
    row("ConexaoTCP=nao", {u"Conexao.ConexaoTCP=nao"_s}, true, 2, "cbConexaoTCP", 0);
    row("both, agreeing", {u"Conexao.ConexaoTCP=Sim"_s, u"Conexao.Tipo=System"_s}, true, 0, "cbConexaoTCP", 3);
    // Yes/no, protocol, index and speed by the texts show prints, and by the company words.
    row("flag Não", {u"Seriais.Habilitado1=Não"_s}, true, 0, "cbCom1", 0);
    row("flag sim", {u"Seriais.Habilitado0=sim"_s}, true, 0, "cbCom0", 1);
    row("yes/no list Sim", {u"Seriais.FlagSerial0=Sim"_s}, true, 0, "cbFlag0", 1);
    row("protocol VT - 100", {u"Protocolo.ProtEmulado=VT - 100"_s}, true, 0, "HabTelNet", 0);
    row("protocol vt-100", {u"Protocolo.ProtEmulado=vt-100"_s}, true, 0, "HabTelNet", 0);
    row("protocol corvale", {u"Protocolo.ProtEmulado=corvale"_s}, true, 0, "HabTelNet", 1);
    row("video sync by text", {u"Gerais.SincronismoVideo=H+   V+"_s}, true, 0, "cbSincronismoVideo", 3);
    row("video sync by index", {u"Gerais.SincronismoVideo=2"_s}, true, 0, "cbSincronismoVideo", 2);
    row("speed Automático", {u"Rede.VelocRede=Automático"_s}, true, 0, "cbVelocidade", 0);
    row("speed automatico", {u"Rede.VelocRede=automatico"_s}, true, 0, "cbVelocidade", 0);
    row("terminal number 05", {u"Gerais.NumTerminal=05"_s}, true, 0, "cbNumTerm", 5);
    // A company file keeps the rules of "Default", quirks included.
    row("company Tipo alone", {u"Conexao.Tipo=Client"_s}, false, 0, "cbConexaoTCP", 0);
    row("company ConexaoTCP=Sim alone", {u"Conexao.ConexaoTCP=Sim"_s}, false, 0, "cbConexaoTCP", 0);
    row("company flag Não is on", {u"Seriais.Habilitado1=Não"_s}, false, 0, "cbCom1", 1);
    row("company VT - 100 is TelNet", {u"Protocolo.ProtEmulado=VT - 100"_s}, false, 0, "HabTelNet", 2);
}

void TestUserRequests::valuesTakeEffect()
{
    QFETCH(QStringList, assignments);
    QFETCH(bool, requested);
    QFETCH(int, role);
    QFETCH(QString, control);
    QFETCH(int, expected);

    const image::ApplyResult result = image::applyProfile(
        withRole(role), entries(assignments, requested ? image::Origin::Request : image::Origin::Company));
    QVERIFY2(result.problems.isEmpty(), qPrintable(result.problems.value(0).text()));
    QCOMPARE(byteOf(result.image, control.toLatin1().constData()), expected);
}

void TestUserRequests::refusedValuesNameTheAcceptedOnes_data()
{
    QTest::addColumn<QStringList>("assignments");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ConexaoTCP=Server") << QStringList{u"Conexao.ConexaoTCP=Server"_s}
                                       << u"Valor não aceito em [Conexao] ConexaoTCP=Server; valores aceitos: \"Sim\", "
                                          "\"Não\", \"Nao\""_s;
    QTest::newRow("Tipo=Cliente") << QStringList{u"Conexao.Tipo=Cliente"_s}
                                  << u"Valor não aceito em [Conexao] Tipo=Cliente; valores aceitos: \"Nenhum\", "
                                     "\"Client\", \"Server\", \"System\""_s;
    QTest::newRow("connection off with a role")
        << QStringList{u"Conexao.ConexaoTCP=Nao"_s, u"Conexao.Tipo=Client"_s}
        << u"Valor não aceito em [Conexao] ConexaoTCP=Nao com Tipo=Client; valores aceitos: \"Sim\""_s;
    QTest::newRow("connection on without a role")
        << QStringList{u"Conexao.ConexaoTCP=Sim"_s, u"Conexao.Tipo=Nenhum"_s}
        << u"Valor não aceito em [Conexao] ConexaoTCP=Sim com Tipo=Nenhum; valores aceitos: \"Não\""_s;
    QTest::newRow("flag talvez") << QStringList{u"Seriais.Habilitado0=talvez"_s}
                                 << u"Valor não aceito em [Seriais] Habilitado0=talvez; valores aceitos: \"Não\", "
                                    "\"Sim\", \"Nao\""_s;
    QTest::newRow("protocol VT100") << QStringList{u"Protocolo.ProtEmulado=VT100"_s}
                                    << u"Valor não aceito em [Protocolo] ProtEmulado=VT100; valores aceitos: \"VT - "
                                       "100\", \"Corvale\", \"TelNet\", \"VT-100\""_s;
    QTest::newRow("video sync 4") << QStringList{u"Gerais.SincronismoVideo=4"_s}
                                  << u"Valor não aceito em [Gerais] SincronismoVideo=4; valores aceitos: \"H-   V-\", "
                                     "\"H+   V-\", \"H-   V+\", \"H+   V+\", \"0\", \"1\", \"2\", \"3\""_s;
}

void TestUserRequests::refusedValuesNameTheAcceptedOnes()
{
    QFETCH(QStringList, assignments);
    QFETCH(QString, expected);

    const image::ApplyResult result = image::applyProfile(withRole(1), entries(assignments, image::Origin::Request));
    QCOMPARE(result.problems.size(), 1);
    QCOMPARE(result.problems.first().text(), expected);
}

// Every keyed field of the table: the key and value show prints, given as a request to another
// terminal, leave the field as show printed it.
void TestUserRequests::everyShownKeyAndValueRoundTrips()
{
    int checked = 0;
    for (quint32 seed = 1; seed <= 40; ++seed) {
        ImageGen gen(seed);
        const QByteArray shown = gen.readableImage();
        const QByteArray target = gen.readableImage();
        image::Profile all;
        for (const image::Field* field : image::keyedFields()) {
            const QString value = image::requestValueOf(*field, shown);
            if (value.isEmpty())
                continue;
            const image::ProfileEntry request{image::sectionOf(*field), image::requestKeyOf(*field), value,
                                              image::Origin::Request};
            all.append(request);
            const image::ApplyResult one = image::applyProfile(target, {request});
            const QString where =
                QStringLiteral("seed %1, %2.%3=%4").arg(seed).arg(request.section, request.key, value);
            QVERIFY2(one.problems.isEmpty(), qPrintable(where + QStringLiteral(": ") + one.problems.value(0).text()));
            QVERIFY2(image::requestValueOf(*field, one.image) == value, qPrintable(where));
            ++checked;
        }
        const image::ApplyResult together = image::applyProfile(target, all);
        QVERIFY(together.problems.isEmpty());
        for (const image::Field* field : image::keyedFields())
            QCOMPARE(image::requestValueOf(*field, together.image), image::requestValueOf(*field, shown));
    }
    // Every keyed field was given in every round but the ones whose value was empty.
    QVERIFY(checked > 40 * (int(image::keyedFields().size()) - 6));
}

void TestUserRequests::showListsTheRoleUnderTipo()
{
    const image::Field& role = *image::fieldOf("cbConexaoTCP");
    QCOMPARE(image::requestKeyOf(role), u"Tipo"_s);
    QCOMPARE(image::requestKeyOf(*image::fieldOf("VIpLocal")), u"IPLocal"_s);
    QCOMPARE(image::requestValueOf(role, withRole(0)), u"Nenhum"_s);
    QCOMPARE(image::requestValueOf(role, withRole(2)), u"Server"_s);
    // Every other keyed field is listed under its own key, once.
    QStringList keys;
    for (const image::Field* field : image::keyedFields())
        keys.append(image::sectionOf(*field) + u'.' + image::requestKeyOf(*field));
    keys.removeDuplicates();
    QCOMPARE(keys.size(), qsizetype(image::keyedFields().size()));
    QVERIFY(!keys.contains(u"Conexao.ConexaoTCP"_s));
}

// A file as read and written by the tool never contradicts itself, whatever bytes the image holds
// (line breaks in texts, bytes that name no item, odd flags).
void TestUserRequests::writtenFilesAgreeWithThemselves()
{
    for (quint32 seed = 1; seed <= 200; ++seed) {
        ImageGen gen(seed);
        for (const QByteArray& image : {gen.anyImage(), gen.readableImage()}) {
            const ConfigFile file = parsedConfig(configFileBytes(image, {QStringLiteral("X"), {}, {}}));
            QCOMPARE(file.image, image);
            const QList<image::KeyDisagreement> found = image::keyDisagreements(file.image, file.readable);
            QVERIFY2(
                found.isEmpty(),
                qPrintable(
                    QStringLiteral("seed %1: %2").arg(seed).arg((found.isEmpty() ? QString() : found.first().text()))));
        }
    }
}

void TestUserRequests::editedKeysDisagree_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("IPLocal edited") << QByteArray("IPLocal=192.168.0.50") << QByteArray("IPLocal=192.168.0.77")
                                    << QStringList{u"IP Local [Conexao.IPLocal]: imagem 192.168.0.50, chaves "
                                                   "192.168.0.77"_s};
    QTest::newRow("role edited") << QByteArray("Tipo=Client") << QByteArray("Tipo=Server")
                                 << QStringList{u"Conexão TCP [Conexao.Tipo]: imagem Client, chaves Server"_s};
    QTest::newRow("value naming no item")
        << QByteArray("BaudRate1=9600") << QByteArray("BaudRate1=9601")
        << QStringList{u"Baud - Rate COM 1 [Seriais.BaudRate1]: imagem 9600, chaves 9601"_s};
    QTest::newRow("two fields") << QByteArray("Login=operador\r\nPassword=hx2000")
                                << QByteArray("Login=caixa\r\nPassword=hx2001")
                                << QStringList{u"Login [Conexao.Login]: imagem operador, chaves caixa"_s,
                                               u"Password [Conexao.Password]: imagem hx2000, chaves hx2001"_s};
    QTest::newRow("a key removed") << QByteArray("IPLocal=192.168.0.50\r\n") << QByteArray() << QStringList{};
    QTest::newRow("a value in another case")
        << QByteArray("HandShake1=Nenhum") << QByteArray("HandShake1=NENHUM") << QStringList{};
    QTest::newRow("untouched") << QByteArray() << QByteArray() << QStringList{};
}

void TestUserRequests::editedKeysDisagree()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QStringList, expected);

    const ConfigFile file = editedFile(from, to);
    QCOMPARE(file.image, startImage());
    QStringList texts;
    for (const image::KeyDisagreement& d : image::keyDisagreements(file.image, file.readable))
        texts.append(d.text());
    QCOMPARE(texts, expected);
}

HX_TEST_GUILESS_MAIN(TestUserRequests)
#include "test_userrequests.moc"
