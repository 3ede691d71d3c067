#pragma once

#include "files/backupfile.h"
#include "image/differences.h"
#include "link/endpoint.h"
#include "link/failurekind.h"
#include "link/readjob.h"
#include "link/terminalclient.h"

#include <QByteArray>
#include <QDateTime>
#include <QFutureWatcher>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

// What a write is told to do, besides the image it computes.
struct WriteOptions {
    Endpoint endpoint;
    QByteArray password;  // the terminal's current password, 1..6 bytes
    QString newPassword;  // empty: none; otherwise exactly 6 characters
    bool dryRun = false;  // read and report the differences, send nothing that changes the terminal
    bool verify = true;   // read back after the write and compare
    bool reboot = true;   // unlock and reboot after the write
    QString backupFolder; // where the image as read is saved before the write
    QString logPath;      // when set, the record of the written image is appended there
    int connectTimeoutMs = TerminalClient::kDefaultTimeoutMs;
    int replyTimeoutMs = TerminalClient::kDefaultTimeoutMs;
};

// The image to write, computed from the image as read; a refusal (Portuguese text) stops the job
// before anything is written.
struct WritePlan {
    QByteArray image;
    QString refusal;
};
using WritePlanner = std::function<WritePlan(const QByteArray& readImage)>;

struct WriteResult {
    enum class Outcome { Changed, Unchanged, DryRun, Failed };
    Outcome outcome = Outcome::Failed;
    FailureKind failure = FailureKind::NoConnection;
    QList<image::FieldDifference> changes; // from the image as read to the image sent
    QString backupPath;                    // empty when no backup was saved
    bool verified = false;                 // the terminal was read back and holds what was sent
    QString error;                         // Portuguese; empty on success
    QByteArray readImage;                  // as the terminal sent it (byte 1 'F'), empty if never read
    QByteArray sentImage;                  // the write frame (byte 1 'G'), empty if nothing was computed
    QDateTime readAt;
};

// "changed", "unchanged", "dry-run", "failed"
QString outcomeName(WriteResult::Outcome outcome);

// The write sequence for one terminal, the window's "Gravar" and its Yes path with a backup and a
// verification added:
//   connect; status 'S' 'O'; read; compute and prepare the new image; nothing changed and no new
//   password: "unchanged", nothing more is sent; otherwise save a backup of the image as read
//   (no backup, no write), unlock, write, on 'G' pause 1500 ms, read again with the password the
//   terminal now holds and compare (byte 1 aside), unlock, pause 1500 ms, reboot (the terminal
//   closing the connection is success, 'B' a refusal).
// Asynchronous: start() returns at once, finished() comes from the event loop. Many jobs can run
// on one thread.
class WriteJob final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WriteJob)

public:
    static constexpr int kPauseMs = 1500; // the terminal needs it after a write and before a reboot

    WriteJob(WriteOptions options, WritePlanner planner, QObject* parent = nullptr);

    void start();
    const WriteResult& result() const { return m_result; }
    const WriteOptions& options() const { return m_options; }

    // The password a terminal holds after taking `image`: the one the image carries in its
    // password bytes, or `current` when they are empty.
    static QByteArray passwordAfterWrite(const QByteArray& image, const QByteArray& current);

signals:
    void finished();

private:
    enum class Step { Reading, SavingBackup, Unlocking, Writing, Verifying, UnlockingForReboot, Rebooting, Done };

    void takeRead();
    void takeBackup();
    void takeAnswer(TerminalClient::Request request, TerminalClient::Answer answer, const QByteArray& image);
    void afterWrite();
    void verify();
    void takeVerification(const QByteArray& image);
    void unlockForReboot();
    void reboot();
    void pauseThen(void (WriteJob::*next)());
    void appendLog();
    void succeed(WriteResult::Outcome outcome);
    void fail(FailureKind code, const QString& text);
    void end();

    WriteOptions m_options;
    WritePlanner m_planner;
    TerminalClient m_client;
    ReadJob m_reader; // after the client: it goes first
    WriteResult m_result;
    Step m_step = Step::Reading;
    QByteArray m_passwordAfter;
    QFutureWatcher<SavedFile> m_backup;
    QString m_logError;
};
