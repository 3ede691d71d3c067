#include "invocation.h"
#include "clitext.h"

#include "files/configsources.h"
#include "files/initext.h"
#include "image/cp1252.h"
#include "image/readable.h"
#include "link/frames.h"
#include "link/terminalclient.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>

namespace
{

// Which options a command takes.
enum Group : unsigned {
    Password = 1u << 0,  // --password, --password-file
    Network = 1u << 1,   // --timeout
    Report = 1u << 2,    // --json, --quiet
    Write = 1u << 3,     // --new-password, --dry-run, --no-reboot, --no-verify, --backup-dir, --log, --set, --force
    Restore = 1u << 4,   // --clone, --keep-ip, --image, --keys
    Output = 1u << 5,    // -o
    Fleet = 1u << 6,     // --parallel (32), --report
    Scan = 1u << 7,      // --port, --parallel (64), --csv
    Backups = 1u << 8,   // --backup-dir (also with Write)
    RangePort = 1u << 9, // --port (also with Scan)
};

struct Argument {
    const char* name;
    const char* text;
    bool optional = false;
    bool repeated = false; // one or more
};

struct CommandSpec {
    const char* name;
    const char* summary;
    const char* description;
    std::initializer_list<Argument> arguments;
    unsigned groups;
    const char* json = nullptr; // the result words and own keys of its --json lines
};

const Argument kAddress{QT_TRANSLATE_NOOP("Cli", "ENDEREÇO"),
                        QT_TRANSLATE_NOOP("Cli", "IPv4 do terminal (porta 23) ou host:porta")};

const std::initializer_list<CommandSpec> kCommands = {
    {"status",
     QT_TRANSLATE_NOOP("Cli", "pede o status: \"pronto\" ou \"não pronto\""),
     QT_TRANSLATE_NOOP("Cli", "Pede o status do terminal e escreve \"pronto\" ou \"não pronto\" (saída 4)."),
     {kAddress},
     Network | Report,
     QT_TRANSLATE_NOOP("Cli", "result: ready, not ready (exit 4) ou failed.")},
    {"read",
     QT_TRANSLATE_NOOP("Cli", "lê a configuração e escreve o arquivo de configuração"),
     QT_TRANSLATE_NOOP(
         "Cli", "Lê a configuração do terminal e escreve o arquivo de configuração (Windows-1252, CR LF) em ARQUIVO,\n"
                "só legível pelo dono, ou na saída padrão (sem -o ou com -o -)."),
     {kAddress},
     Password | Network | Report | Output,
     QT_TRANSLATE_NOOP(
         "Cli",
         "result: read ou failed. Com -o ARQUIVO: mac, file. Sem -o: a configuração, mac, read_at (ISO 8601), values\n"
         "(cada Secao.Chave do arquivo de configuração com seu valor) e image (os 260 bytes em hexadecimal).")},
    {"show",
     QT_TRANSLATE_NOOP("Cli", "mostra um arquivo de configuração, um campo por linha"),
     QT_TRANSLATE_NOOP(
         "Cli", "Mostra a configuração de um arquivo, legível, um campo por linha, agrupada por página, com a\n"
                "seção e a chave que define cada campo (a que --set aceita, com o valor como mostrado). Um campo cuja\n"
                "chave no arquivo diz outra coisa que a seção [Imagem] é marcado."),
     {{QT_TRANSLATE_NOOP("Cli", "ARQUIVO"),
       QT_TRANSLATE_NOOP("Cli", "arquivo de configuração (lido com \"read\" ou salvo como cópia de segurança)")}},
     0},
    {"diff",
     QT_TRANSLATE_NOOP("Cli", "compara duas configurações (arquivos ou endereços)"),
     QT_TRANSLATE_NOOP(
         "Cli", "Mostra as diferenças entre A e B campo a campo. A e B são arquivos de configuração ou endereços\n"
                "(um endereço é lido). Sai com 0 quando são iguais e 1 quando diferem, como diff. Um arquivo cujas\n"
                "chaves diferem da sua seção [Imagem] nunca é igual: cada campo assim é listado."),
     {{QT_TRANSLATE_NOOP("Cli", "A"), QT_TRANSLATE_NOOP("Cli", "arquivo de configuração ou endereço")},
      {QT_TRANSLATE_NOOP("Cli", "B"), QT_TRANSLATE_NOOP("Cli", "arquivo de configuração ou endereço")}},
     Password | Network | Report,
     QT_TRANSLATE_NOOP(
         "Cli", "Uma linha. result: equal, different (exit 1) ou failed; a, b, changes (section, key, page, caption,\n"
                "from, to). address é o terminal cuja leitura falhou; vazio quando nenhum falhou.")},
    {"check",
     QT_TRANSLATE_NOOP("Cli", "confere uma configuração (arquivo ou endereço) e lista os problemas"),
     QT_TRANSLATE_NOOP(
         "Cli", "Confere a configuração de um arquivo de configuração ou de um terminal (um endereço é lido) e lista\n"
                "cada problema com a página, o campo, [Secao.Chave], a gravidade (erro ou aviso), a mensagem e uma\n"
                "sugestão. Sai com 0 sem erros (os avisos são mostrados) e com 7 quando há erros."),
     {{QT_TRANSLATE_NOOP("Cli", "ARQUIVO|ENDEREÇO"),
       QT_TRANSLATE_NOOP("Cli", "arquivo de configuração ou endereço do terminal")}},
     Password | Network | Report,
     QT_TRANSLATE_NOOP(
         "Cli",
         "Uma linha. result: ok, warnings, errors (exit 7) ou failed; file (para um arquivo), problems (section,\n"
         "key, page, caption, severity: error ou warning, message, suggestion).")},
    {"apply",
     QT_TRANSLATE_NOOP("Cli", "aplica um perfil e grava só quando algo muda"),
     QT_TRANSLATE_NOOP(
         "Cli",
         "Lê o terminal, aplica o perfil (as cinco seções da empresa de um ConfDefault.ini ou de um arquivo de\n"
         "configuração, e os valores de --set depois dele) e grava só quando algo mudou: antes, salva uma\n"
         "cópia de segurança; depois, lê de novo para verificar e reinicia o terminal. Uma configuração\n"
         "resultante com erros (veja check) é recusada antes de qualquer envio (saída 7), a não ser com --force."),
     {kAddress,
      {QT_TRANSLATE_NOOP("Cli", "PERFIL"),
       QT_TRANSLATE_NOOP("Cli", "arquivo INI com as seções Rede, Conexao, Protocolo, Gerais, Seriais")}},
     Password | Network | Report | Write,
     QT_TRANSLATE_NOOP(
         "Cli",
         "result: changed, unchanged, dry-run ou failed; changes (section, key, page, caption, from, to), backup\n"
         "(o caminho da cópia de segurança), verified (true ou false).")},
    {"restore",
     QT_TRANSLATE_NOOP("Cli", "grava de volta a imagem de um arquivo de configuração"),
     QT_TRANSLATE_NOOP(
         "Cli", "Grava a imagem de um arquivo de configuração de volta no terminal, byte a byte, quando o MAC do\n"
                "arquivo é o do terminal. Um arquivo de outro terminal é recusado (saída 7), a não ser com --clone:\n"
                "então só os campos editáveis vêm do arquivo, o terminal guarda seu MAC, seus bytes reservados e\n"
                "sua senha, e é preciso --set Conexao.IPLocal=... ou --keep-ip. Quando as chaves das cinco seções\n"
                "do arquivo diferem da seção [Imagem] (uma chave editada à mão), restore recusa (saída 7) e nomeia os\n"
                "campos, a não ser que --image ou --keys diga qual das duas partes vale. Uma configuração com erros\n"
                "(veja check) é recusada antes de qualquer envio (saída 7), a não ser com --force."),
     {kAddress, {QT_TRANSLATE_NOOP("Cli", "ARQUIVO"), QT_TRANSLATE_NOOP("Cli", "arquivo de configuração")}},
     Password | Network | Report | Write | Restore,
     QT_TRANSLATE_NOOP(
         "Cli",
         "result: changed, unchanged, dry-run ou failed; changes (section, key, page, caption, from, to), backup\n"
         "(o caminho da cópia de segurança), verified (true ou false).")},
    {"logo",
     QT_TRANSLATE_NOOP("Cli", "lê o terminal e envia um logotipo"),
     QT_TRANSLATE_NOOP(
         "Cli", "Lê o terminal e envia o logotipo do arquivo (40 linhas de seis pares hexadecimais) no quadro de\n"
                "logotipo. O terminal não responde a esse quadro."),
     {kAddress, {QT_TRANSLATE_NOOP("Cli", "LOGOTIPO"), QT_TRANSLATE_NOOP("Cli", "arquivo de logotipo (texto)")}},
     Password | Network | Report,
     QT_TRANSLATE_NOOP("Cli", "result: sent ou failed.")},
    {"batch",
     QT_TRANSLATE_NOOP("Cli", "aplica um perfil a uma frota de terminais ao mesmo tempo"),
     QT_TRANSLATE_NOOP(
         "Cli",
         "Faz o que apply faz em cada terminal do arquivo de frota, --parallel terminais ao mesmo tempo, cada\n"
         "um com sua cópia de segurança, verificação e resultado; a falha de um não muda os outros. Antes de\n"
         "conectar, confere a frota inteira (valores que nomeiam itens, endereços repetidos, o mesmo IP\n"
         "Local para dois terminais, senhas, os erros da configuração e da frota, veja check) e recusa toda\n"
         "ela com a lista dos problemas (saída 7; --force grava apesar dos erros de configuração). Os\n"
         "valores da linha valem sobre o perfil e --set. No fim, uma tabela (endereço, resultado, alterações,\n"
         "cópia de segurança, erro); saída 8 quando algum terminal falhou. O relatório (--report) e --json usam\n"
         "as palavras fixas: address, result, changes, backup, error; changed, unchanged, dry-run, failed."),
     {{QT_TRANSLATE_NOOP("Cli", "FROTA"),
       QT_TRANSLATE_NOOP("Cli",
                         "arquivo CSV: address (ou endereco), password (ou senha), new_password (ou nova_senha),\n"
                         "              Secao.Chave; separado por , ou ;")},
      {QT_TRANSLATE_NOOP("Cli", "PERFIL"), QT_TRANSLATE_NOOP("Cli", "arquivo INI com as seções da empresa (opcional)"),
       true}},
     Password | Network | Report | Write | Fleet,
     QT_TRANSLATE_NOOP(
         "Cli",
         "Uma linha por terminal, na ordem do arquivo de frota, com as chaves de apply. Uma frota recusada ou um\n"
         "arquivo ilegível: uma só linha com address vazio e result refused (com problems, a lista) ou failed.")},
    {"scan",
     QT_TRANSLATE_NOOP("Cli", "procura terminais numa faixa de endereços"),
     QT_TRANSLATE_NOOP(
         "Cli", "Conecta a cada endereço da faixa na porta (--port) e pede o status, --parallel endereços ao mesmo\n"
                "tempo, cada um com o tempo de --timeout. Escreve os endereços que responderam, \"pronto\" ou \"não\n"
                "pronto\", em ordem de endereço; --csv salva-os como arquivo de frota para batch."),
     {{QT_TRANSLATE_NOOP("Cli", "FAIXA"), QT_TRANSLATE_NOOP("Cli", "a.b.c.d/nn (de /16 a /32) ou a.b.c.d-e.f.g.h")}},
     Network | Report | Scan,
     QT_TRANSLATE_NOOP("Cli", "Uma linha por terminal encontrado. result: ready ou not ready (exit 4).")},
    {"backup",
     QT_TRANSLATE_NOOP("Cli", "guarda a configuração de uma frota quando ela mudou"),
     QT_TRANSLATE_NOOP(
         "Cli", "Lê cada terminal dos alvos, --parallel terminais ao mesmo tempo, e salva sua configuração na pasta\n"
                "de cópias de segurança só quando ela difere da cópia mais recente do mesmo MAC: uma execução por\n"
                "noite guarda as mudanças, não uma cópia por noite. Um alvo é um arquivo de frota (como em batch;\n"
                "a coluna password vale), uma faixa (como em scan, na porta --port; só os endereços que respondem\n"
                "são lidos) ou um endereço. Cada terminal termina new (o arquivo novo), unchanged (a cópia mais\n"
                "recente, igual) ou failed (por quê). No fim, uma tabela (address, result, mac, file, error); saída 8\n"
                "quando algum terminal falhou."),
     {{QT_TRANSLATE_NOOP("Cli", "ALVO"),
       QT_TRANSLATE_NOOP("Cli", "arquivo de frota, faixa a.b.c.d/nn ou a.b.c.d-e.f.g.h, ou endereço"), false, true}},
     Password | Network | Report | Fleet | Backups | RangePort,
     QT_TRANSLATE_NOOP(
         "Cli",
         "Uma linha por terminal. result: new, unchanged ou failed; mac, file (o arquivo novo ou, em unchanged,\n"
         "o mais recente).")},
    {"history",
     QT_TRANSLATE_NOOP("Cli", "mostra as cópias de segurança de um terminal e o que mudou"),
     QT_TRANSLATE_NOOP(
         "Cli", "Lista as cópias de segurança do terminal na pasta, da mais antiga à mais recente, cada uma com os\n"
                "campos que mudaram desde a anterior, como diff os mostra."),
     {{QT_TRANSLATE_NOOP("Cli", "MAC"),
       QT_TRANSLATE_NOOP("Cli", "o MAC do terminal: 0050C2000001 ou 00:50:C2:00:00:01")}},
     Report | Backups,
     QT_TRANSLATE_NOOP(
         "Cli", "Uma linha por cópia, da mais antiga à mais recente; address é o endereço de onde foi lida. result:\n"
                "first (a primeira), changed, same (nenhum campo mudou) ou failed (arquivo ilegível, exit 6); mac,\n"
                "file, previous (a cópia anterior), read_at (ISO 8601), changes (section, key, page, caption, from,\n"
                "to).")},
};

const char* const kExitCodes = QT_TRANSLATE_NOOP(
    "Cli", "Códigos de saída:\n"
           "  0  sucesso (alterado ou inalterado; no diff, iguais)\n"
           "  1  diff encontrou diferenças\n"
           "  2  uso incorreto da linha de comando\n"
           "  3  sem conexão (recusada, tempo esgotado, fechada antes da resposta)\n"
           "  4  recusado pelo terminal (não pronto, senha errada, desbloqueio ou reinício "
           "recusado)\n"
           "  5  verificação falhou (o terminal guarda outra coisa; a cópia de segurança é "
           "indicada)\n"
           "  6  problema de arquivo (ilegível ou malformado, com a linha)\n"
           "  7  recusado antes de gravar (valor que não nomeia item, campo de texto vazio, nova "
           "senha sem 6 caracteres,\n     arquivo de outro terminal sem --clone, chaves que diferem da "
           "imagem sem --image ou --keys,\n     frota com problemas, configuração com erros sem --force;\n"
           "     no check, a configuração tem erros)\n"
           "  8  batch ou backup: algum terminal falhou (a tabela e o relatório dizem qual e por quê)\n");

// A text of the tables above, in the user's language.
QString text(const char* utf8)
{
    return Cli::tr(utf8);
}

struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, Cli::tr("Mostra esta ajuda.")};
    QCommandLineOption password{
        QStringLiteral("password"),
        Cli::tr("Senha atual do terminal (1 a 6 caracteres). Aparece na lista de processos (ps): "
                "prefira --password-file ou HXCONFIG_PASSWORD."),
        QStringLiteral("P")};
    QCommandLineOption passwordFile{QStringLiteral("password-file"),
                                    Cli::tr("Lê a senha da primeira linha do arquivo."), Cli::tr("ARQUIVO")};
    QCommandLineOption timeout{QStringLiteral("timeout"),
                               Cli::tr("Tempo máximo para conectar e para cada resposta (padrão 3000)."),
                               QStringLiteral("MS")};
    QCommandLineOption json{QStringLiteral("json"),
                            Cli::tr("JSON Lines na saída padrão: um objeto JSON por terminal, um por linha, no sucesso "
                                    "e na falha (veja Saída JSON).")};
    QCommandLineOption quiet{QStringLiteral("quiet"),
                             Cli::tr("Nada na saída padrão; erros continuam na saída de erro.")};
    QCommandLineOption output{{QStringLiteral("o"), QStringLiteral("output")},
                              Cli::tr("Arquivo a escrever; - é a saída padrão."),
                              Cli::tr("ARQUIVO")};
    QCommandLineOption newPassword{QStringLiteral("new-password"),
                                   Cli::tr("Nova senha do terminal, exatamente 6 caracteres (gravada com a "
                                           "configuração). Aparece na lista de processos (ps): prefira "
                                           "--new-password-file ou HXCONFIG_NEW_PASSWORD."),
                                   QStringLiteral("P")};
    QCommandLineOption newPasswordFile{QStringLiteral("new-password-file"),
                                       Cli::tr("Lê a nova senha da primeira linha do arquivo."), Cli::tr("ARQUIVO")};
    QCommandLineOption dryRun{QStringLiteral("dry-run"),
                              Cli::tr("Lê e mostra as diferenças; não envia nada que mude o terminal.")};
    QCommandLineOption noReboot{QStringLiteral("no-reboot"), Cli::tr("Não reinicia o terminal depois de gravar.")};
    QCommandLineOption noVerify{QStringLiteral("no-verify"),
                                Cli::tr("Não lê de novo para verificar o que foi gravado.")};
    QCommandLineOption backupDir{QStringLiteral("backup-dir"),
                                 Cli::tr("Pasta das cópias de segurança (padrão: Backups ao lado do ConfDefault.ini)."),
                                 Cli::tr("PASTA")};
    QCommandLineOption log{QStringLiteral("log"),
                           Cli::tr("Acrescenta ao arquivo o registro de 16 linhas do que foi gravado, como "
                                   "\"Log Conf.\"; um arquivo novo é criado só legível pelo dono (600)."),
                           Cli::tr("ARQUIVO")};
    QCommandLineOption set{QStringLiteral("set"),
                           Cli::tr("Define um valor depois do perfil, por exemplo Conexao.IPLocal=10.0.0.5 ou "
                                   "Conexao.Tipo=Client (pode repetir). Vale como show o mostra, ou é recusado com os "
                                   "valores aceitos."),
                           QStringLiteral("Secao.Chave=Valor")};
    QCommandLineOption force{QStringLiteral("force"),
                             Cli::tr("Grava mesmo quando a configuração resultante tem erros (veja check).")};
    QCommandLineOption clone{QStringLiteral("clone"),
                             Cli::tr("Aceita um arquivo de outro terminal: copia só os campos editáveis.")};
    QCommandLineOption keepIp{QStringLiteral("keep-ip"),
                              Cli::tr("Com --clone: o terminal mantém seu próprio IP local.")};
    QCommandLineOption imageWins{QStringLiteral("image"),
                                 Cli::tr("Quando as chaves do arquivo diferem da seção [Imagem]: grava a imagem, byte "
                                         "a byte, e ignora as chaves.")};
    QCommandLineOption keysWin{QStringLiteral("keys"),
                               Cli::tr("Quando as chaves do arquivo diferem da seção [Imagem]: aplica as chaves sobre "
                                       "a imagem com as regras de apply.")};
    QCommandLineOption parallelBatch{QStringLiteral("parallel"), Cli::tr("Terminais ao mesmo tempo (padrão 32)."),
                                     QStringLiteral("N")};
    QCommandLineOption parallelScan{QStringLiteral("parallel"), Cli::tr("Endereços ao mesmo tempo (padrão 64)."),
                                    QStringLiteral("N")};
    QCommandLineOption report{QStringLiteral("report"),
                              Cli::tr("Salva a tabela do fim em ARQUIVO: CSV, ou JSON quando o nome termina em .json."),
                              Cli::tr("ARQUIVO")};
    QCommandLineOption port{QStringLiteral("port"), Cli::tr("Porta dos terminais (padrão 23)."), QStringLiteral("N")};
    QCommandLineOption csv{QStringLiteral("csv"),
                           Cli::tr("Salva os endereços encontrados como arquivo de frota (coluna address)."),
                           Cli::tr("ARQUIVO")};

    QList<QCommandLineOption> of(unsigned groups) const
    {
        QList<QCommandLineOption> list;
        if (groups & Output)
            list << output;
        if (groups & Password)
            list << password << passwordFile;
        if (groups & Network)
            list << timeout;
        if (groups & Write)
            list << set << newPassword << newPasswordFile << dryRun << noReboot << noVerify;
        if (groups & (Write | Backups))
            list << backupDir;
        if (groups & Write)
            list << log;
        if (groups & Write)
            list << force;
        if (groups & Restore)
            list << clone << keepIp << imageWins << keysWin;
        if (groups & Fleet)
            list << parallelBatch << report;
        if (groups & (Scan | RangePort))
            list << port;
        if (groups & Scan)
            list << parallelScan << csv;
        if (groups & Report)
            list << json << quiet;
        list << help;
        return list;
    }
};

QString optionSynopsis(const QCommandLineOption& option)
{
    QStringList names;
    for (const QString& name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString synopsis = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        synopsis += QLatin1Char(' ') + option.valueName();
    return synopsis;
}

// Words filled into lines of at most `width` characters, each further line indented.
QString wrapped(const QString& text, int indent, int width)
{
    QString result;
    int column = indent;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (column > indent && column + 1 + word.size() > width) {
            result += QLatin1Char('\n') + QString(indent, u' ');
            column = indent;
        } else if (column > indent) {
            result += QLatin1Char(' ');
            ++column;
        }
        result += word;
        column += int(word.size());
    }
    return result;
}

// "NAME", "[NAME]" when optional, "NAME..." when repeated.
QString argumentSynopsis(const Argument& a)
{
    if (a.optional)
        return QStringLiteral("[%1]").arg(text(a.name));
    return a.repeated ? text(a.name) + QStringLiteral("...") : text(a.name);
}

QString commandHelp(const CommandSpec& spec, const Options& options)
{
    constexpr int kWidth = 100;
    QStringList argumentNames;
    for (const Argument& a : spec.arguments)
        argumentNames << argumentSynopsis(a);
    QString help =
        Cli::tr("Uso: hxconfig-cli %1 [opções] %2\n\n%3\n\nArgumentos:\n")
            .arg(QString::fromLatin1(spec.name), argumentNames.join(QLatin1Char(' ')), text(spec.description));
    for (const Argument& a : spec.arguments)
        help += QStringLiteral("  %1  %2\n").arg(text(a.name), -10).arg(text(a.text));
    help += Cli::tr("\nOpções:\n");
    const QList<QCommandLineOption> list = options.of(spec.groups);
    qsizetype column = 0;
    for (const QCommandLineOption& option : list)
        column = std::max(column, optionSynopsis(option).size());
    for (const QCommandLineOption& option : list) {
        help += QStringLiteral("  %1  %2\n")
                    .arg(optionSynopsis(option), -int(column))
                    .arg(wrapped(option.description(), int(column) + 4, kWidth));
    }
    if (spec.json)
        help += Cli::tr("\nSaída JSON (--json): cada linha começa com address, result, error (vazio, salvo em failed "
                        "e refused)\ne exit (o código de saída desse terminal), nessa ordem; depois as chaves do "
                        "comando.\n%1\n")
                    .arg(text(spec.json));
    if (spec.groups & Fleet)
        help += Cli::tr("\nA senha de cada terminal vem da coluna password do arquivo de frota; onde a célula está "
                        "vazia,\nde --password, de --password-file ou da variável de ambiente HXCONFIG_PASSWORD.\n");
    else if (spec.groups & Password)
        help += Cli::tr("\nA senha vem de --password, de --password-file ou da variável de ambiente "
                        "HXCONFIG_PASSWORD.\n");
    if (spec.groups & Write)
        help += Cli::tr("A nova senha vem de --new-password, de --new-password-file ou da variável de ambiente "
                        "HXCONFIG_NEW_PASSWORD.\n");
    return help + QLatin1Char('\n') + text(kExitCodes);
}

QString generalHelp()
{
    QString help = Cli::tr("Uso: hxconfig-cli COMANDO [opções] ARGUMENTOS\n"
                           "     hxconfig-cli COMANDO --help\n\n"
                           "Lê, compara, aplica, verifica e restaura a configuração de microterminais pela "
                           "rede.\n\nComandos:\n");
    for (const CommandSpec& spec : kCommands)
        help += QStringLiteral("  %1  %2\n").arg(QString::fromLatin1(spec.name), -8).arg(text(spec.summary));
    help += Cli::tr("\nOpções:\n  -h, --help     Mostra esta ajuda.\n  -v, --version  Mostra a versão.\n\n"
                    "Com --json, os comandos escrevem JSON Lines, um objeto por terminal por linha, que começa com\n"
                    "address, result, error e exit (hxconfig-cli COMANDO --help diz as chaves de cada comando).\n\n");
    return help + text(kExitCodes);
}

ParseOutcome usage(const QString& message)
{
    ParseOutcome outcome;
    outcome.code = ExitCode::Usage;
    outcome.err = QStringLiteral("hxconfig-cli: %1\n").arg(message);
    outcome.problem = message;
    return outcome;
}

ParseOutcome refuseWith(ExitCode code, const QString& message)
{
    ParseOutcome outcome = usage(message);
    outcome.code = code;
    return outcome;
}

const CommandSpec* findCommand(const QString& name)
{
    for (const CommandSpec& spec : kCommands) {
        if (name == QLatin1String(spec.name))
            return &spec;
    }
    return nullptr;
}

// The first line of the file, without its line end.
std::optional<QString> passwordFromFile(const QString& path, QString& error)
{
    auto bytes = readInputFile(path);
    if (auto* e = std::get_if<FileError>(&bytes)) {
        error = e->text;
        return std::nullopt;
    }
    QByteArray line = std::get<QByteArray>(bytes);
    // Any line end (CR LF, LF, CR) ends the password; the byte-order mark of an editor is read as
    // every text file's is (files/initext.h): a password typed in a UTF-8 editor is its characters.
    const auto end = std::find_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; });
    line.truncate(end - line.begin());
    const std::optional<IniText> text = initext::decode(line);
    if (!text) {
        error = Cli::tr("%1: não é um arquivo de texto").arg(path);
        return std::nullopt;
    }
    return text->text;
}

} // namespace

bool isAddressArgument(const QString& text)
{
    return !QFileInfo(text).isFile() && parseAddress(text).has_value();
}

std::variant<BackupTarget, QString> backupTarget(const QString& text)
{
    using K = BackupTarget::Kind;
    if (QFileInfo(text).isFile())
        return BackupTarget{K::FleetFile, text, {}};
    if (parseAddress(text))
        return BackupTarget{K::Address, text, {}};
    // A range starts with its first address; anything else (a path that is not there) is no range.
    if (!text.isEmpty() && text.front().isDigit() && (text.contains(u'/') || text.contains(u'-'))) {
        const auto range = addressrange::parse(text);
        if (const auto* problem = std::get_if<QString>(&range))
            return *problem;
        return BackupTarget{K::Range, text, std::get<addressrange::Range>(range)};
    }
    return Cli::tr("alvo inválido: %1 (não é arquivo de frota, faixa a.b.c.d/nn ou a.b.c.d-e.f.g.h, nem "
                   "endereço)")
        .arg(text);
}

ParseOutcome parseCommandLine(const QStringList& arguments)
{
    const QString first = arguments.value(1);
    if (first.isEmpty())
        return usage(Cli::tr("falta o comando (hxconfig-cli --help lista os comandos)"));
    if (first == QStringLiteral("-h") || first == QStringLiteral("--help") || first == QStringLiteral("help")) {
        ParseOutcome outcome;
        outcome.out = generalHelp();
        return outcome;
    }
    if (first == QStringLiteral("-v") || first == QStringLiteral("--version")) {
        ParseOutcome outcome;
        outcome.out = QStringLiteral("hxconfig-cli %1\n").arg(QStringLiteral(HX_VERSION));
        return outcome;
    }
    const CommandSpec* spec = findCommand(first);
    if (!spec)
        return usage(Cli::tr("comando desconhecido: %1 (hxconfig-cli --help lista os comandos)").arg(first));

    const Options o;
    QCommandLineParser parser;
    parser.addOptions(o.of(spec->groups));
    if (!parser.parse(QStringList{arguments.at(0)} + arguments.mid(2))) {
        const QStringList unknown = parser.unknownOptionNames();
        return usage(unknown.isEmpty() ? QStringLiteral("%1: %2").arg(first, parser.errorText())
                                       : Cli::tr("%1: opção desconhecida: %2").arg(first, unknown.join(u' ')));
    }
    // Asked only about options the command has, so that the parser stays quiet about the others.
    const QStringList given = parser.optionNames();
    const auto isSet = [&given](const QCommandLineOption& option) {
        const QStringList names = option.names();
        return std::any_of(names.begin(), names.end(), [&given](const QString& name) { return given.contains(name); });
    };
    const auto value = [&](const QCommandLineOption& option) {
        return isSet(option) ? parser.value(option) : QString();
    };
    const auto values = [&](const QCommandLineOption& option) {
        return isSet(option) ? parser.values(option) : QStringList();
    };
    if (isSet(o.help)) {
        ParseOutcome outcome;
        outcome.out = commandHelp(*spec, o);
        return outcome;
    }

    Invocation inv;
    inv.command = first;
    inv.arguments = parser.positionalArguments();
    const auto required =
        std::count_if(spec->arguments.begin(), spec->arguments.end(), [](const Argument& a) { return !a.optional; });
    const bool repeated =
        std::any_of(spec->arguments.begin(), spec->arguments.end(), [](const Argument& a) { return a.repeated; });
    if (inv.arguments.size() < required || (!repeated && inv.arguments.size() > qsizetype(spec->arguments.size()))) {
        QStringList names;
        for (const Argument& a : spec->arguments)
            names << argumentSynopsis(a);
        return usage(Cli::tr("%1 espera %2 (hxconfig-cli %1 --help)").arg(first, names.join(u' ')));
    }
    // Every command that talks to one terminal names it first.
    if (spec->arguments.begin()->name == kAddress.name && !parseAddress(inv.arguments.at(0)))
        return usage(Cli::tr("endereço inválido: %1 (IPv4 ou host:porta)").arg(inv.arguments.at(0)));

    inv.json = isSet(o.json);
    inv.quiet = isSet(o.quiet);
    inv.output = value(o.output);
    if (isSet(o.timeout)) {
        bool ok = false;
        inv.timeoutMs = value(o.timeout).toInt(&ok);
        if (!ok || inv.timeoutMs < 1 || inv.timeoutMs > 600000)
            return usage(Cli::tr("--timeout espera milissegundos de 1 a 600000, não %1").arg(value(o.timeout)));
    }

    // Fleet and scan options.
    const auto number = [&](const QCommandLineOption& option, int low, int high, int& target) {
        if (!isSet(option))
            return true;
        bool ok = false;
        const int n = value(option).toInt(&ok);
        if (!ok || n < low || n > high)
            return false;
        target = n;
        return true;
    };
    inv.parallel = inv.command == QStringLiteral("scan") ? 64 : 32;
    if (!number(spec->groups & Scan ? o.parallelScan : o.parallelBatch, 1, 10000, inv.parallel))
        return usage(Cli::tr("--parallel espera um número de 1 a 10000, não %1")
                         .arg(value(spec->groups & Scan ? o.parallelScan : o.parallelBatch)));
    int port = inv.port;
    if (!number(o.port, 1, 65535, port))
        return usage(Cli::tr("--port espera um número de 1 a 65535, não %1").arg(value(o.port)));
    inv.port = quint16(port);
    inv.reportPath = value(o.report);
    inv.csvPath = value(o.csv);
    if (inv.command == QStringLiteral("scan")) {
        inv.range = addressrange::parse(inv.arguments.at(0));
        if (const auto* problem = std::get_if<QString>(&inv.range))
            return usage(*problem);
    }
    if (inv.command == QStringLiteral("backup")) {
        for (const QString& argument : std::as_const(inv.arguments)) {
            const auto target = backupTarget(argument);
            if (const auto* problem = std::get_if<QString>(&target))
                return usage(QStringLiteral("backup: %1").arg(*problem));
            inv.targets.append(std::get<BackupTarget>(target));
        }
    }

    // Write options.
    inv.dryRun = isSet(o.dryRun);
    inv.noReboot = isSet(o.noReboot);
    inv.noVerify = isSet(o.noVerify);
    inv.backupDir = value(o.backupDir);
    inv.logPath = value(o.log);
    inv.clone = isSet(o.clone);
    inv.keepIp = isSet(o.keepIp);
    inv.imageWins = isSet(o.imageWins);
    inv.keysWin = isSet(o.keysWin);
    if (inv.imageWins && inv.keysWin)
        return usage(Cli::tr("--image e --keys se excluem: diga qual parte do arquivo vale"));
    inv.force = isSet(o.force);
    for (const QString& assignment : values(o.set)) {
        const qsizetype dot = assignment.indexOf(u'.');
        const qsizetype equals = assignment.indexOf(u'=');
        if (dot <= 0 || equals < dot + 2)
            return usage(Cli::tr("--set espera Secao.Chave=Valor, não %1").arg(assignment));
        const QString section = assignment.left(dot);
        const QString key = assignment.mid(dot + 1, equals - dot - 1);
        const image::Field* field = image::fieldOfKey(section, key);
        if (!field)
            return usage(
                Cli::tr("--set: chave desconhecida %1.%2 (hxconfig-cli show lista as chaves)").arg(section, key));
        image::setProfileValue(inv.sets, section, key, image::itemTextOf(*field, assignment.mid(equals + 1)),
                               image::Origin::Request);
    }
    if (inv.keepIp && !inv.clone)
        return usage(Cli::tr("--keep-ip só vale com --clone"));
    if (inv.clone && !inv.keepIp &&
        image::profileValue(inv.sets, QStringLiteral("Conexao"), QStringLiteral("IPLocal")).isEmpty())
        return usage(
            Cli::tr("--clone pede --set Conexao.IPLocal=... ou --keep-ip: dois terminais não podem ter o mesmo IP"));
    // The new password, from the same kinds of sources as the password and in the same order.
    std::optional<QString> newPassword;
    if (isSet(o.newPassword)) {
        newPassword = value(o.newPassword);
    } else if (isSet(o.newPasswordFile)) {
        QString error;
        newPassword = passwordFromFile(value(o.newPasswordFile), error);
        if (!newPassword)
            return refuseWith(ExitCode::FileProblem, error);
    } else if (const QString env = qEnvironmentVariable("HXCONFIG_NEW_PASSWORD");
               !env.isEmpty() && (spec->groups & Write)) {
        newPassword = env;
    }
    if (newPassword) {
        inv.newPassword = *newPassword;
        if (const QString problem = frames::newPasswordProblem(inv.newPassword); !problem.isEmpty())
            return refuseWith(ExitCode::RefusedBeforeWrite, problem);
    }

    // The password, where the command talks to a terminal that needs one; a fleet file may give
    // each terminal its own.
    bool needsPassword = spec->groups & Password;
    // A fleet file may give every terminal its own; the plan then checks that each has one.
    const bool onlyFleetFiles =
        !inv.targets.isEmpty() && std::all_of(inv.targets.begin(), inv.targets.end(), [](const BackupTarget& t) {
            return t.kind == BackupTarget::Kind::FleetFile;
        });
    const bool passwordOptional = inv.command == QStringLiteral("batch") || onlyFleetFiles;
    if (inv.command == QStringLiteral("diff"))
        needsPassword = isAddressArgument(inv.arguments.at(0)) || isAddressArgument(inv.arguments.at(1));
    if (inv.command == QStringLiteral("check"))
        needsPassword = isAddressArgument(inv.arguments.at(0));
    if (needsPassword) {
        QString password;
        if (isSet(o.password)) {
            password = value(o.password);
        } else if (isSet(o.passwordFile)) {
            QString error;
            const std::optional<QString> fromFile = passwordFromFile(value(o.passwordFile), error);
            if (!fromFile)
                return refuseWith(ExitCode::FileProblem, error);
            password = *fromFile;
        } else if (const QString env = qEnvironmentVariable("HXCONFIG_PASSWORD"); !env.isEmpty()) {
            password = env;
        } else if (!passwordOptional) {
            return usage(Cli::tr("%1: falta a senha (--password, --password-file ou HXCONFIG_PASSWORD)").arg(first));
        }
        inv.password = cp1252::encode(password);
        const QString problem = frames::passwordProblem(inv.password);
        if (!problem.isEmpty() && !(passwordOptional && password.isEmpty()))
            return usage(problem);
    }
    ParseOutcome outcome;
    outcome.invocation = inv;
    return outcome;
}
