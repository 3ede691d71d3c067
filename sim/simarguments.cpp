#include "simarguments.h"
#include "statefile.h"

#include "image/cp1252.h"
#include "image/integertext.h"
#include "image/layout.h"

#include <QCommandLineParser>
#include <QFile>

#include <limits>
#include <optional>

namespace
{

// One option of hxterm-sim: a switch sets one flag; an option with a value stores it, or leaves it
// to the checks that need several options at once (store nullptr).
struct SimOptionRow {
    const char* name;
    const char* description; // Portuguese, translated when shown
    const char* valueName = nullptr;
    const char* defaultValue = nullptr;
    bool& (*flag)(SimOptions&) = nullptr;
    QString (*store)(SimSetup&, const QString& value) = nullptr;
};

QString numberProblem(const char* option, int low, int high, const QString& value)
{
    return SimText::tr("--%1 espera um número de %2 a %3, não %4")
        .arg(QLatin1String(option))
        .arg(low)
        .arg(high)
        .arg(value);
}

const SimOptionRow kOptions[] = {
    {"listen", QT_TRANSLATE_NOOP("SimText", "Endereço em que escuta (padrão 127.0.0.1)."), "ADDR", "127.0.0.1", nullptr,
     [](SimSetup& s, const QString& v) {
         return s.address.setAddress(v) ? QString() : SimText::tr("não é um endereço: %1").arg(v);
     }},
    {"port", QT_TRANSLATE_NOOP("SimText", "Porta TCP (padrão 2323; 0 = qualquer porta livre)."), "N", "2323", nullptr,
     [](SimSetup& s, const QString& v) {
         const std::optional<int> port = integerWithin(v, 0, 65535);
         if (!port)
             return SimText::tr("não é uma porta: %1").arg(v);
         s.port = quint16(*port);
         return QString();
     }},
    {"password", QT_TRANSLATE_NOOP("SimText", "A senha do terminal, de 1 a 6 caracteres (padrão 123456)."), "P",
     "123456"},
    {"image",
     QT_TRANSLATE_NOOP("SimText", "Imagem de configuração inicial de 260 bytes (bytes crus); os bytes 170..176 "
                                  "recebem a senha."),
     "FILE"},
    {"state",
     QT_TRANSLATE_NOOP("SimText", "Guarda imagem, senha e logotipo entre execuções: carregado ao iniciar quando "
                                  "existe (então --image e --password não valem), salvo depois de cada gravação e "
                                  "logotipo."),
     "FILE", nullptr, nullptr,
     [](SimSetup& s, const QString& v) {
         s.options.statePath = v;
         return QString();
     }},
    {"mute", QT_TRANSLATE_NOOP("SimText", "Nunca responde."), nullptr, nullptr,
     [](SimOptions& o) -> bool& { return o.mute; }},
    {"refuse-unlock", QT_TRANSLATE_NOOP("SimText", "Recusa todo desbloqueio ('U' 'N')."), nullptr, nullptr,
     [](SimOptions& o) -> bool& { return o.faults.refuseUnlock; }},
    {"not-ready", QT_TRANSLATE_NOOP("SimText", "Responde ao status com 'S' 'N'."), nullptr, nullptr,
     [](SimOptions& o) -> bool& { return o.faults.notReady; }},
    {"refuse-reboot", QT_TRANSLATE_NOOP("SimText", "Recusa o reinício ('B' 'N') em vez de fechar."), nullptr, nullptr,
     [](SimOptions& o) -> bool& { return o.faults.refuseReboot; }},
    {"split-replies", QT_TRANSLATE_NOOP("SimText", "Envia cada resposta em dois pedaços, com uns 100 ms entre eles."),
     nullptr, nullptr, [](SimOptions& o) -> bool& { return o.splitReplies; }},
    {"close-after", QT_TRANSLATE_NOOP("SimText", "Fecha cada conexão depois de N pedidos."), "N", nullptr, nullptr,
     [](SimSetup& s, const QString& v) {
         const std::optional<int> n = integerWithin(v, 1, std::numeric_limits<int>::max());
         if (!n)
             return SimText::tr("--close-after espera um número de pedidos, não %1").arg(v);
         s.options.closeAfter = *n;
         return QString();
     }},
    {"garbage", QT_TRANSLATE_NOOP("SimText", "Envia lixo em vez de cada resposta."), nullptr, nullptr,
     [](SimOptions& o) -> bool& { return o.garbage; }},
    {"flood", QT_TRANSLATE_NOOP("SimText", "Envia um bloco de 64 KiB em vez de cada resposta."), nullptr, nullptr,
     [](SimOptions& o) -> bool& { return o.flood; }},
    {"flood-read",
     QT_TRANSLATE_NOOP("SimText", "Responde a cada leitura com cópias da resposta de leitura, uma após a outra, sem "
                                  "fim."),
     nullptr, nullptr, [](SimOptions& o) -> bool& { return o.floodRead; }},
    {"zero-flood", QT_TRANSLATE_NOOP("SimText", "Responde a cada leitura com bytes zero, sem fim."), nullptr, nullptr,
     [](SimOptions& o) -> bool& { return o.zeroFlood; }},
    {"hostile-texts",
     QT_TRANSLATE_NOOP("SimText", "Responde a cada leitura com MAC, Login e Senha que contêm caracteres de controle "
                                  "(ESC,\nBEL) e quebras de linha."),
     nullptr, nullptr, [](SimOptions& o) -> bool& { return o.faults.hostileTexts; }},
    {"corrupt-writes",
     QT_TRANSLATE_NOOP("SimText", "Responde a cada gravação com 'G', mas guarda-a com um bit do primeiro byte da "
                                  "porta local (byte 36 da imagem) invertido, de modo que uma leitura depois difere "
                                  "do que foi enviado."),
     nullptr, nullptr, [](SimOptions& o) -> bool& { return o.faults.corruptWrites; }},
    {"verbose",
     QT_TRANSLATE_NOOP("SimText", "Escreve uma linha para cada conexão, quadro recebido e resposta: hora, conexão, "
                                  "letra,\ntamanho e, numa gravação, os campos que diferem da imagem guardada."),
     nullptr, nullptr, [](SimOptions& o) -> bool& { return o.verbose; }},
    {"fleet",
     QT_TRANSLATE_NOOP("SimText",
                       "Roda N terminais neste processo, nas portas P a P+N-1 (P de --port; com --port 0 cada um\n"
                       "numa porta livre própria), cada um com seu MAC (0050C2000001, ...), IP Local (10.0.0.1,\n"
                       "..., máscara 255.0.0.0, gateway 10.255.255.254), senha, logotipo e estado; uma linha\n"
                       "\"listening\" para cada um. --state então nomeia uma pasta com um arquivo de estado por\n"
                       "terminal (terminal-0001.txt, ...)."),
     "N", nullptr, nullptr,
     [](SimSetup& s, const QString& v) {
         const std::optional<int> n = integerWithin(v, 1, 10000);
         if (!n)
             return numberProblem("fleet", 1, 10000, v);
         s.fleet = *n;
         return QString();
     }},
    {"faulty", QT_TRANSLATE_NOOP("SimText", "Com --fleet: os modos de falha valem só para os últimos K terminais."),
     "K"},
    {"address-step",
     QT_TRANSLATE_NOOP("SimText", "Com --fleet: o terminal i escuta no endereço de --listen mais (i-1) x S, todos "
                                  "numa porta,\npara que uma faixa possa ser varrida (127.0.0.0/8 é todo loopback)."),
     "S"},
    {"write-fleet",
     QT_TRANSLATE_NOOP("SimText", "Com --fleet: escreve o arquivo de frota para hxconfig-cli batch (address como "
                                  "host:porta, password)\nantes das linhas \"listening\"."),
     "FILE", nullptr, nullptr,
     [](SimSetup& s, const QString& v) {
         s.fleetFile = v;
         return QString();
     }},
};

QCommandLineOption optionOf(const SimOptionRow& row)
{
    const QString name = QString::fromLatin1(row.name);
    const QString description = SimText::tr(row.description);
    if (!row.valueName)
        return QCommandLineOption(name, description);
    return QCommandLineOption(name, description, QString::fromLatin1(row.valueName),
                              row.defaultValue ? QString::fromLatin1(row.defaultValue) : QString());
}

QByteArray readImageFile(const QString& path, QString& problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = SimText::tr("não foi possível ler %1: %2").arg(path, file.errorString());
        return {};
    }
    const QByteArray image = file.readAll();
    if (image.size() != image::kImageSize)
        problem = SimText::tr("%1 tem %2 bytes, não %3").arg(path).arg(image.size()).arg(image::kImageSize);
    return image;
}

// The options that depend on --fleet.
QString readFleetOptions(const QCommandLineParser& parser, SimSetup& setup)
{
    const QString faulty = QStringLiteral("faulty");
    const QString step = QStringLiteral("address-step");
    if (setup.fleet == 0) {
        if (parser.isSet(faulty) || parser.isSet(step) || parser.isSet(QStringLiteral("write-fleet")))
            return SimText::tr("--faulty, --address-step e --write-fleet precisam de --fleet");
        return {};
    }
    if (parser.isSet(faulty)) {
        const std::optional<int> k = integerWithin(parser.value(faulty), 0, setup.fleet);
        if (!k)
            return numberProblem("faulty", 0, setup.fleet, parser.value(faulty));
        setup.faulty = *k;
    }
    if (parser.isSet(step)) {
        const std::optional<int> s = integerWithin(parser.value(step), 1, 65536);
        if (!s)
            return numberProblem("address-step", 1, 65536, parser.value(step));
        setup.addressStep = *s;
        if (setup.address.protocol() != QAbstractSocket::IPv4Protocol ||
            quint64(setup.address.toIPv4Address()) + quint64(setup.fleet - 1) * quint64(setup.addressStep) >
                0xFFFFFFFFull)
            return SimText::tr("--address-step precisa de um endereço IPv4 em --listen com espaço para a frota");
    } else if (setup.port != 0 && setup.port + setup.fleet - 1 > 65535) {
        return SimText::tr("as portas %1 a %2 não existem").arg(setup.port).arg(setup.port + setup.fleet - 1);
    }
    return {};
}

// The terminal's starting state: a state file kept from an earlier run, or --password and --image.
QString readState(const QCommandLineParser& parser, SimSetup& setup)
{
    const QString& statePath = setup.options.statePath;
    if (setup.fleet == 0 && !statePath.isEmpty() && QFile::exists(statePath)) {
        const std::optional<TerminalState> stored = statefile::load(statePath);
        if (!stored)
            return SimText::tr("não é um arquivo de estado: %1").arg(statePath);
        setup.state = *stored;
        return {};
    }
    const QByteArray pass = cp1252::encode(parser.value(QStringLiteral("password")));
    if (pass.isEmpty() || pass.size() > TerminalState::kPasswordMax)
        return SimText::tr("a senha deve ter de 1 a 6 caracteres");
    // The frames carry the password unescaped between their start and end bytes.
    if (pass.contains('\x82') || pass.contains('\x83'))
        return SimText::tr("a senha não pode conter os caracteres \u201A ou \u0192 (bytes 0x82, 0x83)");
    setup.state = initialState(pass);
    if (parser.isSet(QStringLiteral("image"))) {
        QString problem;
        setup.state.image = readImageFile(parser.value(QStringLiteral("image")), problem);
        if (!problem.isEmpty())
            return problem;
        setup.state.setPassword(pass);
    }
    return {};
}

} // namespace

std::variant<SimSetup, QString> parseSimArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        SimText::tr("Terminal simulado: responde aos quadros de status, leitura, desbloqueio, gravação, reinício e\n"
                    "logotipo da ferramenta de configuração numa porta TCP. Ao iniciar, escreve na saída padrão uma\n"
                    "linha \"hxterm-sim listening on ADDR:PORT\"."));
    parser.addHelpOption();
    parser.addVersionOption();
    QList<QCommandLineOption> options;
    for (const SimOptionRow& row : kOptions)
        options << optionOf(row);
    parser.addOptions(options);
    parser.process(arguments);

    SimSetup setup;
    for (qsizetype i = 0; i < options.size(); ++i) {
        const SimOptionRow& row = kOptions[i];
        if (row.flag) {
            row.flag(setup.options) = parser.isSet(options.at(i));
        } else if (row.store && (parser.isSet(options.at(i)) || row.defaultValue)) {
            if (const QString problem = row.store(setup, parser.value(options.at(i))); !problem.isEmpty())
                return problem;
        }
    }
    if (QString problem = readFleetOptions(parser, setup); !problem.isEmpty())
        return problem;
    if (QString problem = readState(parser, setup); !problem.isEmpty())
        return problem;
    return setup;
}
