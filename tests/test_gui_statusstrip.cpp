// The backup line of the status strip: every text it shows is drawn whole, descenders included,
// also on a screen scaled to 150 % (this test runs a second time so), and a program that keeps
// its backups inside a CMake build tree says so there once, without a box.
#include "fakesession.h"
#include "faketerminal.h"
#include "imagebuilders.h"
#include "testprogram.h"
#include "windowfixture.h"
#include "windowprobes.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QTest>

namespace
{

enum class Situation { BackupSaved, BackupFailed, BuildTreeNotice };

// The rows and columns the label's glyphs cover, laid out as the label lays out its text: in its
// contents rectangle, by its alignment, one line on the font's baseline.
QRect inkOf(const QLabel* label)
{
    const QFontMetrics metrics = label->fontMetrics();
    const QRect line = metrics.boundingRect(label->contentsRect(), int(label->alignment()), label->text());
    const QRect glyphs = metrics.tightBoundingRect(label->text());
    return glyphs.translated(line.left(), line.top() + metrics.ascent());
}

} // namespace

class TestGuiStatusStrip : public QObject
{
    Q_OBJECT

private slots:
    void backupLineShowsItsTextWhole_data();
    void backupLineShowsItsTextWhole();
    void backupsInABuildTreeAreNamedOnce_data();
    void backupsInABuildTreeAreNamedOnce();
    void savedBackupTipSaysWhereItWent();
};

void TestGuiStatusStrip::backupLineShowsItsTextWhole_data()
{
    QTest::addColumn<Situation>("situation");
    QTest::addColumn<QString>("shownStart");
    QTest::newRow("saved") << Situation::BackupSaved << QStringLiteral("Backup: 0050C2A1B2C3_20260102-030405.ini");
    QTest::newRow("failed") << Situation::BackupFailed << QStringLiteral("Backup falhou: ");
    QTest::newRow("build tree") << Situation::BuildTreeNotice << QStringLiteral("Aviso: apagar a pasta de compilação");
}

void TestGuiStatusStrip::backupLineShowsItsTextWhole()
{
    QFETCH(Situation, situation);
    QFETCH(QString, shownStart);
    FakeTerminal terminal;
    WindowFixture f;
    if (situation == Situation::BackupFailed)
        f.writeFile(QStringLiteral("Backups"), "not a folder");
    if (situation == Situation::BuildTreeNotice)
        f.writeFile(QStringLiteral("CMakeCache.txt"), "CMAKE_BUILD_TYPE:STRING=Debug\n");
    f.create().setClock([] { return kReadTime; });
    if (situation != Situation::BuildTreeNotice)
        QVERIFY(fakesession::read(f, terminal, richImage()));

    QLabel* line = backupLine(f);
    QVERIFY2(line->text().startsWith(shownStart), qPrintable(line->text()));
    const QFontMetrics metrics = line->fontMetrics();
    const QRect room = line->contentsRect();
    // The font's whole height, ascent and descent, and then every glyph of this very text.
    QVERIFY2(metrics.height() <= room.height(),
             qPrintable(QStringLiteral("font %1 rows, line %2").arg(metrics.height()).arg(room.height())));
    const QRect ink = inkOf(line);
    QVERIFY2(ink.top() >= room.top() && ink.bottom() <= room.bottom(),
             qPrintable(QStringLiteral("glyph rows %1..%2, line rows %3..%4")
                            .arg(ink.top())
                            .arg(ink.bottom())
                            .arg(room.top())
                            .arg(room.bottom())));
    QVERIFY2(ink.left() >= room.left() && ink.right() <= room.right(), qPrintable(line->text()));
    // Not at the status text's expense: the two lines share no row.
    QVERIFY(!line->geometry().intersects(f.find<QLabel>("lbConectado")->geometry()));
}

void TestGuiStatusStrip::backupsInABuildTreeAreNamedOnce_data()
{
    QTest::addColumn<QString>("cacheFolder"); // under the temporary folder; empty: no build tree
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<bool>("warned");
    QTest::newRow("program in the build folder") << QStringLiteral("build") << QStringLiteral("build") << true;
    QTest::newRow("program below it") << QStringLiteral("build") << QStringLiteral("build/bin") << true;
    QTest::newRow("beside a build folder") << QStringLiteral("build") << QStringLiteral("portable") << false;
    QTest::newRow("no build folder") << QString() << QStringLiteral("portable") << false;
}

void TestGuiStatusStrip::backupsInABuildTreeAreNamedOnce()
{
    QFETCH(QString, cacheFolder);
    QFETCH(QString, programFolder);
    QFETCH(bool, warned);
    FakeTerminal terminal;
    WindowFixture f;
    const QDir temp(f.tempDir());
    QVERIFY(temp.mkpath(programFolder));
    if (!cacheFolder.isEmpty()) {
        QVERIFY(temp.mkpath(cacheFolder));
        QFile cache(temp.filePath(cacheFolder + QStringLiteral("/CMakeCache.txt")));
        QVERIFY(cache.open(QIODevice::WriteOnly));
    }
    f.setSettingsDir(temp.filePath(programFolder) + QLatin1Char('/'));
    f.create().setClock([] { return kReadTime; });

    QLabel* line = backupLine(f);
    const QString buildTree = temp.filePath(cacheFolder);
    if (warned) {
        // Short enough to be shown whole.
        QCOMPARE(line->text(), QStringLiteral("Aviso: apagar a pasta de compilação apaga os backups"));
        QCOMPARE(line->accessibleName(), line->text());
        // The tip says where the backups go, what deleting the build does, and the ways out.
        const QString tip = line->toolTip();
        QCOMPARE(tip, QStringLiteral("Os backups das leituras vão para %1, dentro da pasta de compilação %2: apagar "
                                     "essa pasta apaga também os backups.\nPara guardá-los em outro lugar, use o "
                                     "pacote instalado (backups em ~/.config/hxconfig/Backups) ou o hxconfig-cli "
                                     "com --backup-dir PASTA.")
                          .arg(f.w().backupFolder(), buildTree));
        QCOMPARE(line->accessibleDescription(), tip);
    } else {
        QCOMPARE(line->text(), QString());
        QCOMPARE(line->toolTip(), QString());
    }
    // Never a box, and the status line says what it always says.
    QCOMPARE(f.dialogs.shown.size(), 0);
    QCOMPARE(f.status(), QStringLiteral("Desconectado"));

    // The first read's backup takes the line; the warning does not come back with the next.
    QVERIFY(fakesession::read(f, terminal, richImage()));
    QCOMPARE(line->text(), QStringLiteral("Backup: 0050C2A1B2C3_20260102-030405.ini"));
    terminal.send(richImage()); // a reply may come unasked: a second backup
    QVERIFY(QTest::qWaitFor([&] { return line->text().endsWith(QStringLiteral("-2.ini")); }, 5000));
    QVERIFY(!line->toolTip().contains(QStringLiteral("compilação")));
    QCOMPARE(f.dialogs.shown.size(), 0);
}

void TestGuiStatusStrip::savedBackupTipSaysWhereItWent()
{
    FakeTerminal terminal;
    WindowFixture f;
    f.create().setClock([] { return kReadTime; });
    QVERIFY(fakesession::read(f, terminal, richImage()));
    const QString path = QDir(f.w().backupFolder()).filePath(QStringLiteral("0050C2A1B2C3_20260102-030405.ini"));
    QVERIFY(QFile::exists(path));
    QCOMPARE(backupLine(f)->toolTip(), QStringLiteral("Backup: ") + path);
    QCOMPARE(backupLine(f)->accessibleDescription(), QStringLiteral("Backup: ") + path);
}

HX_TEST_MAIN(TestGuiStatusStrip)
#include "test_gui_statusstrip.moc"
