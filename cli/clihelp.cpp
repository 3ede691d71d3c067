#include "clihelp.h"
#include "clitext.h"

#include <algorithm>

namespace
{

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

// One line per option, the descriptions in a column after the longest synopsis.
QString optionLines(const QList<QCommandLineOption>& list)
{
    constexpr int kWidth = 100;
    qsizetype column = 0;
    for (const QCommandLineOption& option : list)
        column = std::max(column, optionSynopsis(option).size());
    QString lines;
    for (const QCommandLineOption& option : list) {
        lines += QStringLiteral("  %1  %2\n")
                     .arg(optionSynopsis(option), -int(column))
                     .arg(wrapped(option.description(), int(column) + 4, kWidth));
    }
    return lines;
}

} // namespace

// "NAME", "[NAME]" when optional, "NAME..." when repeated.
QString argumentSynopsis(const Argument& a)
{
    if (a.optional)
        return QStringLiteral("[%1]").arg(text(a.name));
    return a.repeated ? text(a.name) + QStringLiteral("...") : text(a.name);
}

QString commandHelp(const Command& spec, const QList<QCommandLineOption>& options)
{
    QStringList argumentNames;
    for (const Argument& a : spec.arguments)
        argumentNames << argumentSynopsis(a);
    QString help =
        Cli::tr("Uso: hxconfig-cli %1 [opções] %2\n\n%3\n\nArgumentos:\n")
            .arg(QString::fromLatin1(spec.name), argumentNames.join(QLatin1Char(' ')), text(spec.description));
    for (const Argument& a : spec.arguments)
        help += QStringLiteral("  %1  %2\n").arg(text(a.name), -10).arg(text(a.text));
    help += Cli::tr("\nOpções:\n") + optionLines(options);
    if (spec.json)
        help += Cli::tr("\nSaída JSON (--json): cada linha começa com address, result, error (vazio, salvo em failed "
                        "e refused)\ne exit (o código de saída desse terminal), nessa ordem; depois as chaves do "
                        "comando.\n%1\n")
                    .arg(text(spec.json));
    if (spec.takes(OptionId::ParallelBatch))
        help += Cli::tr("\nA senha de cada terminal vem da coluna password do arquivo de frota; onde a célula está "
                        "vazia,\nde --password, de --password-file ou da variável de ambiente HXCONFIG_PASSWORD.\n");
    else if (spec.takes(OptionId::Password))
        help += Cli::tr("\nA senha vem de --password, de --password-file ou da variável de ambiente "
                        "HXCONFIG_PASSWORD.\n");
    if (spec.takes(OptionId::NewPassword))
        help += Cli::tr("A nova senha vem de --new-password, de --new-password-file ou da variável de ambiente "
                        "HXCONFIG_NEW_PASSWORD.\n");
    return help + QLatin1Char('\n') + text(kExitCodes);
}

QString generalHelp(const QList<QCommandLineOption>& options)
{
    QString help = Cli::tr("Uso: hxconfig-cli COMANDO [opções] ARGUMENTOS\n"
                           "     hxconfig-cli COMANDO --help\n\n"
                           "Lê, compara, aplica, verifica e restaura a configuração de microterminais pela "
                           "rede.\n\nComandos:\n");
    for (const Command& spec : commands())
        help += QStringLiteral("  %1  %2\n").arg(QString::fromLatin1(spec.name), -8).arg(text(spec.summary));
    help += Cli::tr("\nOpções:\n") + optionLines(options);
    help += Cli::tr("\nCom --json, os comandos escrevem JSON Lines, um objeto por terminal por linha, que começa "
                    "com\naddress, result, error e exit (hxconfig-cli COMANDO --help diz as chaves de cada "
                    "comando).\n\n");
    return help + text(kExitCodes);
}
