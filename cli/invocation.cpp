#include "invocation.h"
#include "clihelp.h"
#include "clitext.h"
#include "commandtable.h"

#include "files/configsources.h"
#include "files/initext.h"
#include "image/cp1252.h"
#include "image/readable.h"
#include "link/frames.h"
#include "link/terminalclient.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace
{

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

// The first line of the file, without its line end.
image::Outcome<QString> passwordFromFile(const QString& path)
{
    auto bytes = readInputFile(path);
    if (!bytes)
        return bytes.failure();
    QByteArray line = std::move(bytes).value();
    // Any line end (CR LF, LF, CR) ends the password; the byte-order mark of an editor is read as
    // every text file's is (files/initext.h): a password typed in a UTF-8 editor is its characters.
    const auto end = std::find_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; });
    line.truncate(end - line.begin());
    const std::optional<IniText> text = initext::decode(line);
    if (!text)
        return image::Failure{Cli::tr("%1: não é um arquivo de texto").arg(path)};
    return text->text;
}

} // namespace

bool isAddressArgument(const QString& text)
{
    return !QFileInfo(text).isFile() && parseAddress(text).has_value();
}

image::Outcome<BackupTarget> backupTarget(const QString& text)
{
    using K = BackupTarget::Kind;
    if (QFileInfo(text).isFile())
        return BackupTarget{K::FleetFile, text, {}};
    if (parseAddress(text))
        return BackupTarget{K::Address, text, {}};
    // A range starts with its first address; anything else (a path that is not there) is no range.
    if (!text.isEmpty() && text.front().isDigit() && (text.contains(u'/') || text.contains(u'-'))) {
        const image::Outcome<addressrange::Range> range = addressrange::parse(text);
        if (!range)
            return range.failure();
        return BackupTarget{K::Range, text, *range};
    }
    return image::Failure{Cli::tr("alvo inválido: %1 (não é arquivo de frota, faixa a.b.c.d/nn ou a.b.c.d-e.f.g.h, nem "
                                  "endereço)")
                              .arg(text)};
}

ParseOutcome parseCommandLine(const QStringList& arguments)
{
    // First the program's own options and the command, as Qt's documentation parses a command line
    // with commands; everything after the command is the command's.
    QCommandLineParser program;
    program.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help = program.addHelpOption();
    const QCommandLineOption version = program.addVersionOption();
    if (!program.parse(arguments))
        return usage(program.errorText());
    const QString first = program.positionalArguments().value(0);
    if (program.isSet(help) || program.isSet(QStringLiteral("help-all")) || first == QStringLiteral("help")) {
        ParseOutcome outcome;
        outcome.out = generalHelp({help, version});
        return outcome;
    }
    if (program.isSet(version)) {
        ParseOutcome outcome; // what QCommandLineParser::showVersion() prints
        outcome.out =
            QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion());
        return outcome;
    }
    if (first.isEmpty())
        return usage(Cli::tr("falta o comando (hxconfig-cli --help lista os comandos)"));
    const Command* spec = findCommand(first);
    if (!spec)
        return usage(Cli::tr("comando desconhecido: %1 (hxconfig-cli --help lista os comandos)").arg(first));

    QCommandLineParser parser;
    QList<QCommandLineOption> options;
    for (const OptionId id : spec->options)
        options << commandLineOption(id);
    parser.addOptions(options);
    options << parser.addHelpOption();
    // Qt's own texts for what it finds wrong ("Missing value after '--timeout'."), in the user's
    // language through Qt's catalogue.
    if (!parser.parse(QStringList{arguments.at(0)} + program.positionalArguments().mid(1)))
        return usage(QStringLiteral("%1: %2").arg(first, parser.errorText()));
    if (parser.isSet(options.constLast()) || parser.isSet(QStringLiteral("help-all"))) {
        ParseOutcome outcome;
        outcome.out = commandHelp(*spec, options);
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
    if (spec->arguments.begin()->address && !parseAddress(inv.arguments.at(0)))
        return usage(Cli::tr("endereço inválido: %1 (IPv4 ou host:porta)").arg(inv.arguments.at(0)));

    inv.parallel = spec->takes(OptionId::ParallelScan) ? 64 : 32;
    for (qsizetype i = 0; i < qsizetype(spec->options.size()); ++i) {
        const OptionRow& row = optionRow(spec->options.begin()[i]);
        if (row.store && parser.isSet(options.at(i))) {
            if (const QString problem = row.store(inv, parser.values(options.at(i))); !problem.isEmpty())
                return usage(problem);
        }
    }
    if (spec->readArguments) {
        if (const QString problem = spec->readArguments(inv); !problem.isEmpty())
            return usage(problem);
    }
    if (inv.imageWins && inv.keysWin)
        return usage(Cli::tr("--image e --keys se excluem: diga qual parte do arquivo vale"));
    if (inv.keepIp && !inv.clone)
        return usage(Cli::tr("--keep-ip só vale com --clone"));
    if (inv.clone && !inv.keepIp &&
        image::profileValue(inv.sets, QStringLiteral("Conexao"), QStringLiteral("IPLocal")).isEmpty())
        return usage(
            Cli::tr("--clone pede --set Conexao.IPLocal=... ou --keep-ip: dois terminais não podem ter o mesmo IP"));

    // The passwords, from an option, a file or the environment, in that order.
    const auto given = [&](OptionId id) {
        return spec->takes(id) && parser.isSet(QString::fromLatin1(optionRow(id).longName));
    };
    const auto value = [&](OptionId id) { return parser.value(QString::fromLatin1(optionRow(id).longName)); };
    std::optional<QString> newPassword;
    if (given(OptionId::NewPassword)) {
        newPassword = value(OptionId::NewPassword);
    } else if (given(OptionId::NewPasswordFile)) {
        const image::Outcome<QString> fromFile = passwordFromFile(value(OptionId::NewPasswordFile));
        if (!fromFile)
            return refuseWith(ExitCode::FileProblem, fromFile.failure().text);
        newPassword = *fromFile;
    } else if (const QString env = qEnvironmentVariable("HXCONFIG_NEW_PASSWORD");
               !env.isEmpty() && spec->takes(OptionId::NewPassword)) {
        newPassword = env;
    }
    if (newPassword) {
        inv.newPassword = *newPassword;
        if (const image::Outcome<void> fit = frames::checkNewPassword(inv.newPassword); !fit)
            return refuseWith(ExitCode::RefusedBeforeWrite, fit.failure().text);
    }

    const PasswordNeed need = spec->password ? spec->password(inv) : PasswordNeed::None;
    if (need != PasswordNeed::None) {
        QString password;
        if (given(OptionId::Password)) {
            password = value(OptionId::Password);
        } else if (given(OptionId::PasswordFile)) {
            const image::Outcome<QString> fromFile = passwordFromFile(value(OptionId::PasswordFile));
            if (!fromFile)
                return refuseWith(ExitCode::FileProblem, fromFile.failure().text);
            password = *fromFile;
        } else if (const QString env = qEnvironmentVariable("HXCONFIG_PASSWORD"); !env.isEmpty()) {
            password = env;
        } else if (need == PasswordNeed::Required) {
            return usage(Cli::tr("%1: falta a senha (--password, --password-file ou HXCONFIG_PASSWORD)").arg(first));
        }
        inv.password = cp1252::encode(password);
        const image::Outcome<void> fit = frames::checkPassword(inv.password);
        if (!fit && !(need == PasswordNeed::Optional && password.isEmpty()))
            return usage(fit.failure().text);
    }
    ParseOutcome outcome;
    outcome.invocation = inv;
    outcome.makeRun = spec->make;
    return outcome;
}
