// The checks of a configuration: every rule on both sides of its edge, the exact lines a user
// reads, the fleet checks, and the company default of the demo on random terminals.
#include "files/inifile.h"
#include "files/profilefile.h"
#include "image/checks.h"
#include "image/profile.h"
#include "image/readable.h"
#include "image/writeprep.h"
#include "imagegen.h"
#include "testprogram.h"

#include <QTest>

using namespace image;

namespace
{

// A terminal set up as it should be: System over TelNet, so Login, Password and CNPJ are sent.
const Profile& soundProfile()
{
    static const Profile profile = {
        {QStringLiteral("Conexao"), QStringLiteral("ConexaoTCP"), QStringLiteral("Sim")},
        {QStringLiteral("Conexao"), QStringLiteral("Tipo"), QStringLiteral("System")},
        {QStringLiteral("Conexao"), QStringLiteral("IPRemoto"), QStringLiteral("192.168.0.10")},
        {QStringLiteral("Conexao"), QStringLiteral("PortaRemota"), QStringLiteral("23")},
        {QStringLiteral("Conexao"), QStringLiteral("IPLocal"), QStringLiteral("192.168.0.60")},
        {QStringLiteral("Conexao"), QStringLiteral("PortaLocal"), QStringLiteral("1001")},
        {QStringLiteral("Conexao"), QStringLiteral("Gateway"), QStringLiteral("192.168.0.1")},
        {QStringLiteral("Conexao"), QStringLiteral("SubNetMask"), QStringLiteral("255.255.255.0")},
        {QStringLiteral("Conexao"), QStringLiteral("Login"), QStringLiteral("operador")},
        {QStringLiteral("Conexao"), QStringLiteral("Password"), QStringLiteral("senha")},
        {QStringLiteral("Conexao"), QStringLiteral("CNPJ"), QStringLiteral("12345678000195")},
        {QStringLiteral("Protocolo"), QStringLiteral("ProtEmulado"), QStringLiteral("TelNet")},
        {QStringLiteral("Protocolo"), QStringLiteral("ConexaoTelNet"), QStringLiteral("vt100")},
        {QStringLiteral("Rede"), QStringLiteral("TimeOutRede"), QStringLiteral("2000")},
        {QStringLiteral("Rede"), QStringLiteral("NumRetries"), QStringLiteral("05")},
        {QStringLiteral("Gerais"), QStringLiteral("BootDelay"), QStringLiteral("10")},
        {QStringLiteral("Seriais"), QStringLiteral("TimeOut0"), QStringLiteral("000")},
        {QStringLiteral("Seriais"), QStringLiteral("TimeOut1"), QStringLiteral("050")},
    };
    return profile;
}

QByteArray blankImage()
{
    QByteArray image(kImageSize, '\0');
    image[0] = char(kStartByte);
    image[1] = 'F';
    return image;
}

// "Section.Key=Value;..." on top of the sound profile, applied to `base`.
QByteArray imageWith(const QString& sets, const QByteArray& base = blankImage())
{
    Profile profile = soundProfile();
    for (const QString& set : sets.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype dot = set.indexOf(QLatin1Char('.'));
        const qsizetype equals = set.indexOf(QLatin1Char('='));
        setProfileValue(profile, set.left(dot), set.mid(dot + 1, equals - dot - 1), set.mid(equals + 1));
    }
    const ApplyResult applied = applyProfile(base, profile);
    if (!applied.problems.isEmpty())
        qFatal("bad test profile: %s", qPrintable(applied.problems.first().text()));
    return applied.image;
}

QStringList problemLines(const QList<Problem>& problems)
{
    QStringList lines;
    for (const Problem& p : problems)
        lines.append(problemLine(p));
    return lines;
}

const QString kIpv4 = QStringLiteral("quatro números de 0 a 255 separados por pontos");

} // namespace

class TestChecks : public QObject
{
    Q_OBJECT

private slots:
    void soundImageHasNoProblem();
    void singleImage_data();
    void singleImage();
    void networkAndBroadcastForEveryPrefix_data();
    void networkAndBroadcastForEveryPrefix();
    void masks_data();
    void masks();
    void cnpjCheckDigits_data();
    void cnpjCheckDigits();
    void changesWhileOff_data();
    void changesWhileOff();
    void problemsNameTheirBasis();
    void fleet_data();
    void fleet();
    void unknownValuesAreNotJudged();
    void demoDefaultPassesOnRandomTerminals();
};

void TestChecks::soundImageHasNoProblem()
{
    QCOMPARE(problemLines(checkImage(imageWith({}))), QStringList());
    QVERIFY(!hasErrors(checkImage(imageWith({}))));
}

void TestChecks::singleImage_data()
{
    QTest::addColumn<QString>("sets");
    QTest::addColumn<QStringList>("expected");

    const auto one = [](const QString& line) { return QStringList{line}; };
    const QString ipLocal = QStringLiteral("Conexão / IP Local [Conexao.IPLocal]: ");
    const QString ipRemote = QStringLiteral("Conexão / IP Remoto [Conexao.IPRemoto]: ");
    const QString gateway = QStringLiteral("Conexão / Gateway [Conexao.Gateway]: ");
    const QString mask = QStringLiteral("Conexão / Subnet Mask [Conexao.SubNetMask]: ");
    const QString portLocal = QStringLiteral("Conexão / Porta Local [Conexao.PortaLocal]: ");
    const QString portRemote = QStringLiteral("Conexão / Porta Remota [Conexao.PortaRemota]: ");
    const QString cnpj = QStringLiteral("Conexão / CNPJ [Conexao.CNPJ]: ");
    const QString login = QStringLiteral("Conexão / Login [Conexao.Login]: ");
    const QString password = QStringLiteral("Conexão / Password [Conexao.Password]: ");
    const QString telNetOnly =
        QStringLiteral("aviso: o terminal só envia este valor com Conexão TCP \"System\" e protocolo \"TelNet\"");

    // Dotted addresses: four numbers 0..255, nothing else.
    QTest::newRow("ip 255 in every place") << "Conexao.IPRemoto=255.255.255.255" << QStringList();
    QTest::newRow("ip 256") << "Conexao.IPRemoto=192.168.0.256"
                            << one(ipRemote +
                                   QStringLiteral("erro: \"192.168.0.256\" não é um endereço IPv4 (%1)").arg(kIpv4));
    QTest::newRow("ip three parts") << "Conexao.IPRemoto=10.0.1"
                                    << one(ipRemote +
                                           QStringLiteral("erro: \"10.0.1\" não é um endereço IPv4 (%1)").arg(kIpv4));
    QTest::newRow("ip trailing blank") << "Conexao.IPRemoto=10.0.0.1 "
                                       << one(ipRemote + QStringLiteral("erro: \"10.0.0.1 \" não é um endereço IPv4 "
                                                                        "(%1)")
                                                             .arg(kIpv4));
    QTest::newRow("ip four digits") << "Conexao.IPRemoto=10.0.0.0001"
                                    << one(ipRemote + QStringLiteral("erro: \"10.0.0.0001\" não é um endereço IPv4 "
                                                                     "(%1)")
                                                          .arg(kIpv4));
    QTest::newRow("ip letters") << "Conexao.IPRemoto=servidor"
                                << one(ipRemote +
                                       QStringLiteral("erro: \"servidor\" não é um endereço IPv4 (%1)").arg(kIpv4));
    QTest::newRow("ip leading zeros") << "Conexao.IPRemoto=010.000.000.001" << QStringList();
    QTest::newRow("gateway not an address")
        << "Conexao.Gateway=192.168.0.x"
        << one(gateway + QStringLiteral("erro: \"192.168.0.x\" não é um endereço IPv4 (%1)").arg(kIpv4));
    QTest::newRow("mask not an address")
        << "Conexao.SubNetMask=/24"
        << one(mask + QStringLiteral("erro: \"/24\" não é um endereço IPv4 (%1); sugestão: 255.255.255.0").arg(kIpv4));

    // IP Local itself.
    QTest::newRow("ip local 0.0.0.0") << "Conexao.IPLocal=0.0.0.0;Conexao.Gateway=0.0.0.0"
                                      << one(ipLocal + QStringLiteral("erro: o IP Local não pode ser 0.0.0.0"));
    QTest::newRow("ip local first host") << "Conexao.IPLocal=192.168.0.1;Conexao.Gateway=192.168.0.254"
                                         << QStringList();
    QTest::newRow("ip local last host") << "Conexao.IPLocal=192.168.0.254" << QStringList();
    QTest::newRow("ip local network")
        << "Conexao.IPLocal=192.168.0.0"
        << one(ipLocal + QStringLiteral("erro: 192.168.0.0 é o endereço da própria rede 192.168.0.0/24; sugestão: "
                                        "um endereço de 192.168.0.1 a 192.168.0.254"));
    QTest::newRow("ip local broadcast")
        << "Conexao.IPLocal=192.168.0.255"
        << one(ipLocal + QStringLiteral("erro: 192.168.0.255 é o endereço de broadcast da rede 192.168.0.0/24; "
                                        "sugestão: um endereço de 192.168.0.1 a 192.168.0.254"));

    // Gateway.
    QTest::newRow("no gateway") << "Conexao.Gateway=0.0.0.0" << QStringList();
    QTest::newRow("gateway equals ip local")
        << "Conexao.Gateway=192.168.0.60"
        << one(gateway + QStringLiteral("erro: o Gateway é o próprio IP Local (192.168.0.60); sugestão: o endereço "
                                        "do roteador da rede, ou 0.0.0.0 sem roteador"));
    QTest::newRow("gateway outside")
        << "Conexao.Gateway=192.168.1.1"
        << one(gateway + QStringLiteral("erro: o Gateway 192.168.1.1 está fora da rede do IP Local "
                                        "(192.168.0.0/24); sugestão: um endereço de 192.168.0.1 a 192.168.0.254, ou "
                                        "0.0.0.0 sem roteador"));
    QTest::newRow("gateway inside a wider mask")
        << "Conexao.Gateway=192.168.1.1;Conexao.SubNetMask=255.255.0.0" << QStringList();

    // TCP role.
    QTest::newRow("client complete") << "Conexao.Tipo=Client"
                                     << QStringList{login + telNetOnly, password + telNetOnly, cnpj + telNetOnly};
    QTest::newRow("client without remote")
        << "Conexao.Tipo=Client;Conexao.IPRemoto=0.0.0.0;Conexao.PortaRemota=00000;Conexao.Login=;"
           "Conexao.Password=;Conexao.CNPJ="
        << QStringList{ipRemote + QStringLiteral("erro: com Conexão TCP \"Client\" o IP Remoto não pode ser 0.0.0.0; "
                                                 "sugestão: o endereço do servidor ao qual o terminal se conecta"),
                       portRemote + QStringLiteral("erro: com Conexão TCP \"Client\" a Porta Remota não pode ser 0; "
                                                   "sugestão: a porta do servidor ao qual o terminal se conecta")};
    QTest::newRow("server remote 0 is fine") << "Conexao.Tipo=Server;Conexao.IPRemoto=0.0.0.0;Conexao.PortaRemota=0;"
                                                "Conexao.Login=;Conexao.Password=;Conexao.CNPJ="
                                             << QStringList();
    QTest::newRow("server local port 0")
        << "Conexao.Tipo=Server;Conexao.PortaLocal=0;Conexao.Login=;Conexao.Password=;Conexao.CNPJ="
        << one(portLocal + QStringLiteral("erro: com Conexão TCP \"Server\" a Porta Local não pode ser 0; sugestão: a "
                                          "porta em que o terminal aceita conexões, de 1 a 65535"));
    QTest::newRow("system local port 0") << "Conexao.PortaLocal=0" << QStringList();
    QTest::newRow("no role") << "Conexao.ConexaoTCP=Nao;Conexao.Login=;Conexao.Password=;Conexao.CNPJ="
                             << QStringList();

    // Ports.
    QTest::newRow("port 65535") << "Conexao.PortaLocal=65535" << QStringList();
    QTest::newRow("port 65536") << "Conexao.PortaLocal=65536"
                                << one(portLocal +
                                       QStringLiteral("erro: \"65536\" não é uma porta (um número de 0 a 65535)"));
    QTest::newRow("port sign") << "Conexao.PortaRemota=-1"
                               << one(portRemote +
                                      QStringLiteral("erro: \"-1\" não é uma porta (um número de 0 a 65535)"));
    QTest::newRow("port empty") << "Conexao.PortaRemota="
                                << one(portRemote +
                                       QStringLiteral("erro: vazia; é preciso uma porta (um número de 0 a 65535)"));

    // Numeric texts.
    QTest::newRow("timeout with a letter")
        << "Rede.TimeOutRede=20O0"
        << one(QStringLiteral("Rede / Timeout Rede [Rede.TimeOutRede]: erro: \"20O0\" deve ter só algarismos"));
    QTest::newRow("retries blank") << "Rede.NumRetries= 5"
                                   << one(QStringLiteral("Rede / Nº Retries [Rede.NumRetries]: erro: \" 5\" deve ter "
                                                         "só algarismos"));
    QTest::newRow("boot delay") << "Gerais.BootDelay=1s"
                                << one(QStringLiteral("Gerais / Boot Delay [Gerais.BootDelay]: erro: \"1s\" deve ter "
                                                      "só algarismos"));
    QTest::newRow("serial timeout") << "Seriais.TimeOut1=5.0"
                                    << one(QStringLiteral("Seriais / Timeout COM 1 [Seriais.TimeOut1]: erro: \"5.0\" "
                                                          "deve ter só algarismos"));

    // CNPJ.
    QTest::newRow("cnpj punctuated")
        << "Conexao.CNPJ=12345678/0001-95"
        << one(cnpj + QStringLiteral("aviso: escreva o CNPJ só com algarismos, sem pontos, barra ou traço; sugestão: "
                                     "12345678000195"));
    QTest::newRow("cnpj 13 digits") << "Conexao.CNPJ=1234567800019"
                                    << one(cnpj +
                                           QStringLiteral("aviso: o CNPJ \"1234567800019\" não tem 14 algarismos"));
    QTest::newRow("cnpj letters") << "Conexao.CNPJ=CNPJ-DA-EMPRESA"
                                  << one(cnpj + QStringLiteral("aviso: o CNPJ \"CNPJ-DA-EMPRESA\" não tem 14 "
                                                               "algarismos"));
    QTest::newRow("cnpj wrong check digits")
        << "Conexao.CNPJ=12345678000190"
        << one(cnpj + QStringLiteral("aviso: os dígitos verificadores do CNPJ 12345678000190 não conferem; sugestão: "
                                     "confira o número; com estes 12 primeiros algarismos o CNPJ seria "
                                     "12345678000195"));

    // Hints.
    QTest::newRow("login 15") << "Conexao.Login=abcdefghijklmno" << QStringList();
    QTest::newRow("login 16") << "Conexao.Login=abcdefghijklmnop"
                              << one(login + QStringLiteral("aviso: tem 16 caracteres; a dica aconselha no máximo 15"));
    QTest::newRow("telnet name 16")
        << "Protocolo.ConexaoTelNet=vt100-vt100-vt10"
        << one(QStringLiteral("Protocolo / Conexão TelNet [Protocolo.ConexaoTelNet]: aviso: tem 16 caracteres; a "
                              "dica aconselha no máximo 15"));
    QTest::newRow("login with VT-100") << "Protocolo.ProtEmulado=VT-100;Conexao.Password=;Conexao.CNPJ="
                                       << one(login + telNetOnly);
    QTest::newRow("cnpj with server") << "Conexao.Tipo=Server;Conexao.Login=;Conexao.Password="
                                      << one(cnpj + telNetOnly);
}

void TestChecks::singleImage()
{
    QFETCH(QString, sets);
    QFETCH(QStringList, expected);
    const QList<Problem> problems = checkImage(imageWith(sets));
    QCOMPARE(problemLines(problems), expected);
    QCOMPARE(hasErrors(problems), expected.join(QLatin1Char('\n')).contains(QStringLiteral(": erro: ")));
}

void TestChecks::networkAndBroadcastForEveryPrefix_data()
{
    QTest::addColumn<int>("length");
    for (int length = 8; length <= 30; ++length)
        QTest::addRow("/%d", length) << length;
}

// 10.20.30.40 under each mask: its network and broadcast addresses are errors, the hosts beside
// them are not.
void TestChecks::networkAndBroadcastForEveryPrefix()
{
    QFETCH(int, length);
    const quint32 mask = ~quint32(0) << (32 - length);
    const quint32 network = parseIpv4(QStringLiteral("10.20.30.40")).value() & mask;
    const quint32 broadcast = network | ~mask;
    const QString maskSet = QStringLiteral("Conexao.SubNetMask=%1;Conexao.Gateway=0.0.0.0;").arg(ipv4Text(mask));
    const auto problemsWith = [&](quint32 ip) {
        return problemLines(checkImage(imageWith(maskSet + QStringLiteral("Conexao.IPLocal=") + ipv4Text(ip))));
    };
    const QString net = QStringLiteral("%1/%2").arg(ipv4Text(network)).arg(length);
    const QString range = QStringLiteral("um endereço de %1 a %2").arg(ipv4Text(network + 1), ipv4Text(broadcast - 1));
    QCOMPARE(problemsWith(network),
             QStringList(QStringLiteral("Conexão / IP Local [Conexao.IPLocal]: erro: %1 é o endereço da própria rede "
                                        "%2; sugestão: %3")
                             .arg(ipv4Text(network), net, range)));
    QCOMPARE(problemsWith(broadcast),
             QStringList(QStringLiteral("Conexão / IP Local [Conexao.IPLocal]: erro: %1 é o endereço de broadcast da "
                                        "rede %2; sugestão: %3")
                             .arg(ipv4Text(broadcast), net, range)));
    QCOMPARE(problemsWith(network + 1), QStringList());
    QCOMPARE(problemsWith(broadcast - 1), QStringList());
    // One past the network on either side is outside it: as a gateway, refused.
    const QString gatewayOutside = QStringLiteral("Conexao.IPLocal=%1;Conexao.SubNetMask=%2;Conexao.Gateway=%3")
                                       .arg(ipv4Text(network + 1), ipv4Text(mask), ipv4Text(broadcast + 1));
    QCOMPARE(checkImage(imageWith(gatewayOutside)).size(), 1);
    QCOMPARE(checkImage(imageWith(gatewayOutside)).first().field, fieldOf("VGateway"));
}

void TestChecks::masks_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("expected");
    const QString prefix = QStringLiteral("Conexão / Subnet Mask [Conexao.SubNetMask]: erro: ");
    QTest::newRow("/8") << "255.0.0.0" << QString();
    QTest::newRow("/23") << "255.255.254.0" << QString();
    QTest::newRow("/30") << "255.255.255.252" << QString();
    QTest::newRow("/1") << "128.0.0.0" << QString();
    QTest::newRow("holes") << "255.0.255.0"
                           << prefix + QStringLiteral("a máscara 255.0.255.0 não é contígua (todos os bits 1 devem vir "
                                                      "antes dos bits 0); sugestão: 255.0.0.0");
    QTest::newRow("one stray bit") << "255.255.255.1"
                                   << prefix + QStringLiteral("a máscara 255.255.255.1 não é contígua (todos os bits 1 "
                                                              "devem vir antes dos bits 0); sugestão: 255.255.255.0");
    QTest::newRow("reversed") << "0.0.0.255"
                              << prefix + QStringLiteral("a máscara 0.0.0.255 não é contígua (todos os bits 1 devem "
                                                         "vir antes dos bits 0); sugestão: 0.0.0.0");
    QTest::newRow("zero") << "0.0.0.0"
                          << prefix + QStringLiteral("a máscara 0.0.0.0 não delimita rede alguma; sugestão: "
                                                     "255.255.255.0");
}

void TestChecks::masks()
{
    QFETCH(QString, mask);
    QFETCH(QString, expected);
    // A gateway of 0.0.0.0 and an address that is a host under every mask tested.
    const QList<Problem> problems = checkImage(
        imageWith(QStringLiteral("Conexao.IPLocal=10.1.1.1;Conexao.Gateway=0.0.0.0;Conexao.SubNetMask=") + mask));
    QCOMPARE(problemLines(problems), expected.isEmpty() ? QStringList() : QStringList{expected});
    if (!expected.isEmpty())
        QCOMPARE(problems.first().severity, Severity::Error);
}

void TestChecks::cnpjCheckDigits_data()
{
    QTest::addColumn<QString>("twelve");
    QTest::addColumn<QString>("digits");
    QTest::newRow("ascending") << "123456780001"
                               << "95";
    QTest::newRow("first rest 0") << "011222333014"
                                  << "05";
    QTest::newRow("second rest 1") << "011222333035"
                                   << "30";
    QTest::newRow("rest 10 gives 1") << "011222333126"
                                     << "01";
    QTest::newRow("all zero") << "000000000000"
                              << "00";
    QTest::newRow("nines") << "999999999999"
                           << "62";
    QTest::newRow("public body") << "000000000001"
                                 << "91";
}

void TestChecks::cnpjCheckDigits()
{
    QFETCH(QString, twelve);
    QFETCH(QString, digits);
    QCOMPARE(image::cnpjCheckDigits(twelve), digits);
    // The whole number passes; any other last digit does not.
    QCOMPARE(checkImage(imageWith(QStringLiteral("Conexao.CNPJ=") + twelve + digits)).size(), 0);
    const QChar wrong = QChar(u'0' + (digits.at(1).digitValue() + 1) % 10);
    QCOMPARE(checkImage(imageWith(QStringLiteral("Conexao.CNPJ=") + twelve + digits.at(0) + wrong)).size(), 1);
}

void TestChecks::changesWhileOff_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QStringList>("expected");
    const QString com0 = QStringLiteral("aviso: alterado com \"COM 0\" desmarcado: o terminal só usa este valor com "
                                        "\"COM 0\" marcado; sugestão: marque \"COM 0\" ou desfaça a alteração");
    const QString radio = QStringLiteral("aviso: alterado com \"Interface de RF 2.4G\" desmarcado: o terminal só usa "
                                         "este valor com \"Interface de RF 2.4G\" marcado; sugestão: marque "
                                         "\"Interface de RF 2.4G\" ou desfaça a alteração");
    QTest::newRow("port off, baud changed")
        << "Seriais.Habilitado0=Nao;Seriais.BaudRate0=9600"
        << "Seriais.Habilitado0=Nao;Seriais.BaudRate0=19200"
        << QStringList{QStringLiteral("Seriais / Baud - Rate COM 0 [Seriais.BaudRate0]: ") + com0};
    QTest::newRow("port off, timeout changed")
        << "Seriais.Habilitado0=Nao"
        << "Seriais.Habilitado0=Nao;Seriais.TimeOut0=100"
        << QStringList{QStringLiteral("Seriais / Timeout COM 0 [Seriais.TimeOut0]: ") + com0};
    QTest::newRow("port on, baud changed") << "Seriais.Habilitado0=Sim;Seriais.BaudRate0=9600"
                                           << "Seriais.Habilitado0=Sim;Seriais.BaudRate0=19200" << QStringList();
    QTest::newRow("other port off") << "Seriais.Habilitado1=Nao;Seriais.BaudRate0=9600"
                                    << "Seriais.Habilitado1=Nao;Seriais.Habilitado0=Sim;Seriais.BaudRate0=19200"
                                    << QStringList();
    QTest::newRow("port off, nothing changed") << "Seriais.Habilitado0=Nao;Seriais.BaudRate0=9600"
                                               << "Seriais.Habilitado0=Nao;Seriais.BaudRate0=9600" << QStringList();
    QTest::newRow("radio off, channel changed")
        << "Gerais.Interface2G=Nao;Gerais.CanalBase=03"
        << "Gerais.Interface2G=Nao;Gerais.CanalBase=04"
        << QStringList{QStringLiteral("Gerais / Canal Base [Gerais.CanalBase]: ") + radio};
    QTest::newRow("radio turned on") << "Gerais.Interface2G=Nao;Gerais.CanalBase=03"
                                     << "Gerais.Interface2G=Sim;Gerais.CanalBase=04" << QStringList();
}

void TestChecks::changesWhileOff()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QStringList, expected);
    QCOMPARE(problemLines(checkImage(imageWith(after), imageWith(before))), expected);
    // Without the image as read, a change cannot be seen.
    QCOMPARE(problemLines(checkImage(imageWith(after))), QStringList());
}

void TestChecks::problemsNameTheirBasis()
{
    const QList<Problem> problems = checkImage(imageWith(QStringLiteral("Conexao.Gateway=10.0.0.1")));
    QCOMPARE(problems.size(), 1);
    QCOMPARE(problems.first().basis,
             (QList<const Field*>{fieldOf("VGateway"), fieldOf("VIpLocal"), fieldOf("VSubnet")}));
    const QList<Problem> client =
        checkImage(imageWith(QStringLiteral("Conexao.Tipo=Client;Conexao.IPRemoto=0.0.0.0;Conexao.Login=;"
                                            "Conexao.Password=;Conexao.CNPJ=")));
    QCOMPARE(client.size(), 1);
    QCOMPARE(client.first().basis, (QList<const Field*>{fieldOf("VIpRemoto"), fieldOf("cbConexaoTCP")}));
}

void TestChecks::fleet_data()
{
    QTest::addColumn<QStringList>("terminals"); // sets per terminal
    QTest::addColumn<QStringList>("expected");  // "severity [members] caption: message"

    const QString radioOn = QStringLiteral("Gerais.Interface2G=Sim;");
    QTest::newRow("radio clash")
        << QStringList{radioOn +
                           QStringLiteral("Gerais.NumTerminal=07;Gerais.CanalBase=02;Conexao.IPLocal=192.168.0.61"),
                       radioOn +
                           QStringLiteral("Gerais.NumTerminal=08;Gerais.CanalBase=02;Conexao.IPLocal=192.168.0.62"),
                       radioOn +
                           QStringLiteral("Gerais.NumTerminal=07;Gerais.CanalBase=02;Conexao.IPLocal=192.168.0.63")}
        << QStringList{QStringLiteral("erro [0,2] Nº do Terminal: o mesmo Nº do Terminal 07 no mesmo Canal Base 02 com "
                                      "\"Interface de RF 2.4G\" marcado: os terminais interferem no ar")};
    QTest::newRow("same number other channel")
        << QStringList{radioOn +
                           QStringLiteral("Gerais.NumTerminal=07;Gerais.CanalBase=02;Conexao.IPLocal=192.168.0.61"),
                       radioOn +
                           QStringLiteral("Gerais.NumTerminal=07;Gerais.CanalBase=03;Conexao.IPLocal=192.168.0.62")}
        << QStringList();
    QTest::newRow("same number one radio off")
        << QStringList{radioOn +
                           QStringLiteral("Gerais.NumTerminal=07;Gerais.CanalBase=02;Conexao.IPLocal=192.168.0.61"),
                       QStringLiteral("Gerais.Interface2G=Nao;Gerais.NumTerminal=07;Gerais.CanalBase=02;Conexao."
                                      "IPLocal=192.168.0.62")}
        << QStringList();
    QTest::newRow("ip local is another's gateway")
        << QStringList{QStringLiteral("Conexao.IPLocal=192.168.0.1;Conexao.Gateway=0.0.0.0"),
                       QStringLiteral("Conexao.IPLocal=192.168.0.62")}
        << QStringList{
               QStringLiteral("erro [0,1] IP Local: o IP Local do primeiro (192.168.0.1) é o Gateway do segundo")};
    QTest::newRow("two networks")
        << QStringList{QStringLiteral("Conexao.IPLocal=192.168.0.61"), QStringLiteral("Conexao.IPLocal=192.168.0.62"),
                       QStringLiteral("Conexao.IPLocal=192.168.1.63;Conexao.Gateway=192.168.1.1")}
        << QStringList{QStringLiteral("aviso [0,1,2] IP Local: os IP Local estão em 2 redes diferentes: "
                                      "192.168.0.0/24 (2), 192.168.1.0/24 (1)")};
    QTest::newRow("one network under a wider mask")
        << QStringList{QStringLiteral("Conexao.IPLocal=192.168.0.61;Conexao.SubNetMask=255.255.0.0"),
                       QStringLiteral("Conexao.IPLocal=192.168.1.63;Conexao.SubNetMask=255.255.0.0")}
        << QStringList();
}

void TestChecks::fleet()
{
    QFETCH(QStringList, terminals);
    QFETCH(QStringList, expected);
    QList<FleetMember> members;
    for (const QString& sets : terminals)
        members.append({imageWith(sets), {}});
    QStringList lines;
    for (const FleetProblem& p : checkFleet(members)) {
        QStringList indices;
        for (int m : p.members)
            indices.append(QString::number(m));
        lines.append(
            QStringLiteral("%1 [%2] %3: %4")
                .arg(severityName(p.severity), indices.join(QLatin1Char(',')), captionOf(*p.field), p.message));
    }
    QCOMPARE(lines, expected);
}

void TestChecks::unknownValuesAreNotJudged()
{
    const QString sets = QStringLiteral("Gerais.Interface2G=Sim;Gerais.NumTerminal=07;Gerais.CanalBase=02;");
    const QList<FleetMember> known = {
        {imageWith(sets + QStringLiteral("Conexao.IPLocal=192.168.0.61")), {}},
        {imageWith(sets + QStringLiteral("Conexao.IPLocal=10.0.0.62;Conexao.Gateway=10.0.0.1")), {}}};
    QCOMPARE(checkFleet(known).size(), 2); // the clash and the two networks
    QList<FleetMember> partly = known;
    partly[1].unknown = {fieldOf("cbCanalBase"), fieldOf("VIpLocal")};
    QCOMPARE(checkFleet(partly).size(), 0);
}

// The company default shipped with the demo, applied to terminals holding anything, gives images
// without a single error.
void TestChecks::demoDefaultPassesOnRandomTerminals()
{
    const IniFile ini(QStringLiteral(HX_DEMO_DIR "/ConfDefault.ini"));
    QVERIFY(ini.exists());
    const Profile profile = profileFromIni(ini);
    QVERIFY(profile.size() > 40);
    for (quint32 seed = 1; seed <= 300; ++seed) {
        ImageGen gen(seed);
        const QByteArray terminal = seed % 2 ? gen.anyImage() : gen.readableImage();
        const ApplyResult applied = applyProfile(terminal, profile);
        QVERIFY2(applied.problems.isEmpty(), qPrintable(QString::number(seed)));
        const QByteArray written = prepareWrite(applied.image, {}).image;
        const QList<Problem> problems = checkImage(written, workingCopyAfterRead(terminal));
        QStringList errors;
        for (const Problem& p : problems) {
            if (p.severity == Severity::Error)
                errors.append(problemLine(p));
        }
        QVERIFY2(errors.isEmpty(), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(errors.join(u'\n'))));
    }
}

HX_TEST_GUILESS_MAIN(TestChecks)
#include "test_checks.moc"
