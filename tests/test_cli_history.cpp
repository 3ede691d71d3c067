// hxconfig-cli history: a terminal's backups in the order they were made, each with the fields that
// changed since the one before, whatever else the folder holds; an unreadable backup named and left
// out of the story.
#include "clifixtures.h"
#include "cliprocess.h"
#include "testprogram.h"

#include "files/configfile.h"
#include "image/layout.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace clifixtures;

namespace
{

const QString kMac = QStringLiteral("0050C2000001");

QByteArray withByte(QByteArray image, std::string_view control, char value)
{
    image[image::fieldOf(control)->first] = value;
    return image;
}

QByteArray backupReadAt(const QByteArray& image, const QString& readAt)
{
    return configFileBytes(image, {kMac, QDateTime::fromString(readAt, Qt::ISODate), QStringLiteral("10.0.0.9:23")});
}

} // namespace

class TestCliHistory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listsChangesOldestFirst_data();
    void listsChangesOldestFirst();
    void jsonChainsEachToTheOneBefore();
    void noBackupsAtAll_data();
    void noBackupsAtAll();

private:
    QString file(const QString& name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
};

void TestCliHistory::initTestCase()
{
    QVERIFY(m_folder.isValid());
    const QByteArray first = withText(withText(startImage(), "edMac", kMac.toLatin1()), "VIpLocal", "10.0.0.9");
    QByteArray byWindow = first;
    byWindow[1] = 'G';
    const QByteArray changed = withText(withByte(first, "cbBaud1", 4), "VIpLocal", "10.0.0.19");
    QByteArray reserved = changed;
    reserved[14] = char(0x55);
    // Written out of order: the names decide, not when the files were made.
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"0050C2000001_20260104-080000.ini", backupReadAt(reserved, QStringLiteral("2026-01-04T08:00:00Z"))},
        {"0050C2000001_20260101-080000-2.ini", backupReadAt(byWindow, QStringLiteral("2026-01-01T08:00:30Z"))},
        {"0050C2000001_20260101-080000.ini", backupReadAt(first, QStringLiteral("2026-01-01T08:00:00Z"))},
        {"0050C2000001_20260103-080000.ini", QByteArray("[Terminal]\r\nMAC=0050C2000001\r\n")},
        {"0050C2000001_20260102-080000.ini", backupReadAt(changed, QStringLiteral("2026-01-02T08:00:00Z"))},
        // Not this terminal's backups.
        {"0050C2000002_20260101-090000.ini", backupReadAt(reserved, QStringLiteral("2026-01-01T09:00:00Z"))},
        {"0050C2000001_notas.ini", backupReadAt(reserved, QStringLiteral("2026-01-01T09:00:00Z"))},
        {"0050C2000001_20260101-080000-1.ini", backupReadAt(reserved, QStringLiteral("2026-01-01T09:00:00Z"))},
        {"0050C2000001_20260105-080000.txt", backupReadAt(reserved, QStringLiteral("2026-01-01T09:00:00Z"))},
    };
    for (const auto& f : files)
        QVERIFY(!writeFile(file(QString::fromLatin1(f.name)), f.bytes).isEmpty());
}

void TestCliHistory::listsChangesOldestFirst_data()
{
    QTest::addColumn<QString>("mac");
    QTest::newRow("as the terminal shows it") << kMac;
    QTest::newRow("with colons, in small letters") << QStringLiteral("00:50:c2:00:00:01");
    QTest::newRow("with dashes") << QStringLiteral("00-50-C2-00-00-01");
}

void TestCliHistory::listsChangesOldestFirst()
{
    QFETCH(QString, mac);
    const CliResult run = runCli({QStringLiteral("history"), mac, QStringLiteral("--backup-dir"), m_folder.path()});
    QCOMPARE(run.outText(), QStringLiteral("%1  lido em 2026-01-01T08:00:00Z de 10.0.0.9:23\n"
                                           "  a primeira cópia\n"
                                           "%2  lido em 2026-01-01T08:00:30Z de 10.0.0.9:23\n"
                                           "  nenhum campo mudou\n"
                                           "%3  lido em 2026-01-02T08:00:00Z de 10.0.0.9:23\n"
                                           "  Seriais / Baud - Rate COM 1 [Seriais.BaudRate1]: 9600 -> 19200\n"
                                           "  Conexão / IP Local [Conexao.IPLocal]: 10.0.0.9 -> 10.0.0.19\n"
                                           "%4  lido em 2026-01-04T08:00:00Z de 10.0.0.9:23\n"
                                           "  Reservado (byte 14): alterado\n")
                                .arg(file(QStringLiteral("0050C2000001_20260101-080000.ini")),
                                     file(QStringLiteral("0050C2000001_20260101-080000-2.ini")),
                                     file(QStringLiteral("0050C2000001_20260102-080000.ini")),
                                     file(QStringLiteral("0050C2000001_20260104-080000.ini"))));
    QCOMPARE(run.err, QStringLiteral("hxconfig-cli: history: %1: Falta a seção [Imagem] com a imagem de 260 bytes.\n")
                          .arg(file(QStringLiteral("0050C2000001_20260103-080000.ini"))));
    QCOMPARE(run.exitCode, 6);
}

void TestCliHistory::jsonChainsEachToTheOneBefore()
{
    const CliResult run = runCli(
        {QStringLiteral("history"), kMac, QStringLiteral("--backup-dir"), m_folder.path(), QStringLiteral("--json")});
    QCOMPARE(run.exitCode, 6);
    QList<QJsonObject> lines;
    for (const QByteArray& line : run.out.split('\n')) {
        if (!line.isEmpty())
            lines.append(QJsonDocument::fromJson(line).object());
    }
    // The unreadable backup has its own line, in its place.
    QCOMPARE(lines.size(), 5);
    const QStringList names{
        QStringLiteral("0050C2000001_20260101-080000.ini"), QStringLiteral("0050C2000001_20260101-080000-2.ini"),
        QStringLiteral("0050C2000001_20260102-080000.ini"), QStringLiteral("0050C2000001_20260103-080000.ini"),
        QStringLiteral("0050C2000001_20260104-080000.ini")};
    const QStringList results{QStringLiteral("first"), QStringLiteral("same"), QStringLiteral("changed"),
                              QStringLiteral("failed"), QStringLiteral("changed")};
    const QStringList previous{QString(), file(names.at(0)), file(names.at(1)), QString(), file(names.at(2))};
    for (int i = 0; i < 5; ++i) {
        const QJsonObject& line = lines.at(i);
        QCOMPARE(line.value(QStringLiteral("result")).toString(), results.at(i));
        QCOMPARE(line.value(QStringLiteral("file")).toString(), file(names.at(i)));
        QCOMPARE(line.value(QStringLiteral("mac")).toString(), kMac);
        if (i == 3)
            continue;
        QCOMPARE(line.value(QStringLiteral("previous")).toString(), previous.at(i));
        QCOMPARE(line.value(QStringLiteral("address")).toString(), QStringLiteral("10.0.0.9:23"));
        QCOMPARE(line.value(QStringLiteral("error")).toString(), QString());
        QCOMPARE(line.value(QStringLiteral("exit")).toInt(), 0);
    }
    QCOMPARE(
        lines.at(3),
        QJsonObject({{QStringLiteral("address"), QString()},
                     {QStringLiteral("result"), QStringLiteral("failed")},
                     {QStringLiteral("error"),
                      QStringLiteral("%1: Falta a seção [Imagem] com a imagem de 260 bytes.").arg(file(names.at(3)))},
                     {QStringLiteral("exit"), 6},
                     {QStringLiteral("mac"), kMac},
                     {QStringLiteral("file"), file(names.at(3))}}));
    // The fixed keys first, in their order.
    QVERIFY(run.out.startsWith(
        QStringLiteral(
            "{\"address\":\"10.0.0.9:23\",\"result\":\"first\",\"error\":\"\",\"exit\":0,\"mac\":\"%1\",\"file\":")
            .arg(kMac)
            .toUtf8()));
    QCOMPARE(lines.at(1).value(QStringLiteral("read_at")).toString(), QStringLiteral("2026-01-01T08:00:30Z"));
    QCOMPARE(lines.at(1).value(QStringLiteral("changes")).toArray(), QJsonArray());
    QCOMPARE(lines.at(4).value(QStringLiteral("changes")).toArray().size(), 1);
    QCOMPARE(lines.at(2).value(QStringLiteral("changes")).toArray(),
             QJsonArray({QJsonObject{{QStringLiteral("section"), QStringLiteral("Seriais")},
                                     {QStringLiteral("key"), QStringLiteral("BaudRate1")},
                                     {QStringLiteral("page"), QStringLiteral("Seriais")},
                                     {QStringLiteral("caption"), QStringLiteral("Baud - Rate COM 1")},
                                     {QStringLiteral("from"), QStringLiteral("9600")},
                                     {QStringLiteral("to"), QStringLiteral("19200")}},
                         QJsonObject{{QStringLiteral("section"), QStringLiteral("Conexao")},
                                     {QStringLiteral("key"), QStringLiteral("IPLocal")},
                                     {QStringLiteral("page"), QStringLiteral("Conexão")},
                                     {QStringLiteral("caption"), QStringLiteral("IP Local")},
                                     {QStringLiteral("from"), QStringLiteral("10.0.0.9")},
                                     {QStringLiteral("to"), QStringLiteral("10.0.0.19")}}}));
}

void TestCliHistory::noBackupsAtAll_data()
{
    QTest::addColumn<QString>("mac");
    QTest::addColumn<QString>("folder");
    QTest::newRow("another terminal") << QStringLiteral("0050C2000009") << QString();
    QTest::newRow("a folder that is not there") << kMac << QStringLiteral("/nao/existe");
}

void TestCliHistory::noBackupsAtAll()
{
    QFETCH(QString, mac);
    QFETCH(QString, folder);
    if (folder.isEmpty())
        folder = m_folder.path();
    const CliResult run = runCli({QStringLiteral("history"), mac, QStringLiteral("--backup-dir"), folder});
    QCOMPARE(run.err,
             QStringLiteral("hxconfig-cli: history: nenhuma cópia de segurança de %1 em %2\n").arg(mac, folder));
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(run.exitCode, 6);

    const CliResult json =
        runCli({QStringLiteral("history"), mac, QStringLiteral("--backup-dir"), folder, QStringLiteral("--json")});
    QCOMPARE(json.out, QStringLiteral("{\"address\":\"\",\"result\":\"failed\",\"error\":\"nenhuma cópia de segurança "
                                      "de %1 em %2\",\"exit\":6,\"mac\":\"%1\"}\n")
                           .arg(mac, folder)
                           .toUtf8());
    QCOMPARE(json.exitCode, 6);
}

HX_TEST_GUILESS_MAIN(TestCliHistory)
#include "test_cli_history.moc"
