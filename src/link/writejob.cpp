#include "link/writejob.h"

#include "files/backupfile.h"
#include "files/filewriter.h"
#include "image/cp1252.h"
#include "image/differences.h"
#include "image/imagerecord.h"
#include "image/layout.h"
#include "image/logrecord.h"
#include "image/readable.h"
#include "image/writeprep.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTimer>

namespace
{

QString captionsOf(const QList<image::FieldDifference>& differences)
{
    QStringList captions;
    for (const image::FieldDifference& d : differences)
        captions.append(d.caption);
    captions.removeDuplicates();
    return captions.join(QStringLiteral(", "));
}

} // namespace

QString outcomeName(WriteResult::Outcome outcome)
{
    switch (outcome) {
    case WriteResult::Outcome::Changed:
        return QStringLiteral("changed");
    case WriteResult::Outcome::Unchanged:
        return QStringLiteral("unchanged");
    case WriteResult::Outcome::DryRun:
        return QStringLiteral("dry-run");
    case WriteResult::Outcome::Failed:
        return QStringLiteral("failed");
    }
    return {};
}

WriteJob::WriteJob(WriteOptions options, WritePlanner planner, QObject* parent)
    : QObject(parent), m_options(std::move(options)), m_planner(std::move(planner)),
      m_reader(m_client, m_options.password)
{
    m_client.setConnectTimeout(m_options.connectTimeoutMs);
    m_client.setReplyTimeout(m_options.replyTimeoutMs);
}

QByteArray WriteJob::passwordAfterWrite(const QByteArray& image, const QByteArray& current)
{
    const image::Field& field = image::newPasswordField();
    QByteArray carried = image.mid(field.first, field.width - 1);
    const qsizetype zero = carried.indexOf('\0');
    if (zero >= 0)
        carried.truncate(zero);
    return carried.isEmpty() ? current : carried;
}

void WriteJob::start()
{
    m_step = Step::Reading;
    connect(&m_reader, &ReadJob::done, this, &WriteJob::takeRead);
    connect(&m_reader, &ReadJob::failed, this, &WriteJob::fail);
    m_reader.start(m_options.endpoint);
}

void WriteJob::takeRead()
{
    const QByteArray read = m_reader.image();
    m_result.readImage = read;
    m_result.readAt = m_reader.readAt();

    const WritePlan plan = m_planner(read);
    if (!plan.refusal.isEmpty()) {
        fail(FailureKind::RefusedBeforeWrite, plan.refusal);
        return;
    }
    const image::WritePreparation prepared = image::prepareWrite(plan.image, m_options.newPassword);
    if (!prepared.emptyFields.isEmpty()) {
        fail(FailureKind::RefusedBeforeWrite, QCoreApplication::translate("Link", "campos de texto vazios: %1")
                                                  .arg(prepared.emptyFields.join(QStringLiteral(", "))));
        return;
    }
    if (prepared.badNewPassword) {
        fail(FailureKind::RefusedBeforeWrite,
             QCoreApplication::translate("Link", "a nova senha deve ter exatamente 6 caracteres"));
        return;
    }
    QByteArray sent = prepared.image;
    sent[1] = 'G';
    m_result.sentImage = sent;
    // The same rule as the window's comparison: what the read only normalised is no change, and
    // when nothing a person reads changes, nothing is written.
    m_result.changes = image::changesSinceRead(read, sent);

    if (m_result.changes.isEmpty() && m_options.newPassword.isEmpty()) {
        succeed(WriteResult::Outcome::Unchanged);
        return;
    }
    if (m_options.dryRun) {
        succeed(WriteResult::Outcome::DryRun);
        return;
    }

    const TerminalInfo terminal{image::macText(read), m_result.readAt, m_client.address()};
    m_step = Step::SavingBackup;
    connect(&m_backup, &QFutureWatcher<SavedFile>::finished, this, &WriteJob::takeBackup);
    m_backup.setFuture(saveBackupInBackground(m_options.backupFolder, read, terminal, QDateTime::currentDateTime()));
}

void WriteJob::takeBackup()
{
    const SavedFile backup = m_backup.result();
    if (!backup.ok()) {
        fail(FailureKind::FileProblem,
             backup.failure().text + QCoreApplication::translate("Link", "; nada foi gravado no terminal"));
        return;
    }
    m_result.backupPath = *backup;
    m_passwordAfter = m_options.newPassword.isEmpty() ? passwordAfterWrite(m_result.sentImage, m_options.password)
                                                      : cp1252::encode(m_options.newPassword);

    connect(&m_client, &TerminalClient::answered, this, &WriteJob::takeAnswer);
    connect(&m_client, &TerminalClient::failed, this,
            [this](TerminalClient::Request, TerminalClient::Failure, const QString& text) {
                fail(FailureKind::NoConnection, text);
            });
    m_step = Step::Unlocking;
    m_client.requestUnlock(m_options.password);
}

void WriteJob::takeAnswer(TerminalClient::Request, TerminalClient::Answer answer, const QByteArray& image)
{
    using A = TerminalClient::Answer;
    switch (m_step) {
    case Step::Unlocking:
        if (answer != A::Unlocked)
            return fail(FailureKind::TerminalRefused, refusal::unlockRefused());
        m_step = Step::Writing;
        m_client.requestWrite(m_result.sentImage);
        return;
    case Step::Writing:
        appendLog();
        return afterWrite();
    case Step::Verifying:
        if (answer != A::Image)
            return fail(FailureKind::VerifyFailed,
                        QCoreApplication::translate(
                            "Link", "verificação falhou: o terminal recusou a leitura com a senha gravada"));
        return takeVerification(image);
    case Step::UnlockingForReboot:
        if (answer != A::Unlocked)
            return fail(FailureKind::TerminalRefused, refusal::unlockRefused());
        m_step = Step::Rebooting;
        return pauseThen(&WriteJob::reboot);
    case Step::Rebooting:
        if (answer != A::Rebooted)
            return fail(FailureKind::TerminalRefused, refusal::rebootRefused());
        return succeed(WriteResult::Outcome::Changed);
    case Step::Reading:
    case Step::SavingBackup:
    case Step::Done:
        return;
    }
}

void WriteJob::afterWrite()
{
    if (m_options.verify)
        pauseThen(&WriteJob::verify);
    else if (m_options.reboot)
        pauseThen(&WriteJob::unlockForReboot);
    else
        succeed(WriteResult::Outcome::Changed);
}

void WriteJob::verify()
{
    m_step = Step::Verifying;
    m_client.requestRead(m_passwordAfter);
}

void WriteJob::takeVerification(const QByteArray& image)
{
    if (!image::sameConfiguration(image, m_result.sentImage)) {
        const QString fields = captionsOf(image::differences(m_result.sentImage, image));
        fail(FailureKind::VerifyFailed,
             QCoreApplication::translate("Link",
                                         "verificação falhou: o terminal guarda outra configuração do que a enviada%1")
                 .arg(fields.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(fields)));
        return;
    }
    m_result.verified = true;
    if (m_options.reboot)
        unlockForReboot();
    else
        succeed(WriteResult::Outcome::Changed);
}

void WriteJob::unlockForReboot()
{
    m_step = Step::UnlockingForReboot;
    m_client.requestUnlock(m_passwordAfter);
}

void WriteJob::reboot()
{
    m_client.requestReboot();
}

void WriteJob::pauseThen(void (WriteJob::*next)())
{
    // Never shorter: the terminal needs the whole pause.
    QTimer::singleShot(kPauseMs, Qt::PreciseTimer, this, next);
}

void WriteJob::appendLog()
{
    if (m_options.logPath.isEmpty())
        return;
    const QByteArray record = image::logRecordOf(m_result.sentImage, QDateTime::currentDateTime(), QLocale::system());
    // Each record holds the terminal's login and password: a new log is its owner's only.
    const SavedFile appended = appendFile(m_options.logPath, record, FileAccess::OwnerOnly);
    if (!appended.ok())
        m_logError = appended.failure().text;
}

void WriteJob::succeed(WriteResult::Outcome outcome)
{
    m_result.outcome = outcome;
    m_result.failure = m_logError.isEmpty() ? FailureKind::None : FailureKind::FileProblem;
    m_result.error = m_logError;
    end();
}

void WriteJob::fail(FailureKind code, const QString& text)
{
    m_result.outcome = WriteResult::Outcome::Failed;
    m_result.failure = code;
    m_result.error =
        m_result.backupPath.isEmpty()
            ? text
            : QCoreApplication::translate("Link", "%1 (cópia de segurança: %2)").arg(text, m_result.backupPath);
    end();
}

void WriteJob::end()
{
    if (m_step == Step::Done)
        return;
    m_step = Step::Done;
    m_client.disconnect(this);
    m_client.close();
    emit finished();
}
