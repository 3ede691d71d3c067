// Every configuration the window reads is saved as a configuration file in "Backups" beside the
// settings file, as the reply arrived, without a box and without changing the read in any way;
// "Abrir Backups" opens that folder.
#include "fakesession.h"
#include "faketerminal.h"
#include "files/configfile.h"
#include "image/layout.h"
#include "imagebuilders.h"
#include "testprogram.h"
#include "windowfixture.h"
#include "windowprobes.h"
#include "writefailure.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace
{

const QString kBackupName = QStringLiteral("0050C2A1B2C3_20260102-030405.ini");

// The reply as the copies hold it: byte 1 'G'.
QByteArray asCopied(QByteArray reply)
{
    reply[1] = 'G';
    return reply.left(image::kImageSize);
}

int modeOf(const QString& path)
{
    struct stat info {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

QStringList backupFiles(WindowFixture& f)
{
    return QDir(f.w().backupFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Everything a read leaves behind that the user or a write could meet: what the editor shows,
// both copies, the command buttons, the status line and every box.
QStringList readOutcome(WindowFixture& f)
{
    QStringList out = f.editorState();
    out.append(f.buttons());
    out.append(f.status());
    out.append(f.dialogs.texts());
    out.append(f.w().loadingFlag() ? QStringLiteral("loading") : QStringLiteral("live"));
    return out;
}

QStringList texts(const QSignalSpy& spy)
{
    QStringList out;
    for (const QList<QVariant>& arguments : spy)
        out.append(arguments.value(0).toString());
    return out;
}

} // namespace

class TestGuiBackups : public QObject
{
    Q_OBJECT

private slots:
    void readLeavesABackupOfTheReply();
    void backupsOfOneSecondKeepEachOther();
    void failedBackupLeavesTheReadAsItIs_data();
    void failedBackupLeavesTheReadAsItIs();
    void abrirBackupsOpensTheFolder();
};

void TestGuiBackups::readLeavesABackupOfTheReply()
{
    FakeTerminal terminal;
    WindowFixture f;
    f.create().setClock([] { return kReadTime; });
    QCOMPARE(backupLine(f)->text(), QString());
    // A reply longer than the image: the copies, and the backup, take its first 260 bytes.
    const QByteArray reply = richImage() + QByteArray(40, '\x55');
    QVERIFY(fakesession::read(f, terminal, reply));

    QCOMPARE(backupFiles(f), QStringList{kBackupName});
    const QString path = QDir(f.w().backupFolder()).filePath(kBackupName);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const auto parsed = parseConfigFile(file.readAll());
    QVERIFY(parsed.ok());
    const ConfigFile& backup = parsed.value();
    QCOMPARE(backup.image, asCopied(reply));
    QCOMPARE(backup.terminal.mac, QStringLiteral("0050C2A1B2C3"));
    QCOMPARE(backup.terminal.address, terminal.address());
    QCOMPARE(backup.terminal.readAt, kReadTime);
    // It holds the terminal's passwords: for its owner only, in a folder for its owner only.
    QCOMPARE(modeOf(path), 0600);
    QCOMPARE(modeOf(f.w().backupFolder()), 0700);
    QCOMPARE(f.w().backupFolder(), f.settingsDir() + QStringLiteral("Backups"));

    // The strip says so on its own line; the status line says what it says after any read.
    QCOMPARE(backupLine(f)->text(), QStringLiteral("Backup: ") + kBackupName);
    QCOMPARE(spoken(backupLine(f)), QStringLiteral("Backup: ") + kBackupName);
    QCOMPARE(f.status(), QStringLiteral("Retorno de Leitura"));
    QCOMPARE(f.dialogs.shown.size(), 0);
}

void TestGuiBackups::backupsOfOneSecondKeepEachOther()
{
    FakeTerminal terminal;
    WindowFixture f;
    f.create().setClock([] { return kReadTime; });
    QByteArray first = richImage();
    QVERIFY(fakesession::read(f, terminal, first));
    // The terminal changes between two reads of the same second; a reply may also come unasked.
    QByteArray second = first;
    second[41] = '9';
    terminal.send(second);
    QVERIFY(QTest::qWaitFor([&f] { return backupFiles(f).size() == 2; }, 5000));
    const QString secondName = QStringLiteral("0050C2A1B2C3_20260102-030405-2.ini");
    QCOMPARE(backupFiles(f), (QStringList{secondName, kBackupName})); // by name: '-' before '.'

    QCOMPARE(backupLine(f)->text(), QStringLiteral("Backup: ") + secondName);
    const auto image = [&f](const QString& name) {
        QFile file(QDir(f.w().backupFolder()).filePath(name));
        return file.open(QIODevice::ReadOnly) ? parseConfigFile(file.readAll()).value().image : QByteArray();
    };
    QCOMPARE(image(kBackupName), asCopied(first));
    QCOMPARE(image(secondName), asCopied(second));
}

void TestGuiBackups::failedBackupLeavesTheReadAsItIs_data()
{
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::newRow("read-only folder") << true;
    QTest::newRow("a file named Backups") << false;
}

void TestGuiBackups::failedBackupLeavesTheReadAsItIs()
{
    QFETCH(bool, readOnlyFolder);
    // The same read twice, in two windows: the second cannot save its backup.
    FakeTerminal saved, refused;
    WindowFixture good, bad;
    for (WindowFixture* f : {&good, &bad})
        f->create().setClock([] { return kReadTime; });
    QSignalSpy goodStatus(&good.w(), &TfmVarnel::statusShown);
    QSignalSpy badStatus(&bad.w(), &TfmVarnel::statusShown);
    QVERIFY(fakesession::read(good, saved, richImage()));

    // Connected first: the address history is written at the connect.
    QVERIFY(fakesession::connect(bad, refused));
    std::unique_ptr<writefailure::ReadOnlyDirectory> guard;
    if (readOnlyFolder) {
        // Reachable by the unprivileged user the guard switches to when the tests run as root (who
        // keeps root's group).
        QVERIFY(QFile::setPermissions(bad.tempDir(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                         QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                                         QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                         QFileDevice::ExeOther));
        QVERIFY(QDir().mkdir(bad.w().backupFolder()));
        guard = std::make_unique<writefailure::ReadOnlyDirectory>(bad.w().backupFolder());
        if (!guard->active())
            QSKIP("cannot make the backups folder read-only here");
    } else {
        bad.writeFile(QStringLiteral("Backups"), "not a folder");
    }
    const bool read = fakesession::readNow(bad, refused, richImage());
    guard.reset();
    QVERIFY(read);

    QCOMPARE(readOutcome(bad), readOutcome(good));
    QCOMPARE(texts(badStatus), texts(goodStatus)); // every text the status line was given, in order
    QCOMPARE(bad.dialogs.shown.size(), 0);
    const QString failure = backupLine(bad)->accessibleName();
    QVERIFY2(failure.startsWith(QStringLiteral("Backup falhou: ")), qPrintable(failure));
    QVERIFY2(failure.contains(bad.w().backupFolder()), qPrintable(failure)); // where it failed
    // Why, in the tool's own words rather than the system's English.
    // As root the guard writes as another user, to whom the folder is someone else's and refused.
    const QString reason = !readOnlyFolder ? QStringLiteral("já existe um arquivo com esse nome")
                           : ::geteuid() == 0
                               ? QStringLiteral("pertence a outro usuário; use uma pasta sua (por exemplo, crie uma "
                                                "nova com mkdir -m 700)")
                               : QStringLiteral("sem permissão");
    QVERIFY2(failure.endsWith(reason), qPrintable(failure));
    QCOMPARE(spoken(backupLine(bad)), failure);
    QCOMPARE(backupLine(bad)->toolTip(), failure);
    // The strip shows the text whole or shortened in its middle, never cut at an end.
    const QString shown = backupLine(bad)->text();
    QVERIFY2(shown.startsWith(QStringLiteral("Backup falhou: ")), qPrintable(shown));
    QVERIFY2(shown == failure || shown.contains(QChar(0x2026)), qPrintable(shown));
    QVERIFY(backupLine(bad)->fontMetrics().horizontalAdvance(shown) <= backupLine(bad)->width());
    if (readOnlyFolder)
        QCOMPARE(backupFiles(bad), QStringList());
    QCOMPARE(backupFiles(good), QStringList{kBackupName});
}

void TestGuiBackups::abrirBackupsOpensTheFolder()
{
    FakeTerminal terminal;
    WindowFixture f;
    f.create();
    auto* item = f.find<QAction>("AbrirBackups1");
    QVERIFY(item->isEnabled());
    item->trigger();
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown.first().kind, QStringLiteral("message"));
    QCOMPARE(f.dialogs.shown.first().caption, QStringLiteral("Aviso"));
    QCOMPARE(f.dialogs.shown.first().text, QStringLiteral("Pasta Backups não localizada!"));
    QCOMPARE(f.dialogs.shown.first().icon, Dialogs::Icon::Warning);

    QVERIFY(fakesession::read(f, terminal, richImage()));
    f.dialogs.clear();
    item->trigger();
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.lastProgram, QStringLiteral("xdg-open"));
    QCOMPARE(f.dialogs.lastArguments, QStringList{f.settingsDir() + QStringLiteral("Backups/")});
}

HX_TEST_MAIN(TestGuiBackups)
#include "test_gui_backups.moc"
