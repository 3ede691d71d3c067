// The "Arquivo" menu: the program directory and LogCfg.txt opened in other programs, and the log
// viewer request.
#include "editorinput.h"
#include "imagebuilders.h"
#include "testprogram.h"
#include "windowfixture.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

namespace
{

const QString kNotFound = QStringLiteral("Arquivo LogCfg.txt não localizado!");

// The current directory somewhere else for one scope.
class CurrentDirectory final
{
public:
    explicit CurrentDirectory(const QString& dir) : m_old(QDir::currentPath()) { QDir::setCurrent(dir); }
    ~CurrentDirectory() { QDir::setCurrent(m_old); }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    QString m_old;
};

QAction* action(WindowFixture& f, const char* name)
{
    return f.find<QAction>(name);
}

int started(const WindowFixture& f)
{
    int count = 0;
    for (const auto& shown : f.dialogs.shown)
        count += shown.kind == QLatin1String("start") ? 1 : 0;
    return count;
}

void checkNotFoundBox(WindowFixture& f)
{
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0].kind, QStringLiteral("message"));
    QCOMPARE(f.dialogs.shown[0].caption, QStringLiteral("Aviso"));
    QCOMPARE(f.dialogs.shown[0].text, kNotFound);
    QCOMPARE(f.dialogs.shown[0].icon, Dialogs::Icon::Warning);
}

} // namespace

class TestGuiFileMenu : public QObject
{
    Q_OBJECT

private slots:
    void menuItems();
    void logWithoutFileWarns();
    void logOpensTheWrittenFile();
    void directoryOpensProgramDirectory();
    void settingsDirectoryNotCurrentDirectory();
    void viewerRequest();
};

void TestGuiFileMenu::menuItems()
{
    WindowFixture f;
    f.create();
    auto* menu = f.find<QMenu>("Arquivo1");
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("Arquivo"));
    QCOMPARE(f.w().menuBar()->actions(), QList<QAction*>{menu->menuAction()});
    const QList<QAction*> items = menu->actions();
    QVERIFY(items.size() >= 3); // the safety-net items follow them (test_gui_safetynet)
    const QStringList names = {QStringLiteral("Diretrio1"), QStringLiteral("Log1"), QStringLiteral("VisualizarLog1")};
    const QStringList captions = {QStringLiteral("Diretório"), QStringLiteral("Log"), QStringLiteral("Visualizar Log")};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(items[i]->objectName(), names[i]);
        QCOMPARE(items[i]->text(), captions[i]);
        QVERIFY2(!items[i]->icon().isNull(), qPrintable(names[i]));
        QVERIFY(items[i]->isEnabled());
    }
}

void TestGuiFileMenu::logWithoutFileWarns()
{
    WindowFixture f;
    f.create();
    action(f, "Log1")->trigger();
    checkNotFoundBox(f);
    QCOMPARE(started(f), 0);

    // A directory of that name is no file.
    f.dialogs.clear();
    QVERIFY(QDir(f.settingsDir()).mkdir(QStringLiteral("LogCfg.txt")));
    action(f, "Log1")->trigger();
    checkNotFoundBox(f);
    QCOMPARE(started(f), 0);
}

void TestGuiFileMenu::logOpensTheWrittenFile()
{
    WindowFixture f;
    f.create();
    feedRead(f, richImage());
    f.button("btnLog")->click();
    f.dialogs.clear();
    const QByteArray image = f.w().buffer().workingCopy();
    action(f, "Log1")->trigger();
    QCOMPARE(started(f), 1);
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.lastProgram, QStringLiteral("xdg-open"));
    const QString path = f.settingsDir() + QStringLiteral("LogCfg.txt");
    QCOMPARE(f.dialogs.lastArguments, QStringList{path});
    QVERIFY(QFileInfo(path).size() > 0); // the file "Log Conf." wrote
    QCOMPARE(f.w().buffer().workingCopy(), image);

    // An empty file is handed over all the same.
    QFile::resize(path, 0);
    action(f, "Log1")->trigger();
    QCOMPARE(started(f), 2);
}

void TestGuiFileMenu::directoryOpensProgramDirectory()
{
    WindowFixture f;
    f.create();
    const QString status = f.status();
    action(f, "Diretrio1")->trigger();
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.lastProgram, QStringLiteral("xdg-open"));
    QCOMPARE(f.dialogs.lastArguments, QStringList{f.settingsDir()});
    QVERIFY(f.settingsDir().endsWith(QLatin1Char('/')));
    QCOMPARE(f.status(), status);
}

void TestGuiFileMenu::settingsDirectoryNotCurrentDirectory()
{
    WindowFixture f;
    f.create();
    QTemporaryDir elsewhere;
    QFile log(elsewhere.filePath(QStringLiteral("LogCfg.txt")));
    QVERIFY(log.open(QIODevice::WriteOnly));
    log.close();
    CurrentDirectory current(elsewhere.path());

    action(f, "Log1")->trigger(); // the file in the current directory does not count
    checkNotFoundBox(f);
    QCOMPARE(started(f), 0);
    f.dialogs.clear();
    action(f, "Diretrio1")->trigger();
    QCOMPARE(f.dialogs.lastArguments, QStringList{f.settingsDir()});

    feedRead(f, richImage());
    f.button("btnLog")->click();
    QVERIFY(QFile::exists(f.path(QStringLiteral("LogCfg.txt"))));
    QCOMPARE(QFileInfo(log.fileName()).size(), 0); // written in the program directory only
    action(f, "Log1")->trigger();
    QCOMPARE(f.dialogs.lastArguments, QStringList{f.path(QStringLiteral("LogCfg.txt"))});
}

void TestGuiFileMenu::viewerRequest()
{
    WindowFixture f;
    f.create();
    QSignalSpy spy(&f.w(), &TfmVarnel::logViewerRequested);
    action(f, "VisualizarLog1")->trigger();
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), f.settingsDir() + QStringLiteral("LogCfg.txt"));
    QVERIFY(f.dialogs.shown.isEmpty());
}

HX_TEST_MAIN(TestGuiFileMenu)
#include "test_gui_filemenu.moc"
