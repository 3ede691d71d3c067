#include "clioptions.h"
#include "clitext.h"

#include "image/integertext.h"
#include "image/layout.h"
#include "image/readable.h"

#include <algorithm>
#include <optional>

namespace
{

using Values = const QStringList&;

template <bool Invocation::*member> QString flag(Invocation& inv, Values)
{
    inv.*member = true;
    return {};
}

template <QString Invocation::*member> QString text(Invocation& inv, Values values)
{
    inv.*member = values.constLast();
    return {};
}

QString timeout(Invocation& inv, Values values)
{
    const std::optional<int> ms = integerWithin(values.constLast(), 1, 600000);
    if (!ms)
        return Cli::tr("--timeout espera milissegundos de 1 a 600000, não %1").arg(values.constLast());
    inv.timeoutMs = *ms;
    return {};
}

QString parallel(Invocation& inv, Values values)
{
    const std::optional<int> n = integerWithin(values.constLast(), 1, 10000);
    if (!n)
        return Cli::tr("--parallel espera um número de 1 a 10000, não %1").arg(values.constLast());
    inv.parallel = *n;
    return {};
}

QString port(Invocation& inv, Values values)
{
    const std::optional<int> n = integerWithin(values.constLast(), 1, 65535);
    if (!n)
        return Cli::tr("--port espera um número de 1 a 65535, não %1").arg(values.constLast());
    inv.port = quint16(*n);
    return {};
}

// Each --set in turn, checked against the field table.
QString set(Invocation& inv, Values values)
{
    for (const QString& assignment : values) {
        const qsizetype dot = assignment.indexOf(u'.');
        const qsizetype equals = assignment.indexOf(u'=');
        if (dot <= 0 || equals < dot + 2)
            return Cli::tr("--set espera Secao.Chave=Valor, não %1").arg(assignment);
        const QString section = assignment.left(dot);
        const QString key = assignment.mid(dot + 1, equals - dot - 1);
        const image::Field* field = image::fieldOfKey(section, key);
        if (!field)
            return Cli::tr("--set: chave desconhecida %1.%2 (hxconfig-cli show lista as chaves)").arg(section, key);
        image::setProfileValue(inv.sets, section, key, image::itemTextOf(*field, assignment.mid(equals + 1)),
                               image::Origin::Request);
    }
    return {};
}

const char* const kFile = QT_TRANSLATE_NOOP("Cli", "ARQUIVO");

const OptionRow kOptions[] = {
    {OptionId::Output, "o", "output", QT_TRANSLATE_NOOP("Cli", "Arquivo a escrever; - é a saída padrão."), kFile,
     text<&Invocation::output>},
    {OptionId::Password, nullptr, "password",
     QT_TRANSLATE_NOOP("Cli", "Senha atual do terminal (1 a 6 caracteres). Aparece na lista de processos (ps): "
                              "prefira --password-file ou HXCONFIG_PASSWORD."),
     "P", nullptr},
    {OptionId::PasswordFile, nullptr, "password-file",
     QT_TRANSLATE_NOOP("Cli", "Lê a senha da primeira linha do arquivo."), kFile, nullptr},
    {OptionId::Timeout, nullptr, "timeout",
     QT_TRANSLATE_NOOP("Cli", "Tempo máximo para conectar e para cada resposta (padrão 3000)."), "MS", timeout},
    {OptionId::Set, nullptr, "set",
     QT_TRANSLATE_NOOP("Cli", "Define um valor depois do perfil, por exemplo Conexao.IPLocal=10.0.0.5 ou "
                              "Conexao.Tipo=Client (pode repetir). Vale como show o mostra, ou é recusado com os "
                              "valores aceitos."),
     "Secao.Chave=Valor", set},
    {OptionId::NewPassword, nullptr, "new-password",
     QT_TRANSLATE_NOOP("Cli", "Nova senha do terminal, exatamente 6 caracteres (gravada com a configuração). "
                              "Aparece na lista de processos (ps): prefira --new-password-file ou "
                              "HXCONFIG_NEW_PASSWORD."),
     "P", nullptr},
    {OptionId::NewPasswordFile, nullptr, "new-password-file",
     QT_TRANSLATE_NOOP("Cli", "Lê a nova senha da primeira linha do arquivo."), kFile, nullptr},
    {OptionId::DryRun, nullptr, "dry-run",
     QT_TRANSLATE_NOOP("Cli", "Lê e mostra as diferenças; não envia nada que mude o terminal."), nullptr,
     flag<&Invocation::dryRun>},
    {OptionId::NoReboot, nullptr, "no-reboot", QT_TRANSLATE_NOOP("Cli", "Não reinicia o terminal depois de gravar."),
     nullptr, flag<&Invocation::noReboot>},
    {OptionId::NoVerify, nullptr, "no-verify",
     QT_TRANSLATE_NOOP("Cli", "Não lê de novo para verificar o que foi gravado."), nullptr,
     flag<&Invocation::noVerify>},
    {OptionId::BackupDir, nullptr, "backup-dir",
     QT_TRANSLATE_NOOP("Cli", "Pasta das cópias de segurança (padrão: Backups ao lado do ConfDefault.ini)."),
     QT_TRANSLATE_NOOP("Cli", "PASTA"), text<&Invocation::backupDir>},
    {OptionId::Log, nullptr, "log",
     QT_TRANSLATE_NOOP("Cli", "Acrescenta ao arquivo o registro de 16 linhas do que foi gravado, como \"Log "
                              "Conf.\"; um arquivo novo é criado só legível pelo dono (600)."),
     kFile, text<&Invocation::logPath>},
    {OptionId::Force, nullptr, "force",
     QT_TRANSLATE_NOOP("Cli", "Grava mesmo quando a configuração resultante tem erros (veja check)."), nullptr,
     flag<&Invocation::force>},
    {OptionId::Clone, nullptr, "clone",
     QT_TRANSLATE_NOOP("Cli", "Aceita um arquivo de outro terminal: copia só os campos editáveis."), nullptr,
     flag<&Invocation::clone>},
    {OptionId::KeepIp, nullptr, "keep-ip",
     QT_TRANSLATE_NOOP("Cli", "Com --clone: o terminal mantém seu próprio IP local."), nullptr,
     flag<&Invocation::keepIp>},
    {OptionId::Image, nullptr, "image",
     QT_TRANSLATE_NOOP("Cli", "Quando as chaves do arquivo diferem da seção [Imagem]: grava a imagem, byte a byte, "
                              "e ignora as chaves."),
     nullptr, flag<&Invocation::imageWins>},
    {OptionId::Keys, nullptr, "keys",
     QT_TRANSLATE_NOOP("Cli", "Quando as chaves do arquivo diferem da seção [Imagem]: aplica as chaves sobre a "
                              "imagem com as regras de apply."),
     nullptr, flag<&Invocation::keysWin>},
    {OptionId::ParallelBatch, nullptr, "parallel", QT_TRANSLATE_NOOP("Cli", "Terminais ao mesmo tempo (padrão 32)."),
     "N", parallel},
    {OptionId::Report, nullptr, "report",
     QT_TRANSLATE_NOOP("Cli", "Salva a tabela do fim em ARQUIVO: CSV, ou JSON quando o nome termina em .json."), kFile,
     text<&Invocation::reportPath>},
    {OptionId::Port, nullptr, "port", QT_TRANSLATE_NOOP("Cli", "Porta dos terminais (padrão 23)."), "N", port},
    {OptionId::ParallelScan, nullptr, "parallel", QT_TRANSLATE_NOOP("Cli", "Endereços ao mesmo tempo (padrão 64)."),
     "N", parallel},
    {OptionId::Csv, nullptr, "csv",
     QT_TRANSLATE_NOOP("Cli", "Salva os endereços encontrados como arquivo de frota (coluna address)."), kFile,
     text<&Invocation::csvPath>},
    {OptionId::Json, nullptr, "json",
     QT_TRANSLATE_NOOP("Cli", "JSON Lines na saída padrão: um objeto JSON por terminal, um por linha, no sucesso e "
                              "na falha (veja Saída JSON)."),
     nullptr, flag<&Invocation::json>},
    {OptionId::Quiet, nullptr, "quiet",
     QT_TRANSLATE_NOOP("Cli", "Nada na saída padrão; erros continuam na saída de erro."), nullptr,
     flag<&Invocation::quiet>},
};

} // namespace

const OptionRow& optionRow(OptionId id)
{
    const auto* row =
        std::find_if(std::begin(kOptions), std::end(kOptions), [id](const OptionRow& r) { return r.id == id; });
    Q_ASSERT(row != std::end(kOptions));
    return *row;
}

QCommandLineOption commandLineOption(OptionId id)
{
    const OptionRow& row = optionRow(id);
    QStringList names;
    if (row.shortName)
        names << QString::fromLatin1(row.shortName);
    names << QString::fromLatin1(row.longName);
    return row.valueName ? QCommandLineOption(names, Cli::tr(row.description), Cli::tr(row.valueName))
                         : QCommandLineOption(names, Cli::tr(row.description));
}
