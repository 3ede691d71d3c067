#include "commandtable.h"
#include "clitext.h"
#include "commands.h"

#include "link/endpoint.h"

#include <QFileInfo>

#include <algorithm>

namespace
{

using O = OptionId;

PasswordNeed required(const Invocation&)
{
    return PasswordNeed::Required;
}

PasswordNeed optional(const Invocation&)
{
    return PasswordNeed::Optional; // each terminal's password may come from the fleet file
}

// diff and check read a terminal only for an argument that is an address.
PasswordNeed whenAnAddress(const Invocation& inv)
{
    return std::any_of(inv.arguments.begin(), inv.arguments.end(), isAddressArgument) ? PasswordNeed::Required
                                                                                      : PasswordNeed::None;
}

// A fleet file may give every terminal its own password; the plan then checks that each has one.
PasswordNeed unlessOnlyFleetFiles(const Invocation& inv)
{
    const bool onlyFleetFiles = std::all_of(inv.targets.begin(), inv.targets.end(), [](const BackupTarget& t) {
        return t.kind == BackupTarget::Kind::FleetFile;
    });
    return onlyFleetFiles ? PasswordNeed::Optional : PasswordNeed::Required;
}

QString readRange(Invocation& inv)
{
    const image::Outcome<addressrange::Range> range = addressrange::parse(inv.arguments.at(0));
    if (!range)
        return range.failure().text;
    inv.range = *range;
    return {};
}

QString readTargets(Invocation& inv)
{
    for (const QString& argument : std::as_const(inv.arguments)) {
        const image::Outcome<BackupTarget> target = backupTarget(argument);
        if (!target)
            return QStringLiteral("backup: %1").arg(target.failure().text);
        inv.targets.append(*target);
    }
    return {};
}

const Argument kAddress{QT_TRANSLATE_NOOP("Cli", "ENDEREÇO"),
                        QT_TRANSLATE_NOOP("Cli", "IPv4 do terminal (porta 23) ou host:porta"), false, false, true};

const Command kCommands[] = {
    {"status",
     QT_TRANSLATE_NOOP("Cli", "pede o status: \"pronto\" ou \"não pronto\""),
     QT_TRANSLATE_NOOP("Cli", "Pede o status do terminal e escreve \"pronto\" ou \"não pronto\" (saída 4)."),
     {kAddress},
     {O::Timeout, O::Json, O::Quiet},
     QT_TRANSLATE_NOOP("Cli", "result: ready, not ready (exit 4) ou failed."),
     makeStatusRun},
    {"read",
     QT_TRANSLATE_NOOP("Cli", "lê a configuração e escreve o arquivo de configuração"),
     QT_TRANSLATE_NOOP(
         "Cli", "Lê a configuração do terminal e escreve o arquivo de configuração (Windows-1252, CR LF) em ARQUIVO,\n"
                "só legível pelo dono, ou na saída padrão (sem -o ou com -o -)."),
     {kAddress},
     {O::Output, O::Password, O::PasswordFile, O::Timeout, O::Json, O::Quiet},
     QT_TRANSLATE_NOOP(
         "Cli",
         "result: read ou failed. Com -o ARQUIVO: mac, file. Sem -o: a configuração, mac, read_at (ISO 8601), values\n"
         "(cada Secao.Chave do arquivo de configuração com seu valor) e image (os 260 bytes em hexadecimal)."),
     makeReadRun,
     required},
    {"show",
     QT_TRANSLATE_NOOP("Cli", "mostra um arquivo de configuração, um campo por linha"),
     QT_TRANSLATE_NOOP(
         "Cli", "Mostra a configuração de um arquivo, legível, um campo por linha, agrupada por página, com a\n"
                "seção e a chave que define cada campo (a que --set aceita, com o valor como mostrado). Um campo cuja\n"
                "chave no arquivo diz outra coisa que a seção [Imagem] é marcado."),
     {{QT_TRANSLATE_NOOP("Cli", "ARQUIVO"),
       QT_TRANSLATE_NOOP("Cli", "arquivo de configuração (lido com \"read\" ou salvo como cópia de segurança)")}},
     {},
     nullptr,
     makeShowRun},
    {"diff",
     QT_TRANSLATE_NOOP("Cli", "compara duas configurações (arquivos ou endereços)"),
     QT_TRANSLATE_NOOP(
         "Cli", "Mostra as diferenças entre A e B campo a campo. A e B são arquivos de configuração ou endereços\n"
                "(um endereço é lido). Sai com 0 quando são iguais e 1 quando diferem, como diff. Um arquivo cujas\n"
                "chaves diferem da sua seção [Imagem] nunca é igual: cada campo assim é listado."),
     {{QT_TRANSLATE_NOOP("Cli", "A"), QT_TRANSLATE_NOOP("Cli", "arquivo de configuração ou endereço")},
      {QT_TRANSLATE_NOOP("Cli", "B"), QT_TRANSLATE_NOOP("Cli", "arquivo de configuração ou endereço")}},
     {O::Password, O::PasswordFile, O::Timeout, O::Json, O::Quiet},
     QT_TRANSLATE_NOOP(
         "Cli", "Uma linha. result: equal, different (exit 1) ou failed; a, b, changes (section, key, page, caption,\n"
                "from, to). address é o terminal cuja leitura falhou; vazio quando nenhum falhou."),
     makeDiffRun,
     whenAnAddress},
    {"check",
     QT_TRANSLATE_NOOP("Cli", "confere uma configuração (arquivo ou endereço) e lista os problemas"),
     QT_TRANSLATE_NOOP(
         "Cli", "Confere a configuração de um arquivo de configuração ou de um terminal (um endereço é lido) e lista\n"
                "cada problema com a página, o campo, [Secao.Chave], a gravidade (erro ou aviso), a mensagem e uma\n"
                "sugestão. Sai com 0 sem erros (os avisos são mostrados) e com 7 quando há erros."),
     {{QT_TRANSLATE_NOOP("Cli", "ARQUIVO|ENDEREÇO"),
       QT_TRANSLATE_NOOP("Cli", "arquivo de configuração ou endereço do terminal")}},
     {O::Password, O::PasswordFile, O::Timeout, O::Json, O::Quiet},
     QT_TRANSLATE_NOOP(
         "Cli",
         "Uma linha. result: ok, warnings, errors (exit 7) ou failed; file (para um arquivo), problems (section,\n"
         "key, page, caption, severity: error ou warning, message, suggestion)."),
     makeCheckRun,
     whenAnAddress},
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
     {O::Password, O::PasswordFile, O::Timeout, O::Set, O::NewPassword, O::NewPasswordFile, O::DryRun, O::NoReboot,
      O::NoVerify, O::BackupDir, O::Log, O::Force, O::Json, O::Quiet},
     QT_TRANSLATE_NOOP(
         "Cli",
         "result: changed, unchanged, dry-run ou failed; changes (section, key, page, caption, from, to), backup\n"
         "(o caminho da cópia de segurança), verified (true ou false)."),
     makeWriteRun,
     required},
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
     {O::Password, O::PasswordFile, O::Timeout, O::Set, O::NewPassword, O::NewPasswordFile, O::DryRun, O::NoReboot,
      O::NoVerify, O::BackupDir, O::Log, O::Force, O::Clone, O::KeepIp, O::Image, O::Keys, O::Json, O::Quiet},
     QT_TRANSLATE_NOOP(
         "Cli",
         "result: changed, unchanged, dry-run ou failed; changes (section, key, page, caption, from, to), backup\n"
         "(o caminho da cópia de segurança), verified (true ou false)."),
     makeWriteRun,
     required},
    {"logo",
     QT_TRANSLATE_NOOP("Cli", "lê o terminal e envia um logotipo"),
     QT_TRANSLATE_NOOP(
         "Cli", "Lê o terminal e envia o logotipo do arquivo (40 linhas de seis pares hexadecimais) no quadro de\n"
                "logotipo. O terminal não responde a esse quadro."),
     {kAddress, {QT_TRANSLATE_NOOP("Cli", "LOGOTIPO"), QT_TRANSLATE_NOOP("Cli", "arquivo de logotipo (texto)")}},
     {O::Password, O::PasswordFile, O::Timeout, O::Json, O::Quiet},
     QT_TRANSLATE_NOOP("Cli", "result: sent ou failed."),
     makeLogoRun,
     required},
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
     {O::Password, O::PasswordFile, O::Timeout, O::Set, O::NewPassword, O::NewPasswordFile, O::DryRun, O::NoReboot,
      O::NoVerify, O::BackupDir, O::Log, O::Force, O::ParallelBatch, O::Report, O::Json, O::Quiet},
     QT_TRANSLATE_NOOP(
         "Cli",
         "Uma linha por terminal, na ordem do arquivo de frota, com as chaves de apply. Uma frota recusada ou um\n"
         "arquivo ilegível: uma só linha com address vazio e result refused (com problems, a lista) ou failed."),
     makeBatchRun,
     optional},
    {"scan",
     QT_TRANSLATE_NOOP("Cli", "procura terminais numa faixa de endereços"),
     QT_TRANSLATE_NOOP(
         "Cli", "Conecta a cada endereço da faixa na porta (--port) e pede o status, --parallel endereços ao mesmo\n"
                "tempo, cada um com o tempo de --timeout. Escreve os endereços que responderam, \"pronto\" ou \"não\n"
                "pronto\", em ordem de endereço; --csv salva-os como arquivo de frota para batch."),
     {{QT_TRANSLATE_NOOP("Cli", "FAIXA"), QT_TRANSLATE_NOOP("Cli", "a.b.c.d/nn (de /16 a /32) ou a.b.c.d-e.f.g.h")}},
     {O::Timeout, O::Port, O::ParallelScan, O::Csv, O::Json, O::Quiet},
     QT_TRANSLATE_NOOP("Cli", "Uma linha por terminal encontrado. result: ready ou not ready (exit 4)."),
     makeScanRun,
     nullptr,
     readRange},
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
     {O::Password, O::PasswordFile, O::Timeout, O::BackupDir, O::ParallelBatch, O::Report, O::Port, O::Json, O::Quiet},
     QT_TRANSLATE_NOOP(
         "Cli",
         "Uma linha por terminal. result: new, unchanged ou failed; mac, file (o arquivo novo ou, em unchanged,\n"
         "o mais recente)."),
     makeBackupRun,
     unlessOnlyFleetFiles,
     readTargets},
    {"history",
     QT_TRANSLATE_NOOP("Cli", "mostra as cópias de segurança de um terminal e o que mudou"),
     QT_TRANSLATE_NOOP(
         "Cli", "Lista as cópias de segurança do terminal na pasta, da mais antiga à mais recente, cada uma com os\n"
                "campos que mudaram desde a anterior, como diff os mostra."),
     {{QT_TRANSLATE_NOOP("Cli", "MAC"),
       QT_TRANSLATE_NOOP("Cli", "o MAC do terminal: 0050C2000001 ou 00:50:C2:00:00:01")}},
     {O::BackupDir, O::Json, O::Quiet},
     QT_TRANSLATE_NOOP(
         "Cli", "Uma linha por cópia, da mais antiga à mais recente; address é o endereço de onde foi lida. result:\n"
                "first (a primeira), changed, same (nenhum campo mudou) ou failed (arquivo ilegível, exit 6); mac,\n"
                "file, previous (a cópia anterior), read_at (ISO 8601), changes (section, key, page, caption, from,\n"
                "to)."),
     makeHistoryRun},
};

} // namespace

bool Command::takes(OptionId option) const
{
    return std::find(options.begin(), options.end(), option) != options.end();
}

std::span<const Command> commands()
{
    return kCommands;
}

const Command* findCommand(const QString& name)
{
    const auto* found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                     [&name](const Command& c) { return name == QLatin1String(c.name); });
    return found == std::end(kCommands) ? nullptr : found;
}
