// The window of an installed program, started the way the program starts it: on the user's own
// folder that the start-up prepared, with nothing written beside the program.
#include "files/tooldirectory.h"
#include "testprogram.h"
#include "windowfixture.h"
#include "writefailure.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace
{

// A program directory that refuses files, the user's home and the administrator's default.
struct Installation {
    QTemporaryDir temp;
    QString program = temp.filePath(u"usr/bin/"_s);
    QString admin = temp.filePath(u"ConfDefault.ini"_s);

    Installation()
    {
        QDir().mkpath(program);
        QFile file(admin);
        if (file.open(QIODevice::WriteOnly))
            file.write("; padr\xE3o\r\n[HXConfig]\r\nListBox=1\r\n1=10.1.1.1\r\n[Arquivo]\r\nCaminho=/root/logo.txt\r\n"
                       "[Rede]\r\nTimeOutRede=1000\r\n");
    }

    tooldir::Surroundings surroundings() const
    {
        tooldir::Surroundings where;
        where.programDir = program;
        where.installedBinDir = program;
        where.home = temp.filePath(u"home"_s);
        where.adminDefault = admin;
        where.writable = [](const QString&) { return true; };
        return where;
    }

    QStringList programDirEntries() const
    {
        return QDir(program).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

} // namespace

class TestGuiInstalled : public QObject
{
    Q_OBJECT

private slots:
    void firstStartShowsTheSeededHistory();
    void userFolderThatCannotBeCreated();
};

void TestGuiInstalled::firstStartShowsTheSeededHistory()
{
    Installation installed;
    const tooldir::ToolDirectory folder = tooldir::prepare(installed.surroundings(), [] { return u"192.168.7.15"_s; });
    QCOMPARE(folder.path, installed.temp.filePath(u"home/.config/hxconfig/"_s));

    WindowFixture f;
    f.setSettingsDir(folder.path);
    f.localAddresses = u"10.99.0.1"_s; // the window must not seed a second time
    f.create();
    QCOMPARE(f.combo("IpTerm")->count(), 1);
    QCOMPARE(f.combo("IpTerm")->currentText(), u"192.168.7.100"_s);
    QCOMPARE(f.find<QLabel>("lbCaminho")->text(), u"C:\\"_s); // the administrator's logo path is not copied
    QVERIFY(f.dialogs.shown.isEmpty());
    const QString tip = f.button("BtDefault")->toolTip();
    QVERIFY2(tip.endsWith(u"Local do Arquivo INI: "_s + folder.path + u"ConfDefault.ini"_s), qPrintable(tip));

    f.find<QAction>("Diretrio1")->trigger();
    QCOMPARE(f.dialogs.lastArguments, QStringList{folder.path});
    f.w().btAbrirArquivoClick();
    QCOMPARE(f.dialogs.lastFolder, folder.path);
    QVERIFY(installed.programDirEntries().isEmpty());
}

void TestGuiInstalled::userFolderThatCannotBeCreated()
{
    Installation installed;
    tooldir::Surroundings where = installed.surroundings();
    where.configHome = writefailure::pathUnderFile(installed.temp.path(), u"config"_s);
    const tooldir::ToolDirectory folder = tooldir::prepare(where, [] { return u"192.168.7.15"_s; });

    WindowFixture f;
    f.setSettingsDir(folder.path);
    f.create();
    // The first start's write fails where the settings belong, and the box names that folder.
    QCOMPARE(f.dialogs.texts(), QStringList{u"Erro ao escrever no arquivo de configuração em:\r"_s + folder.path});
    QCOMPARE(f.combo("IpTerm")->count(), 0);
    QVERIFY(installed.programDirEntries().isEmpty());
}

HX_TEST_MAIN(TestGuiInstalled)
#include "test_gui_installed.moc"
