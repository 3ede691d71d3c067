// The one writer of every file the tool writes: a full disk leaves the old file as it was and no
// temporary file behind, a planted link is never written through, a backup folder others could
// change is refused, and new files get the modes they promise.
#include "fulldisk.h"
#include "testprogram.h"
#include "umask.h"

#include "files/backupfile.h"
#include "files/filewriter.h"
#include "files/inifile.h"
#include "image/layout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace
{

const QDateTime kWhen(QDate(2026, 3, 4), QTime(5, 6, 7));

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool wroteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

int modeOf(const QString& path)
{
    struct stat status {
    };
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

// A terminal's image with its MAC, so that the backup's name is known.
QByteArray imageWithMac()
{
    QByteArray image(image::kImageSize, '\0');
    image[0] = 0x02;
    image[1] = 'F';
    const image::Field* mac = image::fieldOf("edMac");
    image.replace(mac->first, 12, "00A0B1C2D3E4");
    return image;
}

QString backupName()
{
    return backupFileName(imageWithMac(), kWhen);
}

// Sets the umask for the scope.
// One page of text: a file that fills its pages whole, so that a full disk has no room left in it.
const QByteArray kOldContent = QByteArray(4096, 'o');

using Writer = std::function<SavedFile(const QString& folder)>;

// What a failed save says, for a failed check's message.
QString whyNot(const SavedFile& saved)
{
    return saved ? QString() : saved.failure().text;
}

} // namespace

Q_DECLARE_METATYPE(Writer)

class TestFileWriter : public QObject
{
    Q_OBJECT

private slots:
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void fullDiskSettingsFileStaysAsItWas();
    void backupTakesTheNextNameBesideAPlantedLink_data();
    void backupTakesTheNextNameBesideAPlantedLink();
    void unsafeBackupFolderIsRefused_data();
    void unsafeBackupFolderIsRefused();
    void missingBackupFolderIsMadeForItsOwner();
    void linkAtANamedFileIsRefused_data();
    void linkAtANamedFileIsRefused();
    void notARegularFileIsRefusedAtOnce_data();
    void notARegularFileIsRefusedAtOnce();
    void modesOfNewAndReplacedFiles_data();
    void modesOfNewAndReplacedFiles();
    void appendsAddRecordsAndWarnWhenOthersMayRead();
};

void TestFileWriter::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<Writer>("write");
    QTest::addColumn<QString>("failure"); // the text up to the reason; FOLDER stands for the folder

    const QByteArray fresh(9000, 'n');
    QTest::newRow("owner-only file") << Writer([fresh](const QString& folder) {
        return savePrivateFile(folder + QStringLiteral("/file"), fresh);
    }) << QStringLiteral("não foi possível gravar FOLDER/file: ");
    QTest::newRow("file keeping its mode") << Writer([fresh](const QString& folder) {
        return replaceFile(folder + QStringLiteral("/file"), fresh, FileAccess::AsBefore);
    }) << QStringLiteral("não foi possível gravar FOLDER/file: ");
    QTest::newRow("backup") << Writer([](const QString& folder) {
        return saveBackup(folder, imageWithMac(), {QStringLiteral("00A0B1C2D3E4"), kWhen, {}}, kWhen);
    }) << QStringLiteral("não foi possível gravar a cópia de segurança em FOLDER: ");
    QTest::newRow("append") << Writer([](const QString& folder) {
        return appendFile(folder + QStringLiteral("/file"), QByteArray(700, 'r'), FileAccess::OwnerOnly);
    }) << QStringLiteral("não foi possível acrescentar o registro em FOLDER/file: ");
}

void TestFileWriter::fullDiskKeepsTheOldFile()
{
    QFETCH(Writer, write);
    QFETCH(QString, failure);
    QTemporaryDir dir;
    FullDisk disk(dir.filePath(QStringLiteral("disk")));
    if (!disk.usable())
        QSKIP(qPrintable(disk.skipReason()));
    const QString folder = disk.folder();
    QVERIFY(wroteBytes(folder + QStringLiteral("/file"), kOldContent));
    ::chmod(QFile::encodeName(folder).constData(), 0700);
    const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    disk.engage();
    const SavedFile saved = write(folder);
    disk.release();

    QVERIFY(!saved.ok());
    const QString expected = failure.replace(QStringLiteral("FOLDER"), folder);
    QVERIFY2(saved.failure().text.startsWith(expected + QStringLiteral("disco cheio")),
             qPrintable(saved.failure().text));
    QCOMPARE(fileBytes(folder + QStringLiteral("/file")), kOldContent);
    // No temporary file and no empty backup stay behind.
    QStringList after = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    after.removeOne(QStringLiteral("filler"));
    QCOMPARE(after, before);
}

void TestFileWriter::fullDiskSettingsFileStaysAsItWas()
{
    QTemporaryDir dir;
    FullDisk disk(dir.filePath(QStringLiteral("disk")));
    if (!disk.usable())
        QSKIP(qPrintable(disk.skipReason()));
    const QString path = disk.folder() + QStringLiteral("/ConfDefault.ini");
    QByteArray old = "[IPs]\r\nIP0=10.0.0.1\r\n";
    old += QByteArray(4096 - old.size(), ';');
    QVERIFY(wroteBytes(path, old));
    IniFile ini(path);

    disk.engage();
    const bool written = ini.writeString(QStringLiteral("IPs"), QStringLiteral("IP1"), QString(5000, u'x')).ok();
    disk.release();

    QVERIFY(!written);
    QCOMPARE(fileBytes(path), old);
    QCOMPARE(ini.readString(QStringLiteral("IPs"), QStringLiteral("IP0"), {}), QStringLiteral("10.0.0.1"));
}

void TestFileWriter::backupTakesTheNextNameBesideAPlantedLink_data()
{
    QTest::addColumn<bool>("targetExists");
    QTest::newRow("dangling link") << false;
    QTest::newRow("link to another user's file") << true;
}

void TestFileWriter::backupTakesTheNextNameBesideAPlantedLink()
{
    QFETCH(bool, targetExists);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Backups"));
    const QString target = dir.filePath(QStringLiteral("elsewhere/victim.ini"));
    QVERIFY(QDir().mkpath(QFileInfo(target).absolutePath()));
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    if (targetExists)
        QVERIFY(wroteBytes(target, "theirs"));
    const QString planted = QDir(folder).filePath(backupName());
    QVERIFY(QFile::link(target, planted));

    const SavedFile saved = saveBackup(folder, imageWithMac(), {QStringLiteral("00A0B1C2D3E4"), kWhen, {}}, kWhen);

    QVERIFY2(saved.ok(), qPrintable(whyNot(saved)));
    QCOMPARE(*saved, QDir(folder).filePath(QStringLiteral("00A0B1C2D3E4_20260304-050607-2.ini")));
    QVERIFY(fileBytes(*saved).contains("[Imagem]"));
    QCOMPARE(modeOf(*saved), 0600);
    QVERIFY(QFileInfo(planted).isSymLink());
    QCOMPARE(QFileInfo::exists(target), targetExists);
    if (targetExists)
        QCOMPARE(fileBytes(target), QByteArray("theirs"));
}

void TestFileWriter::unsafeBackupFolderIsRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason"); // FOLDER stands for the folder
    QTest::newRow("open to all") << QStringLiteral("0777")
                                 << QStringLiteral("a pasta FOLDER pode ser alterada por outros usuários; restrinja-a "
                                                   "com chmod 700 FOLDER");
    QTest::newRow("group may write") << QStringLiteral("0770")
                                     << QStringLiteral("a pasta FOLDER pode ser alterada por outros usuários; "
                                                       "restrinja-a com chmod 700 FOLDER");
    QTest::newRow("link to a folder") << QStringLiteral("link")
                                      << QStringLiteral("a pasta FOLDER é um link simbólico; as cópias de segurança "
                                                        "não são gravadas através de links (indique a pasta de "
                                                        "destino)");
    QTest::newRow("another user's") << QStringLiteral("nobody")
                                    << QStringLiteral("a pasta FOLDER pertence a outro usuário; use uma pasta sua (por "
                                                      "exemplo, crie uma nova com mkdir -m 700)");
}

void TestFileWriter::unsafeBackupFolderIsRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real"));
    QVERIFY(QDir().mkdir(real));
    QString folder = real;
    const QByteArray native = QFile::encodeName(real);
    if (kind == QStringLiteral("0777")) {
        QCOMPARE(::chmod(native.constData(), 0777), 0);
    } else if (kind == QStringLiteral("0770")) {
        QCOMPARE(::chmod(native.constData(), 0770), 0);
    } else if (kind == QStringLiteral("link")) {
        QCOMPARE(::chmod(native.constData(), 0700), 0);
        folder = dir.filePath(QStringLiteral("Backups"));
        QVERIFY(QFile::link(real, folder));
    } else {
        if (::geteuid() != 0)
            QSKIP("giving a folder to another user needs root");
        QCOMPARE(::chmod(native.constData(), 0700), 0);
        QCOMPARE(::chown(native.constData(), 65534, 65534), 0);
    }

    const SavedFile saved = saveBackup(folder, imageWithMac(), {QStringLiteral("00A0B1C2D3E4"), kWhen, {}}, kWhen);

    QCOMPARE(saved.failure().text, reason.replace(QStringLiteral("FOLDER"), folder));
    QVERIFY(QDir(real).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

void TestFileWriter::missingBackupFolderIsMadeForItsOwner()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("new/Backups"));
    const Umask open(0);
    const SavedFile saved = saveBackup(folder, imageWithMac(), {QStringLiteral("00A0B1C2D3E4"), kWhen, {}}, kWhen);
    QVERIFY2(saved.ok(), qPrintable(whyNot(saved)));
    QCOMPARE(modeOf(folder), 0700);
    QCOMPARE(modeOf(*saved), 0600);
    QCOMPARE(*saved, QDir(folder).filePath(backupName()));
}

void TestFileWriter::linkAtANamedFileIsRefused_data()
{
    QTest::addColumn<bool>("append");
    QTest::addColumn<bool>("targetExists");
    QTest::newRow("replace through a link to a file") << false << true;
    QTest::newRow("replace through a dangling link") << false << false;
    QTest::newRow("append through a link to a file") << true << true;
    QTest::newRow("append through a dangling link") << true << false;
}

void TestFileWriter::linkAtANamedFileIsRefused()
{
    QFETCH(bool, append);
    QFETCH(bool, targetExists);
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target"));
    const QString path = dir.filePath(QStringLiteral("named.ini"));
    if (targetExists)
        QVERIFY(wroteBytes(target, "kept"));
    QVERIFY(QFile::link(target, path));

    const SavedFile saved = append ? appendFile(path, "new", FileAccess::OwnerOnly) : savePrivateFile(path, "new");

    const QString what = append ? QStringLiteral("não foi possível acrescentar o registro em")
                                : QStringLiteral("não foi possível gravar");
    QCOMPARE(saved.failure().text,
             QStringLiteral("%1 %2: é um link simbólico; nada foi gravado através dele (indique o "
                            "arquivo de destino)")
                 .arg(what, path));
    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(QFileInfo::exists(target), targetExists);
    if (targetExists)
        QCOMPARE(fileBytes(target), QByteArray("kept"));
}

void TestFileWriter::notARegularFileIsRefusedAtOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("append");
    QTest::newRow("append to a named pipe") << QStringLiteral("fifo") << true;
    QTest::newRow("replace a named pipe") << QStringLiteral("fifo") << false;
    QTest::newRow("append to a device") << QStringLiteral("device") << true;
    QTest::newRow("replace a folder") << QStringLiteral("folder") << false;
}

void TestFileWriter::notARegularFileIsRefusedAtOnce()
{
    QFETCH(QString, kind);
    QFETCH(bool, append);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("target"));
    QString reason = QStringLiteral("não é um arquivo comum");
    if (kind == QStringLiteral("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QStringLiteral("device")) {
        path = QStringLiteral("/dev/full");
    } else {
        QVERIFY(QDir().mkdir(path));
        reason = QStringLiteral("é uma pasta, não um arquivo");
    }
    const SavedFile saved = append ? appendFile(path, "x", FileAccess::OwnerOnly) : savePrivateFile(path, "x");
    const QString what = append ? QStringLiteral("não foi possível acrescentar o registro em")
                                : QStringLiteral("não foi possível gravar");
    QCOMPARE(saved.failure().text, QStringLiteral("%1 %2: %3").arg(what, path, reason));
    if (kind == QStringLiteral("folder"))
        QVERIFY(QDir(path).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void TestFileWriter::modesOfNewAndReplacedFiles_data()
{
    QTest::addColumn<int>("existingMode"); // -1: no file yet
    QTest::addColumn<int>("access");
    QTest::addColumn<bool>("append");
    QTest::addColumn<int>("expectedMode");
    const int ownerOnly = int(FileAccess::OwnerOnly);
    const int asBefore = int(FileAccess::AsBefore);
    QTest::newRow("new owner-only file") << -1 << ownerOnly << false << 0600;
    QTest::newRow("owner-only file replacing a readable one") << 0644 << ownerOnly << false << 0600;
    QTest::newRow("new ordinary file") << -1 << asBefore << false << 0666;
    QTest::newRow("ordinary file keeps its mode") << 0640 << asBefore << false << 0640;
    QTest::newRow("new owner-only log") << -1 << ownerOnly << true << 0600;
    QTest::newRow("existing log keeps its mode") << 0644 << ownerOnly << true << 0644;
}

void TestFileWriter::modesOfNewAndReplacedFiles()
{
    QFETCH(int, existingMode);
    QFETCH(int, access);
    QFETCH(bool, append);
    QFETCH(int, expectedMode);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("file"));
    if (existingMode >= 0) {
        QVERIFY(wroteBytes(path, "old\n"));
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(existingMode)), 0);
    }
    const Umask open(0);
    const SavedFile saved =
        append ? appendFile(path, "new\n", FileAccess(access)) : replaceFile(path, "new\n", FileAccess(access));
    QVERIFY2(saved.ok(), qPrintable(whyNot(saved)));
    QCOMPARE(modeOf(path), expectedMode);
    QCOMPARE(fileBytes(path), QByteArray(append && existingMode >= 0 ? "old\nnew\n" : "new\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("file")});
}

void TestFileWriter::appendsAddRecordsAndWarnWhenOthersMayRead()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.txt"));
    QVERIFY(appendFile(path, "one\r\n", FileAccess::OwnerOnly).ok());
    QVERIFY(appendFile(path, "two\r\n", FileAccess::OwnerOnly).ok());
    QCOMPARE(fileBytes(path), QByteArray("one\r\ntwo\r\n"));
    QCOMPARE(readableByOthersWarning(path), QString());
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    QCOMPARE(readableByOthersWarning(path),
             QStringLiteral("aviso: %1 pode ser lido por outros usuários e guarda o login e a senha dos terminais; "
                            "restrinja-o com chmod 600 %1")
                 .arg(path));
    QCOMPARE(readableByOthersWarning(dir.filePath(QStringLiteral("missing"))), QString());
}

HX_TEST_GUILESS_MAIN(TestFileWriter)
#include "test_filewriter.moc"
