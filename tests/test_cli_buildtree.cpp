// Backups that land inside a CMake build tree (the default of a program run from build/bin) go
// with `rm -rf build`: hxconfig-cli says so once on standard error, with the ways to keep them
// elsewhere, and its messages say where each backup went.
#include "clifixtures.h"
#include "cliscenario.h"
#include "testprogram.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace clifixtures;

namespace
{

const QString kWarning = QStringLiteral("aviso: esta pasta de cópias de segurança fica dentro da pasta de compilação");

QString warningFor(const QString& backupFolder, const QString& buildTree)
{
    return QStringLiteral("hxconfig-cli: %1: aviso: esta pasta de cópias de segurança fica dentro da pasta de "
                          "compilação %2, e apagar a compilação apaga também as cópias. Para guardá-las em outro "
                          "lugar, use --backup-dir PASTA ou instale o pacote (as cópias vão então para "
                          "~/.config/hxconfig/Backups).\n")
        .arg(backupFolder, buildTree);
}

} // namespace

class TestCliBuildTree : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void applyNamesABuildTreeOnce_data();
    void applyNamesABuildTreeOnce();
    void batchNamesItOnceForTheFleet();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // A build tree (a folder holding a CMakeCache.txt) under the test's folder.
    void makeBuildTree(const QString& name) const;
    // A copy of hxconfig-cli in that folder (created when missing): its default backups go beside it.
    QString programIn(const QString& folder) const;

    QTemporaryDir m_dir;
    QString m_profile;
};

void TestCliBuildTree::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_profile = writeFile(path(QStringLiteral("profile.ini")), "[Seriais]\r\nBaudRate1=19200\r\n");
    QVERIFY(!m_profile.isEmpty());
}

void TestCliBuildTree::makeBuildTree(const QString& name) const
{
    QVERIFY(QDir().mkpath(path(name)));
    QVERIFY(!writeFile(path(name + QStringLiteral("/CMakeCache.txt")), "CMAKE_BUILD_TYPE:STRING=Debug\n").isEmpty());
}

QString TestCliBuildTree::programIn(const QString& folder) const
{
    const QString program = path(folder + QStringLiteral("/hxconfig-cli"));
    if (!QFile::exists(program) &&
        (!QDir().mkpath(path(folder)) || !QFile::copy(QStringLiteral(HXCONFIG_CLI_PATH), program)))
        return {};
    return program;
}

void TestCliBuildTree::applyNamesABuildTreeOnce_data()
{
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("backupDir");    // empty: the default, Backups beside the program
    QTest::addColumn<QStringList>("options");  // beyond the profile and password
    QTest::addColumn<QString>("backupFolder"); // where the backup goes; empty: none is saved
    QTest::addColumn<QString>("buildTree");    // the tree the warning names; empty: no warning

    const QStringList quick = {QStringLiteral("--no-verify"), QStringLiteral("--no-reboot")};
    QTest::newRow("default folder in build/bin") << QStringLiteral("build/bin") << QString() << quick
                                                 << QStringLiteral("build/bin/Backups") << QStringLiteral("build");
    QTest::newRow("--backup-dir into a build tree")
        << QStringLiteral("portable") << QStringLiteral("other-build/keep/Backups") << quick
        << QStringLiteral("other-build/keep/Backups") << QStringLiteral("other-build");
    QTest::newRow("--backup-dir out of the build tree") << QStringLiteral("build/bin") << QStringLiteral("safe/Backups")
                                                        << quick << QStringLiteral("safe/Backups") << QString();
    QTest::newRow("no build tree") << QStringLiteral("portable") << QString() << quick
                                   << QStringLiteral("portable/Backups") << QString();
    QTest::newRow("dry run saves no backup") << QStringLiteral("build/bin") << QString()
                                             << QStringList{QStringLiteral("--dry-run")} << QString() << QString();
}

void TestCliBuildTree::applyNamesABuildTreeOnce()
{
    QFETCH(QString, programFolder);
    QFETCH(QString, backupDir);
    QFETCH(QStringList, options);
    QFETCH(QString, backupFolder);
    QFETCH(QString, buildTree);
    makeBuildTree(QStringLiteral("build"));
    makeBuildTree(QStringLiteral("other-build"));
    const QString program = programIn(programFolder);
    QVERIFY(!program.isEmpty());

    CliScenario run;
    QStringList arguments = {QStringLiteral("apply"), QStringLiteral("ADDRESS"), m_profile, kPasswordOption};
    if (!backupDir.isEmpty())
        arguments << QStringLiteral("--backup-dir") << path(backupDir);
    run.start(arguments + options, {}, program);
    QVERIFY(run.wait());
    QCOMPARE(run.cli->exitCode(), 0);

    const QString err = run.cli->errText();
    if (buildTree.isEmpty())
        QVERIFY2(!err.contains(kWarning), qPrintable(err));
    else
        QCOMPARE(err, warningFor(path(backupFolder), path(buildTree)));
    // The result names the backup's whole path.
    const QString backup = backupNamedIn(run.cli->outText());
    if (backupFolder.isEmpty()) {
        QCOMPARE(backup, QString());
    } else {
        QCOMPARE(QFileInfo(backup).absolutePath(), path(backupFolder));
        QVERIFY2(QFileInfo(backup).isFile(), qPrintable(backup));
    }
}

void TestCliBuildTree::batchNamesItOnceForTheFleet()
{
    FleetProcess fleet(3);
    QVERIFY2(fleet.isRunning(), qPrintable(fleet.errorOutput()));
    makeBuildTree(QStringLiteral("fleet-build"));
    const QString backups = path(QStringLiteral("fleet-build/Backups"));
    CliProcess run({QStringLiteral("batch"), fleet.fleetFile(), m_profile, QStringLiteral("--no-verify"),
                    QStringLiteral("--no-reboot"), QStringLiteral("--backup-dir"), backups});
    QVERIFY(run.wait());
    QCOMPARE(run.exitCode(), 0);
    QCOMPARE(QDir(backups).entryList(QDir::Files).size(), 3);
    QCOMPARE(run.errText().count(kWarning), 1);
    QVERIFY2(run.errText().contains(warningFor(backups, path(QStringLiteral("fleet-build")))),
             qPrintable(run.errText()));
}

HX_TEST_GUILESS_MAIN(TestCliBuildTree)
#include "test_cli_buildtree.moc"
