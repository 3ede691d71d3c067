// The configuration file: its exact text, the round trip of image and terminal data, the
// readable keys that reproduce a configuration on another terminal, and the faults a reader names.
#include "files/configfile.h"
#include "files/inidocument.h"
#include "image/cp1252.h"
#include "image/readable.h"
#include "imagebuilders.h"
#include "imagegen.h"

#include <QTest>
#include <QTimeZone>

namespace
{

const TerminalInfo kTerminal{QStringLiteral("0050C2A1B2C3"),
                             QDateTime(QDate(2026, 3, 1), QTime(14, 5, 9), QTimeZone(-3 * 3600)),
                             QStringLiteral("192.168.0.50:23")};

ConfigFile parsed(const QByteArray& bytes)
{
    auto result = parseConfigFile(bytes);
    if (!result)
        qWarning("%s", qPrintable(result.failure().text));
    return result.value();
}

image::Failure failure(const QByteArray& bytes)
{
    auto result = parseConfigFile(bytes);
    return result ? image::Failure{QStringLiteral("accepted"), -1} : result.failure();
}

QList<QByteArray> linesOf(const QByteArray& bytes)
{
    return bytes.split('\n');
}

// The file of the rich image with one line replaced (lines count from 1).
QByteArray withLine(int number, const QByteArray& line)
{
    QList<QByteArray> lines = linesOf(configFileBytes(richImage(), kTerminal));
    lines[number - 1] = line + '\r';
    return lines.join('\n');
}

int lineNumberOf(const QByteArray& file, const QByteArray& start)
{
    const QList<QByteArray> lines = linesOf(file);
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith(start))
            return i + 1;
    }
    return 0;
}

image::Profile nonEmpty(const image::Profile& profile)
{
    image::Profile out;
    for (const image::ProfileEntry& entry : profile) {
        if (!entry.value.isEmpty())
            out.append(entry);
    }
    return out;
}

} // namespace

class TestConfigFile : public QObject
{
    Q_OBJECT

private slots:
    void exactText();
    void roundTrip();
    void valuesThatNeedQuotes();
    void readableKeysReproduceTheConfiguration();
    void imageSectionFaultsNameTheLine();
    void otherFaults();
    void backupName();
};

void TestConfigFile::exactText()
{
    const QByteArray bytes = configFileBytes(richImage(), kTerminal);
    QVERIFY(!bytes.contains("\n\n") && bytes.count('\n') == bytes.count("\r\n")); // CR LF only
    const QList<QByteArray> lines = linesOf(bytes.chopped(2));
    QCOMPARE(lines.first(), QByteArray("; Configura\xE7\xE3o de um microterminal (hxconfig)\r"));
    // The five company sections in order with their keys in the "Default" reading order, the
    // extension keys after the company ones of "Gerais".
    const QByteArray start = "\r\n[Rede]\r\nTimeOutRede=1000\r\nNumRetries=03\r\nVelocRede=100 Mbis/s\r\n"
                             "Half/Full=Full Duplex\r\n\r\n[Conexao]\r\nConexaoTCP=Sim\r\nTipo=Server\r\n"
                             "IPRemoto=192.168.0.10\r\nPortaRemota=00023\r\nIPLocal=192.168.0.50\r\n";
    QVERIFY(bytes.mid(bytes.indexOf('\n') + 1).startsWith(start));
    QVERIFY(bytes.contains("\r\n[Protocolo]\r\nProtEmulado=TelNet\r\nDEL=Chr(27)\r\nBackSpace=Chr(127)\r\n"));
    QVERIFY(bytes.contains("\r\nTeclado=44 Qwerty\r\n"));
    QVERIFY(bytes.contains("\r\nSincronismoVideo=3\r\nInterface2G=Sim\r\nNumTerminal=07\r\nCanalBase=42\r\n"
                           "Taxa=1 Mbit/s\r\n\r\n[Seriais]\r\nHabilitado0=Sim\r\nBaudRate0=\r\nParidade0=Par\r\n"));
    QVERIFY(bytes.contains("\r\nParidade1=\xCDmpar\r\n")); // Windows-1252
    QVERIFY(bytes.contains("\r\nTimeOut1=020\r\n\r\n[Terminal]\r\nMAC=0050C2A1B2C3\r\n"
                           "LidoEm=2026-03-01T14:05:09-03:00\r\nEndereco=192.168.0.50:23\r\n\r\n[Imagem]\r\n"
                           "Bytes000=82 46 09 01 00 01 02 03 02 01 00 01 01 02 8E 05 07 2A 01 02\r\n"));
    QVERIFY(bytes.endsWith("\r\nBytes240=" + richImage().mid(240).toHex(' ').toUpper() + "\r\n"));
    QCOMPARE(bytes.count("\r\nBytes"), 13);
}

void TestConfigFile::roundTrip()
{
    for (quint32 seed = 1; seed <= 100; ++seed) {
        ImageGen gen(seed);
        const QByteArray image = seed % 2 ? gen.anyImage() : gen.readableImage();
        const TerminalInfo terminal{gen.text(0, 14), QDateTime::currentDateTime().addSecs(gen.below(100000)),
                                    gen.text(0, 20)};
        const ConfigFile file = parsed(configFileBytes(image, terminal));
        QCOMPARE(file.image, image); // byte for byte, whatever the fields hold
        QCOMPARE(file.terminal, terminal);
        // Any text but one with a line break, which no INI line can hold, reads back as written.
        if (seed % 2 == 0)
            QCOMPARE(file.readable, nonEmpty(image::profileOf(image)));
    }
    // No date, no address: empty keys read back empty.
    const ConfigFile bare = parsed(configFileBytes(richImage(), TerminalInfo{}));
    QCOMPARE(bare.terminal, TerminalInfo{});
}

void TestConfigFile::valuesThatNeedQuotes()
{
    // Blanks around a text and enclosing quotes survive: the value is written inside quotes.
    QByteArray image = richImage();
    image.replace(194, 16, QByteArray(" a b \0\0\0\0\0\0\0\0\0\0\0", 16));
    image.replace(210, 16, QByteArray("\"x\"\0\0\0\0\0\0\0\0\0\0\0\0\0", 16));
    const QByteArray bytes = configFileBytes(image, {QStringLiteral(" mac"), {}, QStringLiteral("\"h\"")});
    QVERIFY(bytes.contains("\r\nLogin=\" a b \"\r\n"));
    QVERIFY(bytes.contains("\r\nPassword=\"\"x\"\"\r\n"));
    const ConfigFile file = parsed(bytes);
    QCOMPARE(image::profileValue(file.readable, QStringLiteral("Conexao"), QStringLiteral("Login")),
             QStringLiteral(" a b "));
    QCOMPARE(image::profileValue(file.readable, QStringLiteral("Conexao"), QStringLiteral("Password")),
             QStringLiteral("\"x\""));
    QCOMPARE(file.terminal.mac, QStringLiteral(" mac"));
    QCOMPARE(file.terminal.address, QStringLiteral("\"h\""));
}

void TestConfigFile::readableKeysReproduceTheConfiguration()
{
    // Applying the readable keys of an exported file to any terminal's image gives every editable
    // field of the exported one, as the terminal that was read holds it after a read.
    for (quint32 seed = 1; seed <= 300; ++seed) {
        ImageGen gen(seed);
        const QByteArray exported = gen.readableImage();
        const QByteArray target = seed % 3 ? gen.readableImage() : gen.anyImage();
        const ConfigFile file = parsed(configFileBytes(exported, kTerminal));
        const image::ApplyResult result = image::applyProfile(target, file.readable);
        QVERIFY(result.problems.isEmpty());
        const QByteArray wanted = image::workingCopyAfterRead(exported);
        const QByteArray own = image::workingCopyAfterRead(target);
        for (const image::Field& field : image::layout()) {
            const bool editable = !field.key.empty();
            const QByteArray expected = (editable ? wanted : own).mid(field.first, field.width);
            QVERIFY2(result.image.mid(field.first, field.width) == expected,
                     qPrintable(QStringLiteral("seed %1, %2").arg(seed).arg(image::captionOf(field))));
        }
    }
}

void TestConfigFile::imageSectionFaultsNameTheLine()
{
    const QByteArray good = configFileBytes(richImage(), kTerminal);
    const int line = lineNumberOf(good, "Bytes040=");
    QVERIFY(line > 0);
    const QByteArray pairs = richImage().mid(40, 20).toHex(' ');
    struct Case {
        QByteArray line;
        QString text;
    };
    const QString wrongHex = QStringLiteral("Linha %1: Bytes040 deve ter 20 bytes em hexadecimal, pares separados "
                                            "por um espaço.")
                                 .arg(line);
    const QList<Case> cases = {
        {"Bytes040=" + pairs.left(pairs.size() - 3), wrongHex},         // 19 bytes
        {"Bytes040=" + pairs + " 00", wrongHex},                        // 21 bytes
        {"Bytes040=" + QByteArray(pairs).replace(' ', "  "), wrongHex}, // two blanks
        {"Bytes040=" + QByteArray(pairs).replace(0, 1, "G"), wrongHex},
        {"Bytes040=" + QByteArray(pairs).remove(2, 1), wrongHex},
        {"Bytes040=", wrongHex},
        {"Bytes041=" + pairs, QStringLiteral("Linha %1: chave desconhecida na seção [Imagem]: Bytes041.").arg(line)},
        {"Bytes020=" + pairs, QStringLiteral("Linha %1: chave Bytes020 repetida na seção [Imagem].").arg(line)},
    };
    for (const Case& c : cases) {
        const image::Failure error = failure(withLine(line, c.line));
        QCOMPARE(error.line, line);
        QCOMPARE(error.text, c.text);
    }
    // Lower-case digits and blanks around the value are fine.
    QCOMPARE(parsed(withLine(line, "Bytes040 =  " + pairs.toLower() + "  ")).image, richImage());

    // A key left out is named at the section's line.
    const int section = lineNumberOf(good, "[Imagem]");
    const image::Failure missing = failure(withLine(line, "; Bytes040 removido"));
    QCOMPARE(missing.line, section);
    QCOMPARE(missing.text, QStringLiteral("Linha %1: falta a chave Bytes040 na seção [Imagem].").arg(section));

    const image::Failure twice = failure(good + "[imagem]\r\n");
    QCOMPARE(twice.line, int(linesOf(good).size()));
    QCOMPARE(twice.text, QStringLiteral("Linha %1: seção [Imagem] repetida.").arg(twice.line));
}

void TestConfigFile::otherFaults()
{
    QByteArray noImage = configFileBytes(richImage(), kTerminal);
    noImage.truncate(noImage.indexOf("[Imagem]"));
    const image::Failure missing = failure(noImage);
    QCOMPARE(missing.line, 0);
    QCOMPARE(missing.text, QStringLiteral("Falta a seção [Imagem] com a imagem de 260 bytes."));
    // A company default alone is no configuration file.
    QCOMPARE(failure("[Rede]\r\nTimeOutRede=1000\r\n").line, 0);

    const image::Failure binary = failure(QByteArray("[Imagem]\r\n\0", 11));
    QCOMPARE(binary.line, 0);
    QCOMPARE(binary.text, QStringLiteral("O arquivo de configuração não é um arquivo de texto."));
    QCOMPARE(failure(QByteArray(4 * 1024 * 1024 + 1, ' ')).text,
             QStringLiteral("O arquivo de configuração é grande demais."));

    const QByteArray good = configFileBytes(richImage(), kTerminal);
    const int dateLine = lineNumberOf(good, "LidoEm=");
    const image::Failure date = failure(withLine(dateLine, "LidoEm=ontem"));
    QCOMPARE(date.line, dateLine);
    QCOMPARE(date.text,
             QStringLiteral("Linha %1: data e hora inválidas em LidoEm (esperado aaaa-mm-ddThh:mm:ss): ontem.")
                 .arg(dateLine));

    // As the settings file reads: the first section and the first key of a name count.
    const ConfigFile twice = parsed(good + "[Terminal]\r\nMAC=outro\r\nLidoEm=ontem\r\n");
    QCOMPARE(twice.terminal, kTerminal);

    // Read in the forms an editor may save it in: LF line ends, a UTF-8 mark.
    QByteArray lf = good;
    lf.replace("\r\n", "\n");
    QCOMPARE(parsed(lf).image, richImage());
    const QByteArray utf8 = "\xEF\xBB\xBF" + cp1252::decode(good).toUtf8();
    const ConfigFile fromUtf8 = parsed(utf8);
    QCOMPARE(fromUtf8.image, richImage());
    QCOMPARE(image::profileValue(fromUtf8.readable, QStringLiteral("Seriais"), QStringLiteral("Paridade1")),
             QStringLiteral("Ímpar"));
}

void TestConfigFile::backupName()
{
    const QDateTime when(QDate(2026, 3, 1), QTime(14, 5, 9));
    QCOMPARE(backupFileName(richImage(), when), QStringLiteral("0050C2A1B2C3_20260301-140509.ini"));
    QByteArray odd = richImage();
    odd.replace(114, 12, QByteArray("../x\xE9:12\0\0\0\0", 12));
    QCOMPARE(backupFileName(odd, when), QStringLiteral("___x__12_20260301-140509.ini"));
    odd.replace(114, 12, QByteArray(12, '\0'));
    QCOMPARE(backupFileName(odd, when), QStringLiteral("SemMAC_20260301-140509.ini"));
}

QTEST_GUILESS_MAIN(TestConfigFile)
#include "test_configfile.moc"
