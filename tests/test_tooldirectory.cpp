// The tool's folder: portable beside the program, or installed in the user's configuration folder
// with the administrator's company default and the seeded address history on the first start.
#include "filebytes.h"
#include "files/inifile.h"
#include "files/tooldirectory.h"
#include "testprogram.h"

#include "writefailure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace
{

// The administrator's file: comments, Windows-1252 accents, the company sections and the two
// sections that belong to one user.
const QByteArray kAdminDefault = QByteArrayLiteral("; Padr\xE3o da empresa\r\n"
                                                   "[HXConfig]\r\n"
                                                   "ListBox=1\r\n"
                                                   "1=10.1.1.1\r\n"
                                                   "[Rede]\r\n"
                                                   "TimeOutRede=1000\r\n"
                                                   "[Arquivo]\r\n"
                                                   "Caminho=/home/admin/logo.txt\r\n"
                                                   "[Gerais]\r\n"
                                                   "; teclado da loja\r\n"
                                                   "Teclado=44 Num\xE9rico\r\n");
const QByteArray kCompanySections = QByteArrayLiteral("; Padr\xE3o da empresa\r\n"
                                                      "[Rede]\r\n"
                                                      "TimeOutRede=1000\r\n"
                                                      "[Gerais]\r\n"
                                                      "; teclado da loja\r\n"
                                                      "Teclado=44 Num\xE9rico\r\n");

QStringList namesIn(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestToolDirectory : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void portableWhenTheProgramDirectoryIsWritable();
    void portableWhenTheSettingsFileIsThere();
    void installedWhenTheProgramDirectoryRefuses_data();
    void installedWhenTheProgramDirectoryRefuses();
    void theInstalledProgramsFolderIsAlwaysInstalled();
    void firstStartCopiesTheCompanySectionsAndSeeds();
    void firstStartKeepsAUnicodeDefaultInItsForm();
    void laterStartKeepsTheUsersFile();
    void withoutAdminDefaultTheWindowSeeds();
    void unusableAdminDefaultIsNotCopied();
    void folderThatCannotBeCreated();
    void readOnlyProgramDirectoryStaysEmpty();

private:
    QString dir(const QString& name) const { return m_temp->filePath(name) + u'/'; }
    tooldir::Surroundings surroundings(bool programDirWritable) const;

    std::unique_ptr<QTemporaryDir> m_temp;
    QString m_program;
    QString m_home;
    QString m_admin;
};

void TestToolDirectory::init()
{
    m_temp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_temp->isValid());
    m_program = dir(u"bin"_s);
    m_home = dir(u"home"_s);
    m_admin = m_temp->filePath(u"etc/hxconfig/ConfDefault.ini"_s);
    QVERIFY(QDir().mkpath(m_program));
    QVERIFY(QDir().mkpath(m_home));
    QVERIFY(QDir().mkpath(QFileInfo(m_admin).path()));
}

tooldir::Surroundings TestToolDirectory::surroundings(bool programDirWritable) const
{
    tooldir::Surroundings where;
    where.programDir = m_program;
    where.installedBinDir = u"/usr/bin"_s;
    where.home = m_home;
    where.adminDefault = m_admin;
    where.writable = [programDirWritable, this](const QString& d) {
        // The rule asks about the program directory only.
        return d == m_program && programDirWritable;
    };
    return where;
}

void TestToolDirectory::portableWhenTheProgramDirectoryIsWritable()
{
    writeBytes(m_admin, kAdminDefault);
    const tooldir::ToolDirectory folder = tooldir::prepare(surroundings(true), [] { return u"192.168.0.15"_s; });
    QCOMPARE(folder.mode, tooldir::Mode::Portable);
    QCOMPARE(folder.path, m_program);
    QCOMPARE(folder.settingsPath(), m_program + u"ConfDefault.ini"_s);
    // Exactly today's behaviour: nothing is copied or seeded ahead of the window.
    QVERIFY(namesIn(m_program).isEmpty());
    QVERIFY(namesIn(m_home).isEmpty());
}

void TestToolDirectory::portableWhenTheSettingsFileIsThere()
{
    // A program on a write-protected stick, with its settings beside it.
    writeBytes(m_program + u"ConfDefault.ini"_s, "[Rede]\r\nNumRetries=03\r\n");
    tooldir::Surroundings where = surroundings(false);
    where.programDir.chop(1); // the separator is added when missing
    const tooldir::ToolDirectory folder = tooldir::prepare(where, {});
    QCOMPARE(folder.mode, tooldir::Mode::Portable);
    QCOMPARE(folder.path, m_program);
    QVERIFY(namesIn(m_home).isEmpty());
}

void TestToolDirectory::installedWhenTheProgramDirectoryRefuses_data()
{
    QTest::addColumn<QString>("configHome");
    QTest::addColumn<QString>("expected"); // relative to the temporary folder
    QTest::newRow("XDG_CONFIG_HOME unset") << QString() << u"home/.config/hxconfig/"_s;
    QTest::newRow("XDG_CONFIG_HOME set") << u"@/xdg"_s << u"xdg/hxconfig/"_s;
    QTest::newRow("XDG_CONFIG_HOME with separator") << u"@/xdg/"_s << u"xdg/hxconfig/"_s;
    QTest::newRow("relative XDG_CONFIG_HOME is ignored") << u"xdg"_s << u"home/.config/hxconfig/"_s;
}

void TestToolDirectory::installedWhenTheProgramDirectoryRefuses()
{
    QFETCH(QString, configHome);
    QFETCH(QString, expected);
    tooldir::Surroundings where = surroundings(false);
    where.configHome = configHome.replace(u'@', m_temp->path());
    const QString folderPath = m_temp->filePath(expected);

    const tooldir::ToolDirectory decided = tooldir::decide(where);
    QCOMPARE(decided.mode, tooldir::Mode::Installed);
    QCOMPARE(decided.path, folderPath);
    QVERIFY(!QFileInfo::exists(folderPath)); // deciding creates nothing

    const tooldir::ToolDirectory prepared = tooldir::prepare(where, {});
    QCOMPARE(prepared.path, folderPath);
    QVERIFY(QFileInfo(folderPath).isDir());
    QCOMPARE(QFileInfo(folderPath).permissions() & 0x7077, QFileDevice::Permissions(0x7000));
    QVERIFY(namesIn(m_program).isEmpty());
}

void TestToolDirectory::theInstalledProgramsFolderIsAlwaysInstalled()
{
    // Root may write into the installed programs' folder; it must stay free of settings all the same,
    // also when it is reached through a symbolic link or already holds a stray settings file.
    writeBytes(m_program + u"ConfDefault.ini"_s, "[Rede]\r\n");
    QVERIFY(QFile::link(QDir::cleanPath(m_program), m_temp->filePath(u"linked-bin"_s)));
    for (const QString& installed : {QDir::cleanPath(m_program), m_temp->filePath(u"linked-bin"_s)}) {
        tooldir::Surroundings where = surroundings(true);
        where.installedBinDir = installed;
        const tooldir::ToolDirectory folder = tooldir::decide(where);
        QCOMPARE(folder.mode, tooldir::Mode::Installed);
        QCOMPARE(folder.path, m_home + u".config/hxconfig/"_s);
    }
}

void TestToolDirectory::firstStartCopiesTheCompanySectionsAndSeeds()
{
    writeBytes(m_admin, kAdminDefault);
    QStringList lookups;
    const tooldir::ToolDirectory folder = tooldir::prepare(surroundings(false), [&lookups] {
        lookups.append(u"lookup"_s);
        return u"192.168.7.15\\10.0.0.5"_s;
    });
    QCOMPARE(folder.mode, tooldir::Mode::Installed);
    // The company sections byte for byte, then the history seeded as on the window's first start.
    QCOMPARE(readBytes(folder.settingsPath()),
             kCompanySections + "[HXConfig]\r\nListBox=2\r\n1=192.168.7.100\r\n2=10.0.0.100\r\n");
    QCOMPARE(lookups.size(), 1);
    QCOMPARE(namesIn(folder.path), QStringList{u"ConfDefault.ini"_s});
    QCOMPARE(readBytes(m_admin), kAdminDefault);
    QVERIFY(namesIn(m_program).isEmpty());

    // Without a network the copy stays as it is and the history starts empty.
    QVERIFY(QFile::remove(folder.settingsPath()));
    tooldir::prepare(surroundings(false), [] { return QString(); });
    QCOMPARE(readBytes(folder.settingsPath()), kCompanySections);
}

void TestToolDirectory::firstStartKeepsAUnicodeDefaultInItsForm()
{
    // Saved as "Unicode" by a Windows editor: UTF-16 little-endian with its mark.
    const QString text = u"[Arquivo]\r\nCaminho=C:\\logo.txt\r\n[Gerais]\r\nTeclado=44 Numérico\r\n"_s;
    QByteArray bytes("\xFF\xFE");
    bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    writeBytes(m_admin, bytes);
    const tooldir::ToolDirectory folder = tooldir::prepare(surroundings(false), [] { return u"10.2.3.4"_s; });

    const QByteArray copy = readBytes(folder.settingsPath());
    QVERIFY(copy.startsWith("\xFF\xFE"));
    const QString expected = u"[Gerais]\r\nTeclado=44 Numérico\r\n[HXConfig]\r\nListBox=1\r\n1=10.2.3.100\r\n"_s;
    QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t*>(copy.constData() + 2), (copy.size() - 2) / 2),
             expected);
}

void TestToolDirectory::laterStartKeepsTheUsersFile()
{
    writeBytes(m_admin, kAdminDefault);
    const tooldir::ToolDirectory folder = tooldir::prepare(surroundings(false), [] { return u"10.0.0.5"_s; });
    const QByteArray users = "[HXConfig]\r\n[Rede]\r\nTimeOutRede=3000\r\n";
    writeBytes(folder.settingsPath(), users);

    // The administrator changes the company default later: the user's file is the user's.
    writeBytes(m_admin, "[Rede]\r\nTimeOutRede=2000\r\n");
    tooldir::prepare(surroundings(false), [] { return u"10.0.0.5"_s; });
    QCOMPARE(readBytes(folder.settingsPath()), users);
}

void TestToolDirectory::withoutAdminDefaultTheWindowSeeds()
{
    bool looked = false;
    const tooldir::ToolDirectory folder = tooldir::prepare(surroundings(false), [&looked] {
        looked = true;
        return u"10.0.0.5"_s;
    });
    // The folder is there and empty: the window's first start creates the file and seeds it.
    QVERIFY(QFileInfo(folder.path).isDir());
    QVERIFY(namesIn(folder.path).isEmpty());
    QVERIFY(!looked);
}

void TestToolDirectory::unusableAdminDefaultIsNotCopied()
{
    // Not text (NUL bytes), and a folder in place of the file.
    writeBytes(m_admin, QByteArray("[Rede]\r\n\0\0\0", 11));
    tooldir::ToolDirectory folder = tooldir::prepare(surroundings(false), [] { return u"10.0.0.5"_s; });
    QVERIFY(namesIn(folder.path).isEmpty());

    QVERIFY(QFile::remove(m_admin));
    QVERIFY(QDir().mkpath(m_admin));
    folder = tooldir::prepare(surroundings(false), [] { return u"10.0.0.5"_s; });
    QVERIFY(namesIn(folder.path).isEmpty());
}

void TestToolDirectory::folderThatCannotBeCreated()
{
    writeBytes(m_admin, kAdminDefault);
    tooldir::Surroundings where = surroundings(false);
    // A configuration folder below a regular file: nothing can be created there, not even by root.
    where.configHome = writefailure::pathUnderFile(m_temp->path(), u"config"_s);
    const tooldir::ToolDirectory folder = tooldir::prepare(where, [] { return u"10.0.0.5"_s; });
    // The path is still the decided one; the window's first write reports the failure there.
    QCOMPARE(folder.mode, tooldir::Mode::Installed);
    QCOMPARE(folder.path, where.configHome + u"/hxconfig/"_s);
    QVERIFY(!QFileInfo::exists(folder.path));
    QVERIFY(namesIn(m_program).isEmpty());
}

void TestToolDirectory::readOnlyProgramDirectoryStaysEmpty()
{
    // The real permission check of the running process, as the effective user sees it.
    writeBytes(m_admin, kAdminDefault);
    // Reachable and writable for the unprivileged user the guard switches to when run as root.
    QVERIFY(QFile::setPermissions(m_temp->path(), QFile::Permissions(0x7755)));
    QVERIFY(QFile::setPermissions(m_home, QFile::Permissions(0x7777)));
    tooldir::Surroundings where = tooldir::fromSystem(m_program);
    where.installedBinDir = u"/usr/bin"_s;
    where.configHome.clear();
    where.home = QDir::cleanPath(m_home);
    where.adminDefault = m_admin;

    QCOMPARE(tooldir::decide(where).mode, tooldir::Mode::Portable); // writable as it is
    tooldir::ToolDirectory folder;
    {
        const writefailure::ReadOnlyDirectory readOnly(m_program);
        QVERIFY(readOnly.active());
        folder = tooldir::prepare(where, [] { return u"192.168.0.15"_s; });
    }
    QCOMPARE(folder.mode, tooldir::Mode::Installed);
    QVERIFY(namesIn(m_program).isEmpty());
    QCOMPARE(IniFile(folder.settingsPath()).readString(u"HXConfig"_s, u"1"_s, {}), u"192.168.0.100"_s);
    QCOMPARE(IniFile(folder.settingsPath()).readString(u"Rede"_s, u"TimeOutRede"_s, {}), u"1000"_s);
}

HX_TEST_GUILESS_MAIN(TestToolDirectory)
#include "test_tooldirectory.moc"
