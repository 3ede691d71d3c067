#include "commands.h"
#include "clitext.h"

#include "backupnotice.h"
#include "problems.h"
#include "report.h"

#include "files/backupfile.h"
#include "files/configsources.h"
#include "files/inidocument.h"
#include "files/initext.h"
#include "files/logofile.h"
#include "files/profilefile.h"
#include "image/keyagreement.h"
#include "image/layout.h"
#include "image/readable.h"
#include "image/textfit.h"
#include "image/visibletext.h"
#include "link/readjob.h"
#include "link/terminalclient.h"
#include "link/writejob.h"
#include "link/writeplan.h"
#include "settingsfolder.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace
{

int code(ExitCode c)
{
    return int(c);
}

// A configuration file as show, diff and restore take it. A profile (company sections, no image)
// is the usual mix-up: the message says what it is and which command takes it.
image::Outcome<ConfigFile> loadConfigFileFor(const QString& path)
{
    auto loaded = loadConfigFile(path);
    if (loaded)
        return loaded;
    const auto bytes = readInputFile(path);
    const std::optional<IniText> text = bytes ? initext::decode(*bytes) : std::nullopt;
    if (!text)
        return loaded;
    const IniDocument document(text->text);
    if (!document.keys(QStringLiteral("Imagem")).isEmpty() || image::profileFromDocument(document).isEmpty())
        return loaded;
    return image::Failure{Cli::tr("%1: é um perfil (seções da empresa, sem a seção [Imagem] de um arquivo lido com "
                                  "read), não um arquivo de configuração: para ver o que ele mudaria num terminal, "
                                  "use hxconfig-cli apply ENDEREÇO %1 --dry-run")
                              .arg(path)};
}

// Said under what show and diff print of a file whose keys and image disagree.
QString disagreementNote(qsizetype fields)
{
    return Cli::tr("Atenção: em %1 as chaves do arquivo diferem da seção [Imagem]; os valores "
                   "mostrados são os da imagem. restore recusa o arquivo sem --image (vale a imagem) ou "
                   "--keys (valem as chaves).\n")
        .arg(report::counted(fields, Cli::tr("campo"), Cli::tr("campos")));
}

// A terminal read on its own connection: connect, status, read.
class TerminalRead final : public QObject
{
    Q_OBJECT

public:
    TerminalRead(const Invocation& inv, const QString& address, QObject* parent)
        : QObject(parent), m_address(address), m_job(m_client, inv.password)
    {
        m_client.setConnectTimeout(inv.timeoutMs);
        m_client.setReplyTimeout(inv.timeoutMs);
        connect(&m_job, &ReadJob::done, this, [this] { emit done(); });
        connect(&m_job, &ReadJob::failed, this, [this](FailureKind kind, const QString& text) {
            m_client.close();
            emit failed(exitCodeOf(kind), text);
        });
    }

    void start() { m_job.start(*parseAddress(m_address)); }
    TerminalClient& client() { return m_client; }
    const QByteArray& image() const { return m_job.image(); }
    TerminalInfo info() const { return {image::macText(m_job.image()), m_job.readAt(), m_address}; }
    const QString& address() const { return m_address; }

signals:
    void done();
    void failed(ExitCode code, const QString& text);

private:
    QString m_address;
    TerminalClient m_client;
    ReadJob m_job;
};

// status ADDRESS
class StatusRun final : public CommandRun
{
public:
    StatusRun(const Invocation& inv, QObject* parent) : CommandRun(parent), m_inv(inv)
    {
        m_client.setConnectTimeout(inv.timeoutMs);
        m_client.setReplyTimeout(inv.timeoutMs);
        connect(&m_client, &TerminalClient::connected, this, [this] { m_client.requestStatus(); });
        connect(&m_client, &TerminalClient::answered, this,
                [this](TerminalClient::Request, TerminalClient::Answer answer, const QByteArray&) {
                    const bool ready = answer == TerminalClient::Answer::Ready;
                    end(ready ? ExitCode::Success : ExitCode::TerminalRefused,
                        ready ? resultword::ready : resultword::notReady, {});
                });
        connect(&m_client, &TerminalClient::failed, this,
                [this](TerminalClient::Request, TerminalClient::Failure, const QString& text) {
                    end(ExitCode::NoConnection, resultword::failed, text);
                });
    }

    int run() override
    {
        m_client.connectTo(*parseAddress(address()));
        return -1;
    }

private:
    const QString& address() const { return m_inv.arguments.at(0); }

    void end(ExitCode c, const QString& result, const QString& error)
    {
        m_client.close();
        if (!error.isEmpty())
            report::error(address(), error);
        if (m_inv.json) {
            TerminalLine{address(), result, error, c, {}}.print();
        } else if (!m_inv.quiet && error.isEmpty()) {
            report::out(report::readinessText(result) + QLatin1Char('\n'));
        }
        emit finished(code(c));
    }

    Invocation m_inv;
    TerminalClient m_client;
};

// read ADDRESS [-o FILE]
class ReadRun final : public CommandRun
{
public:
    ReadRun(const Invocation& inv, QObject* parent)
        : CommandRun(parent), m_inv(inv), m_read(new TerminalRead(inv, inv.arguments.at(0), this))
    {
        connect(m_read, &TerminalRead::done, this, &ReadRun::save);
        connect(m_read, &TerminalRead::failed, this, &ReadRun::fail);
    }

    int run() override
    {
        m_read->start();
        return -1;
    }

private:
    void fail(ExitCode c, const QString& text)
    {
        report::error(m_read->address(), text);
        if (m_inv.json)
            TerminalLine{m_read->address(), resultword::failed, text, c, {}}.print();
        emit finished(code(c));
    }

    void save()
    {
        m_read->client().close();
        const bool toStandardOutput = m_inv.output.isEmpty() || m_inv.output == QStringLiteral("-");
        if (toStandardOutput && m_inv.json) {
            TerminalLine line{m_read->address(), resultword::read, {}, ExitCode::Success, {}};
            report::configurationJson(line, m_read->image(), m_read->info());
            line.print();
            emit finished(code(ExitCode::Success));
            return;
        }
        const QByteArray bytes = configFileBytes(m_read->image(), m_read->info());
        if (toStandardOutput) {
            report::outBytes(bytes);
            emit finished(code(ExitCode::Success));
            return;
        }
        const SavedFile saved = savePrivateFile(m_inv.output, bytes);
        if (!saved.ok())
            return fail(ExitCode::FileProblem, saved.failure().text);
        if (m_inv.json) {
            TerminalLine{m_read->address(), resultword::read, {}, ExitCode::Success, {}}
                .with(QStringLiteral("mac"), m_read->info().mac)
                .with(QStringLiteral("file"), *saved)
                .print();
        } else if (!m_inv.quiet) {
            report::out(Cli::tr("%1: configuração de %2 salva em %3\n")
                            .arg(m_read->address(), image::visibleText(m_read->info().mac), *saved));
        }
        emit finished(code(ExitCode::Success));
    }

    Invocation m_inv;
    TerminalRead* m_read;
};

// show FILE
class ShowRun final : public CommandRun
{
public:
    ShowRun(const Invocation& inv, QObject* parent) : CommandRun(parent), m_inv(inv) {}

    int run() override
    {
        const QString path = m_inv.arguments.at(0);
        auto loaded = loadConfigFileFor(path);
        if (!loaded) {
            report::error(QStringLiteral("show"), loaded.failure().text);
            return code(ExitCode::FileProblem);
        }
        const ConfigFile& file = *loaded;
        // The file holds what a terminal sent: shown with its control characters visible.
        QString text = Cli::tr("Terminal\n  MAC: %1\n").arg(image::visibleText(image::macText(file.image)));
        if (file.terminal.readAt.isValid())
            text += Cli::tr("  Lido em: %1\n").arg(file.terminal.readAt.toString(Qt::ISODate));
        if (!file.terminal.address.isEmpty())
            text += Cli::tr("  Endereço: %1\n").arg(image::visibleText(file.terminal.address));
        // What the editor shows, under the key that asks for it (image::requestValueOf); a field
        // whose key in the file says otherwise is marked, and so is each problem the checks find.
        const QList<image::KeyDisagreement> disagreements = image::keyDisagreements(file.image, file.readable);
        const QList<image::Problem> found = image::checkImage(image::workingCopyAfterRead(file.image));
        for (image::Page page : image::companyPages()) {
            text += image::pageText(page) + QLatin1Char('\n');
            for (const image::Field* field : image::keyedFields()) {
                if (field->page != page)
                    continue;
                text +=
                    QStringLiteral("  %1: %2 [%3.%4]")
                        .arg(image::captionOf(*field), image::visibleText(image::requestValueOf(*field, file.image)),
                             image::sectionOf(*field), image::requestKeyOf(*field));
                for (const image::KeyDisagreement& d : disagreements) {
                    if (d.field == field)
                        text += Cli::tr("  <- a chave no arquivo diz %1").arg(image::visibleText(d.keysValue));
                }
                text += QLatin1Char('\n');
                // Each problem of the field under it, marked so that a reader's eye finds it.
                for (const image::Problem& p : found) {
                    if (p.field != field)
                        continue;
                    text += QStringLiteral("    !! %1: %2").arg(image::severityName(p.severity), p.message);
                    if (!p.suggestion.isEmpty())
                        text += Cli::tr("; sugestão: ") + p.suggestion;
                    text += QLatin1Char('\n');
                }
            }
        }
        if (!disagreements.isEmpty())
            text += disagreementNote(disagreements.size());
        report::out(text);
        return code(ExitCode::Success);
    }

private:
    Invocation m_inv;
};

// diff A B
class DiffRun final : public CommandRun
{
public:
    DiffRun(const Invocation& inv, QObject* parent) : CommandRun(parent), m_inv(inv) {}

    int run() override
    {
        for (int i = 0; i < 2; ++i) {
            const QString& argument = m_inv.arguments.at(i);
            if (isAddressArgument(argument)) {
                auto* read = new TerminalRead(m_inv, argument, this);
                connect(read, &TerminalRead::done, this, [this, i, read] {
                    read->client().close();
                    m_images[i] = read->image();
                    compareWhenBoth();
                });
                connect(read, &TerminalRead::failed, this, [this, read](ExitCode c, const QString& text) {
                    report::error(read->address(), text);
                    if (m_failure.isEmpty() || c > m_failureCode) {
                        m_failureCode = c;
                        m_failureAddress = read->address();
                    }
                    m_failure.append(QStringLiteral("%1: %2").arg(read->address(), text));
                    compareWhenBoth();
                });
                m_pending.append(read);
                continue;
            }
            auto loaded = loadConfigFileFor(argument);
            if (!loaded) {
                report::error(QStringLiteral("diff"), loaded.failure().text);
                if (m_inv.json)
                    line(resultword::failed, loaded.failure().text, ExitCode::FileProblem).print();
                return code(ExitCode::FileProblem);
            }
            const ConfigFile& file = *loaded;
            m_images[i] = file.image;
            for (const image::KeyDisagreement& d : image::keyDisagreements(file.image, file.readable))
                m_disagreements.append({argument, d});
        }
        m_waiting = int(m_pending.size());
        if (m_waiting == 0)
            return compare();
        for (TerminalRead* read : std::as_const(m_pending))
            read->start();
        return -1;
    }

private:
    void compareWhenBoth()
    {
        if (--m_waiting > 0)
            return;
        if (m_failure.isEmpty()) {
            emit finished(compare());
            return;
        }
        if (m_inv.json)
            line(resultword::failed, m_failure.join(QStringLiteral("; ")), m_failureCode, m_failureAddress).print();
        emit finished(code(m_failureCode));
    }

    // diff's JSON line: `address` is the terminal concerned (a failed read), `a` and `b` the two sides.
    TerminalLine line(const QString& result, const QString& error, ExitCode exit, const QString& address = {}) const
    {
        return TerminalLine{address, result, error, exit, {}}
            .with(QStringLiteral("a"), m_inv.arguments.at(0))
            .with(QStringLiteral("b"), m_inv.arguments.at(1));
    }

    // Two files are not called equal while either says two things about a field.
    int compare()
    {
        const QList<image::FieldDifference> changes = image::differences(m_images[0], m_images[1]);
        const bool equal = changes.isEmpty() && m_disagreements.isEmpty();
        const ExitCode exit = equal ? ExitCode::Success : ExitCode::Differences;
        if (m_inv.json) {
            QJsonArray disagreements;
            for (const auto& [file, d] : std::as_const(m_disagreements)) {
                disagreements.append(QJsonObject{{QStringLiteral("file"), file},
                                                 {QStringLiteral("section"), image::sectionOf(*d.field)},
                                                 {QStringLiteral("key"), image::requestKeyOf(*d.field)},
                                                 {QStringLiteral("caption"), image::captionOf(*d.field)},
                                                 {QStringLiteral("image"), d.imageValue},
                                                 {QStringLiteral("keys"), d.keysValue}});
            }
            line(equal ? resultword::equal : resultword::different, {}, exit)
                .with(QStringLiteral("changes"), report::differencesJson(changes))
                .with(QStringLiteral("disagreements"), disagreements)
                .print();
        } else if (!m_inv.quiet) {
            QString text;
            for (const image::FieldDifference& d : changes)
                text += report::differenceLine(d) + QLatin1Char('\n');
            for (const auto& [file, d] : std::as_const(m_disagreements))
                text += QStringLiteral("%1: %2\n").arg(file, d.text());
            if (!m_disagreements.isEmpty())
                text += disagreementNote(m_disagreements.size());
            report::out(text);
        }
        return code(exit);
    }

    Invocation m_inv;
    QByteArray m_images[2];
    QList<std::pair<QString, image::KeyDisagreement>> m_disagreements; // by file argument
    QList<TerminalRead*> m_pending;
    int m_waiting = 0;
    QStringList m_failure; // "ADDRESS: error" of each read that failed
    ExitCode m_failureCode = ExitCode::Success;
    QString m_failureAddress;
};

// apply ADDRESS PROFILE, restore ADDRESS FILE
class WriteRun final : public CommandRun
{
public:
    WriteRun(const Invocation& inv, QObject* parent) : CommandRun(parent), m_inv(inv) {}

    int run() override
    {
        WritePlanner planner;
        const QString& source = m_inv.arguments.at(1);
        if (m_inv.command == QStringLiteral("apply")) {
            auto profile = loadProfile(source);
            if (!profile)
                return fileProblem(profile.failure().text);
            image::Profile entries = *profile;
            entries.append(m_inv.sets);
            warnOfTextLosses(entries);
            planner = writeplan::applying(entries);
        } else {
            auto file = loadConfigFileFor(source);
            if (!file)
                return fileProblem(file.failure().text);
            const image::Outcome<QByteArray> fileImage = restoredImage(*file);
            if (!fileImage)
                return refuse(ExitCode::RefusedBeforeWrite,
                              QStringLiteral("%1: %2").arg(source, fileImage.failure().text));
            warnOfTextLosses(m_inv.sets);
            planner = writeplan::restoring({*fileImage, m_inv.clone, m_inv.keepIp, m_inv.sets});
        }

        planner = problems::checked(std::move(planner), m_inv.newPassword, m_inv.force, m_check);
        WriteOptions options = writeOptionsOf(m_inv);
        options.endpoint = *parseAddress(address());
        m_job = new WriteJob(options, planner, this);
        connect(m_job, &WriteJob::finished, this, &WriteRun::reportResult);
        m_job->start();
        return -1;
    }

private:
    const QString& address() const { return m_inv.arguments.at(0); }

    int fileProblem(const QString& text) { return refuse(ExitCode::FileProblem, text); }

    int refuse(ExitCode c, const QString& text)
    {
        report::error(address(), text);
        if (m_inv.json) {
            WriteResult failed;
            failed.error = text;
            TerminalLine line = report::writeResultLine(address(), failed);
            line.exit = c;
            line.with(QStringLiteral("problems"), QJsonArray()).print();
        }
        return code(c);
    }

    // The image restore starts from: the file's image, or its keys applied onto it. A file whose two
    // parts disagree is refused unless the user said which part wins.
    image::Outcome<QByteArray> restoredImage(const ConfigFile& file)
    {
        if (m_inv.keysWin) {
            const image::ApplyResult applied = image::applyProfile(file.image, file.readable);
            QStringList problems;
            for (const image::ProfileProblem& problem : applied.problems)
                problems.append(problem.text());
            if (!problems.isEmpty())
                return image::Failure{problems.join(QStringLiteral("; "))};
            warnOfTextLosses(file.readable);
            return applied.image;
        }
        const QList<image::KeyDisagreement> disagreements = image::keyDisagreements(file.image, file.readable);
        if (m_inv.imageWins || disagreements.isEmpty())
            return file.image;
        QStringList fields;
        for (const image::KeyDisagreement& d : disagreements)
            fields.append(d.text());
        return image::Failure{
            Cli::tr("as chaves do arquivo diferem da seção [Imagem] em %1: %2; diga qual parte "
                    "vale: --image (a imagem, byte a byte) ou --keys (as chaves aplicadas sobre a imagem, "
                    "como apply)")
                .arg(report::counted(disagreements.size(), Cli::tr("campo"), Cli::tr("campos")))
                .arg(fields.join(QStringLiteral("; ")))};
    }

    // A text the terminal will hold otherwise than given is written, and said.
    void warnOfTextLosses(const image::Profile& profile)
    {
        for (const image::TextLoss& loss : image::textLosses(profile))
            report::error(address(), Cli::tr("aviso: %1").arg(loss.text()));
    }

    void reportResult()
    {
        const WriteResult& r = m_job->result();
        problems::printFound(address(), *m_check);
        if (!r.error.isEmpty())
            report::error(address(), r.error);
        if (m_inv.json) {
            report::writeResultLine(address(), r)
                .with(QStringLiteral("problems"), problems::json(m_check->found))
                .print();
        } else if (!m_inv.quiet)
            report::out(report::writeResultText(address(), r));
        noteWhereBackupWent(r.backupPath);
        emit finished(code(exitCodeOf(r.failure)));
    }

    Invocation m_inv;
    WriteJob* m_job = nullptr;
    std::shared_ptr<problems::WriteCheck> m_check = std::make_shared<problems::WriteCheck>();
};

// logo ADDRESS LOGOFILE
class LogoRun final : public CommandRun
{
public:
    LogoRun(const Invocation& inv, QObject* parent)
        : CommandRun(parent), m_inv(inv), m_read(new TerminalRead(inv, inv.arguments.at(0), this))
    {
        connect(m_read, &TerminalRead::done, this, &LogoRun::send);
        connect(m_read, &TerminalRead::failed, this, &LogoRun::end);
        connect(&m_read->client(), &TerminalClient::answered, this,
                [this](TerminalClient::Request request, TerminalClient::Answer, const QByteArray&) {
                    if (request == TerminalClient::Request::Logo)
                        end(ExitCode::Success, {});
                });
        connect(&m_read->client(), &TerminalClient::failed, this,
                [this](TerminalClient::Request request, TerminalClient::Failure, const QString& text) {
                    if (request == TerminalClient::Request::Logo)
                        end(ExitCode::NoConnection, text);
                });
    }

    int run() override
    {
        const QString path = m_inv.arguments.at(1);
        const image::Outcome<void> read =
            QFileInfo(path).isFile() ? readLogoFile(path, m_logo) : image::Failure{Cli::tr("não é um arquivo")};
        if (!read) {
            const QString text = Cli::tr("%1: não foi possível ler o arquivo de logotipo: %2 (o arquivo tem 40 "
                                         "linhas de seis pares hexadecimais, como 00,1F,A0,FF,00,00)")
                                     .arg(path, read.failure().text);
            report::error(address(), text);
            if (m_inv.json)
                TerminalLine{address(), resultword::failed, text, ExitCode::FileProblem, {}}.print();
            return code(ExitCode::FileProblem);
        }
        m_read->start();
        return -1;
    }

private:
    const QString& address() const { return m_inv.arguments.at(0); }

    void send()
    {
        QByteArray workingCopy = m_read->image();
        workingCopy[1] = 'G';
        m_read->client().sendLogo(buildLogoFrame(workingCopy, m_logo));
    }

    void end(ExitCode c, const QString& error)
    {
        m_read->client().close();
        if (!error.isEmpty())
            report::error(address(), error);
        const bool sent = c == ExitCode::Success;
        if (m_inv.json) {
            TerminalLine{address(), sent ? resultword::sent : resultword::failed, error, c, {}}.print();
        } else if (!m_inv.quiet && sent) {
            report::out(Cli::tr("%1: logotipo enviado\n").arg(address()));
        }
        emit finished(code(c));
    }

    Invocation m_inv;
    TerminalRead* m_read;
    LogoData m_logo{};
};

} // namespace

WriteOptions writeOptionsOf(const Invocation& inv)
{
    WriteOptions options;
    options.password = inv.password;
    options.newPassword = inv.newPassword;
    options.dryRun = inv.dryRun;
    options.verify = !inv.noVerify;
    options.reboot = !inv.noReboot;
    options.backupFolder = inv.backupDir.isEmpty() ? defaultBackupFolder() : inv.backupDir;
    options.logPath = inv.logPath;
    options.connectTimeoutMs = inv.timeoutMs;
    options.replyTimeoutMs = inv.timeoutMs;
    return options;
}

CommandRun* makeStatusRun(const Invocation& inv, QObject* parent)
{
    return new StatusRun(inv, parent);
}

CommandRun* makeReadRun(const Invocation& inv, QObject* parent)
{
    return new ReadRun(inv, parent);
}

CommandRun* makeShowRun(const Invocation& inv, QObject* parent)
{
    return new ShowRun(inv, parent);
}

CommandRun* makeDiffRun(const Invocation& inv, QObject* parent)
{
    return new DiffRun(inv, parent);
}

CommandRun* makeWriteRun(const Invocation& inv, QObject* parent)
{
    return new WriteRun(inv, parent);
}

CommandRun* makeLogoRun(const Invocation& inv, QObject* parent)
{
    return new LogoRun(inv, parent);
}

#include "commands.moc"
