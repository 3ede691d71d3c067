// The window on a really full disk: the backup of a read, "Log Conf.", "Exportar Configuração…"
// and the settings file each report their failure, never a success, and every file that was there
// stays byte for byte.
#include "fakesession.h"
#include "faketerminal.h"
#include "fulldisk.h"
#include "imagebuilders.h"
#include "testprogram.h"
#include "windowfixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

#include <sys/stat.h>

namespace
{

// Files that fill their pages whole, so that a full disk leaves no room in them either.
const QByteArray kOldLog(4096, 'L');
const QByteArray kOldExport(4096, 'E');

} // namespace

class TestGuiFullDisk : public QObject
{
    Q_OBJECT

private slots:
    void everyWriteOfTheWindowReportsTheFullDisk();
};

void TestGuiFullDisk::everyWriteOfTheWindowReportsTheFullDisk()
{
    FakeTerminal terminal;
    WindowFixture f;
    FullDisk disk(f.tempDir() + QStringLiteral("/program"));
    if (!disk.usable())
        QSKIP(qPrintable(disk.skipReason()));
    f.setSettingsDir(disk.folder() + u'/');
    f.create();
    // The address history is written at the connect, while there is room.
    QVERIFY(fakesession::connect(f, terminal));
    QVERIFY(QDir().mkdir(disk.folder() + QStringLiteral("/Backups"),
                         QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    f.writeFile(QStringLiteral("LogCfg.txt"), kOldLog);
    f.writeFile(QStringLiteral("exported.ini"), kOldExport);
    const QByteArray settings = f.readFile(QStringLiteral("ConfDefault.ini"));
    QVERIFY(!settings.isEmpty());
    const QString expectedReason =
        disk.mounted() ? QStringLiteral("disco cheio") : QStringLiteral("disco cheio (limite de tamanho de arquivo)");

    disk.engage();
    const bool read = fakesession::readNow(f, terminal, richImage());
    f.button("btnLog")->click();
    f.dialogs.saveChoices = {f.path(QStringLiteral("exported.ini"))};
    f.find<QAction>("ExportarConfiguracao1")->trigger();
    f.dialogs.fileChoices = {f.path(QStringLiteral("logo.txt"))};
    f.button("btAbrirArquivo")->click();
    disk.release();
    QVERIFY(read);

    // The backup: the read stands, the strip says it failed, where and why.
    const QString backupLine = f.find<QLabel>("lbBackup")->accessibleName();
    QCOMPARE(backupLine, QStringLiteral("Backup falhou: não foi possível gravar a cópia de segurança em %1: %2")
                             .arg(disk.folder() + QStringLiteral("/Backups"), expectedReason));
    QCOMPARE(QDir(disk.folder() + QStringLiteral("/Backups"))
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());

    const QStringList boxes = f.dialogs.texts();
    // "Log Conf.": the settings error box, the status line says it failed, no half record.
    QVERIFY2(boxes.contains(QStringLiteral("Erro ao escrever no arquivo de configuração em:\r") + f.settingsDir()),
             qPrintable(boxes.join(u'|')));
    QCOMPARE(f.readFile(QStringLiteral("LogCfg.txt")), kOldLog);
    // The export: its error box names the file and the reason; the old file stays.
    QVERIFY2(boxes.contains(QStringLiteral("Não foi possível exportar a configuração:\rnão foi possível gravar %1: %2")
                                .arg(f.path(QStringLiteral("exported.ini")), expectedReason)),
             qPrintable(boxes.join(u'|')));
    QCOMPARE(f.readFile(QStringLiteral("exported.ini")), kOldExport);
    // The settings file: the logo path is not remembered, the file is as it was, the label unchanged.
    QCOMPARE(boxes.count(QStringLiteral("Erro ao escrever no arquivo de configuração em:\r") + f.settingsDir()), 2);
    QCOMPARE(f.readFile(QStringLiteral("ConfDefault.ini")), settings);
    QVERIFY(f.find<QLabel>("lbCaminho")->text() != f.path(QStringLiteral("logo.txt")));

    // Nothing but the files that were there: no temporary file stays behind.
    QStringList left = QDir(disk.folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    left.removeOne(QStringLiteral("filler"));
    left.sort();
    QCOMPARE(left, (QStringList{QStringLiteral("Backups"), QStringLiteral("ConfDefault.ini"),
                                QStringLiteral("LogCfg.txt"), QStringLiteral("exported.ini")}));
}

HX_TEST_MAIN(TestGuiFullDisk)
#include "test_gui_fulldisk.moc"
