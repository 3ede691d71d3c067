// The fleet file batch takes and the checks made on it before any terminal is contacted: what a
// spreadsheet export may look like (separators, quotes, code pages, line ends), the malformed files
// refused with their line, the problems listed for a fleet, and the file the tool writes back.
#include "files/csvtable.h"
#include "files/fleetfile.h"
#include "image/cp1252.h"
#include "link/fleetplan.h"
#include "testprogram.h"

#include <QRandomGenerator>
#include <QTest>

namespace
{

FleetFile fleetOf(const QByteArray& bytes)
{
    auto parsed = parseFleetFile(bytes);
    if (!parsed)
        qFatal("refused: line %d: %s", parsed.failure().line, qPrintable(parsed.failure().text));
    return parsed.value();
}

image::Failure refusalOf(const QByteArray& bytes)
{
    auto parsed = parseFleetFile(bytes);
    return parsed ? image::Failure{QStringLiteral("accepted"), -1} : parsed.failure();
}

image::Profile profileEntries(std::initializer_list<std::array<const char*, 3>> list)
{
    image::Profile profile;
    for (const auto& e : list)
        profile.append({QString::fromUtf8(e[0]), QString::fromUtf8(e[1]), QString::fromUtf8(e[2])});
    return profile;
}

// What a plan gives every terminal, for comparing two plans.
QStringList planText(const FleetPlan& plan)
{
    QStringList out = plan.problems;
    for (const FleetTerminal& t : plan.terminals) {
        QStringList values;
        for (const image::ProfileEntry& e : t.profile)
            values << e.section + u'.' + e.key + u'=' + e.value;
        out << QStringLiteral("%1 %2 %3 %4 %5")
                   .arg(t.line)
                   .arg(canonicalAddress(t.endpoint), QString::fromLatin1(t.password), t.newPassword,
                        values.join(u' '));
    }
    return out;
}

const FleetDefaults kPasswordDefaults{{}, "123456", {}};

} // namespace

class TestFleetFile : public QObject
{
    Q_OBJECT

private slots:
    void commaAndSemicolonFilesGiveTheSamePlan();
    void quotedCellsAndBlankRows();
    void codePagesAndLineEnds();
    void portugueseColumnNames_data();
    void portugueseColumnNames();
    void malformedFilesNameTheLine_data();
    void malformedFilesNameTheLine();
    void writtenFilesReadBack();
    void reportCellsOpenAsTextInASpreadsheet_data();
    void reportCellsOpenAsTextInASpreadsheet();

    void everyProblemIsListed();
    void sameProblemInManyRowsIsOneLine_data();
    void sameProblemInManyRowsIsOneLine();
    void sameTerminalByAnyName();
    void sharedIpLocalFromTheProfile();
    void ipLocalAsTheFieldWillHoldIt();
    void rowValuesWinOverProfileAndSet();
    void sharedIpLocalsAfterTheRun();
};

void TestFleetFile::commaAndSemicolonFilesGiveTheSamePlan()
{
    // The same fleet as two spreadsheets would export it: Portuguese settings write semicolons and
    // Windows-1252 with CR LF, others commas, UTF-8 with a mark and LF, quoting what they like.
    const QByteArray semicolons =
        cp1252::encode(QStringLiteral("address;password;new_password;Conexao.IPLocal;Conexao.Login\r\n"
                                      "10.1.1.1;123456;;10.0.0.11;operação\r\n"
                                      "10.1.1.2:2323;;654321;10.0.0.12;\"a;b\"\r\n"));
    const QByteArray commas = "\xEF\xBB\xBF"
                              "ADDRESS,Password,NEW_PASSWORD,conexao.iplocal,Conexao.Login\n"
                              "\"10.1.1.1\",123456,,10.0.0.11,opera\xC3\xA7\xC3\xA3o\n"
                              "10.1.1.2:2323, ,\"654321\", 10.0.0.12 ,a;b\n";
    const FleetFile a = fleetOf(semicolons);
    const FleetFile b = fleetOf(commas);
    QCOMPARE(a.separator, ';');
    QCOMPARE(b.separator, ',');
    QCOMPARE(a.rows.size(), 2);
    QCOMPARE(a.rows.at(0).values.last().value, QStringLiteral("operação"));
    QCOMPARE(a.rows.at(1).values.last().value, QStringLiteral("a;b"));

    const FleetDefaults defaults{profileEntries({{"Seriais", "BaudRate1", "19200"}}), "111111", {}};
    const FleetPlan planA = planFleet(a, defaults);
    const FleetPlan planB = planFleet(b, defaults);
    QCOMPARE(planA.problems, QStringList());
    QCOMPARE(planText(planA), planText(planB));
    QCOMPARE(planA.terminals.at(1).password, QByteArray("111111")); // the empty cell: the command line's
    QCOMPARE(planA.terminals.at(1).newPassword, QStringLiteral("654321"));
    QCOMPARE(planA.terminals.at(1).endpoint.port, quint16(2323));
}

void TestFleetFile::quotedCellsAndBlankRows()
{
    const FleetFile file = fleetOf("address;Conexao.Login;;\r\n"
                                   "\r\n"
                                   "10.1.1.1;\"say \"\"hi\"\"; bye\";;\r\n"
                                   ";;;\r\n"
                                   "10.1.1.2;\"two\r\nlines\"\r\n"
                                   "10.1.1.3\r\n");
    QCOMPARE(file.rows.size(), 3);
    QCOMPARE(file.rows.at(0).line, 3);
    QCOMPARE(file.rows.at(0).values.first().value, QStringLiteral("say \"hi\"; bye"));
    QCOMPARE(file.rows.at(1).line, 5);
    QCOMPARE(file.rows.at(1).values.first().value, QStringLiteral("two\r\nlines"));
    // The line after a cell that spans two lines.
    QCOMPARE(file.rows.at(2).line, 7);
    QVERIFY(file.rows.at(2).values.isEmpty());
}

void TestFleetFile::codePagesAndLineEnds()
{
    // "ç" is one byte in Windows-1252 and two in UTF-8; without a mark the file is Windows-1252.
    const QByteArray row = "address,Conexao.Login\n10.1.1.1,a\xE7\x61\n";
    QCOMPARE(fleetOf(row).rows.first().values.first().value, QStringLiteral("aça"));
    QCOMPARE(fleetOf("\xEF\xBB\xBF" + QByteArray(row).replace("\xE7", "\xC3\xA7")).rows.first().values.first().value,
             QStringLiteral("aça"));
    for (const char* end : {"\r\n", "\n", "\r"}) {
        const QByteArray lines = QByteArray("address;password\n10.1.1.1;1\n\n10.1.1.2\n10.1.1.3").replace("\n", end);
        const FleetFile file = fleetOf(lines);
        QCOMPARE(file.rows.size(), 3);
        QCOMPARE(file.rows.at(1).line, 4);
        QCOMPARE(file.rows.at(2).line, 5);
        QCOMPARE(file.rows.at(2).address, QStringLiteral("10.1.1.3"));
    }
}

void TestFleetFile::portugueseColumnNames_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray row = "\r\n10.1.1.1;111111;654321\r\n";
    QTest::newRow("English") << "address;password;new_password" + row;
    QTest::newRow("Portuguese without accent") << "endereco;senha;nova_senha" + row;
    QTest::newRow("Portuguese, UTF-8") << "\xEF\xBB\xBF"
                                          "Endere\xC3\xA7o;SENHA;Nova_Senha" +
                                              row;
    QTest::newRow("Portuguese, Windows-1252") << "endere\xE7o;Senha;nova_senha" + row;
    QTest::newRow("mixed, another order") << QByteArray("senha;address;nova_senha\r\n111111;10.1.1.1;654321\r\n");
}

void TestFleetFile::portugueseColumnNames()
{
    QFETCH(QByteArray, file);
    const FleetFile fleet = fleetOf(file);
    QCOMPARE(fleet.rows.size(), 1);
    QCOMPARE(fleet.rows.first().address, QStringLiteral("10.1.1.1"));
    QCOMPARE(fleet.rows.first().password, QStringLiteral("111111"));
    QCOMPARE(fleet.rows.first().newPassword, QStringLiteral("654321"));
}

void TestFleetFile::malformedFilesNameTheLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("quote inside a cell") << QByteArray("address\n10.1.1.1\n10.1.1.2\"x\n") << 3
                                         << QStringLiteral("aspas fora do lugar");
    QTest::newRow("text after the closing quote")
        << QByteArray("address;password\r\n10.1.1.1;\"12\"34\r\n") << 2 << QStringLiteral("aspas fora do lugar");
    QTest::newRow("quote never closed") << QByteArray("address,password\n10.1.1.1,1\n10.1.1.2,\"12\n\n") << 3
                                        << QStringLiteral("aspas abertas e nunca fechadas");
    QTest::newRow("quote error after a two-line cell")
        << QByteArray("address,Conexao.Login\n10.1.1.1,\"a\nb\"\n10.1.1.2,x\"\n") << 4
        << QStringLiteral("aspas fora do lugar");
    QTest::newRow("no address column") << QByteArray("\n\npassword;Conexao.IPLocal\n1;2\n") << 3
                                       << QStringLiteral("falta a coluna address");
    QTest::newRow("unknown column") << QByteArray("address,Conexao.IPLokal\n10.1.1.1,1\n") << 1
                                    << QStringLiteral("coluna desconhecida \"Conexao.IPLokal\"");
    QTest::newRow("unknown section") << QByteArray("address,Rede.IPLocal\n") << 1
                                     << QStringLiteral("coluna desconhecida \"Rede.IPLocal\"");
    QTest::newRow("repeated column") << QByteArray("address,password,Password\n") << 1
                                     << QStringLiteral("coluna repetida \"Password\"");
    QTest::newRow("one column in two languages")
        << QByteArray("address;password;Endereco\n") << 1 << QStringLiteral("coluna repetida \"Endereco\"");
    QTest::newRow("unknown column names the Portuguese ones")
        << QByteArray("endereco;senhas\n") << 1
        << QStringLiteral("(as colunas são address ou endereco, password ou senha, new_password ou nova_senha");
    QTest::newRow("value beyond the header")
        << QByteArray("address;password\n10.1.1.1;1;;x\n") << 2 << QStringLiteral("valor \"x\" na coluna 4");
    QTest::newRow("value under an unnamed column")
        << QByteArray("address;;password\n10.1.1.1;x;1\n") << 2 << QStringLiteral("valor \"x\" na coluna 2");
    QTest::newRow("row without address") << QByteArray("address;password\n10.1.1.1;1\n;2\n") << 3
                                         << QStringLiteral("falta o endereço");
    QTest::newRow("header only") << QByteArray("address;password\r\n;\r\n") << 1 << QStringLiteral("nenhum terminal");
    QTest::newRow("empty") << QByteArray("\r\n\r\n") << 0 << QStringLiteral("vazio");
    QTest::newRow("not text") << QByteArray("address\n10.1\0.1.1\n", 17) << 0
                              << QStringLiteral("não é um arquivo de texto");
}

void TestFleetFile::malformedFilesNameTheLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QString, text);
    const image::Failure error = refusalOf(bytes);
    QCOMPARE(error.line, line);
    QVERIFY2(error.text.contains(text), qPrintable(error.text));
}

void TestFleetFile::writtenFilesReadBack()
{
    // Whatever cells the tool writes (scan's addresses, reports), the reader gives them back.
    QRandomGenerator random(20260315);
    // Any text but a lone CR, which the reader takes as a line end.
    const QStringList pieces = {QStringLiteral("a"), QStringLiteral(";"), QStringLiteral(","), QStringLiteral("\""),
                                QStringLiteral(" "), QStringLiteral("\r\n"), QStringLiteral("\n"), QStringLiteral("\t"),
                                QStringLiteral("ç"), QStringLiteral("ã"), QStringLiteral("0"), QStringLiteral("."),
                                // a cell may start with what looks like a byte-order mark
                                QString(QChar(0xFEFF))};
    for (int round = 0; round < 300; ++round) {
        QList<QStringList> rows;
        const int columns = 1 + random.bounded(4);
        for (int r = 0; r < 1 + random.bounded(4); ++r) {
            QStringList row;
            for (int c = 0; c < columns; ++c) {
                QString cell;
                for (int k = random.bounded(6); k > 0; --k)
                    cell += pieces.at(random.bounded(int(pieces.size())));
                row << cell;
            }
            row[0] = QStringLiteral("x") + row[0] + QStringLiteral("x"); // no row is blank
            rows << row;
        }
        auto parsed = parseCsv(csvBytes(rows));
        QVERIFY(parsed.ok());
        QList<QStringList> back;
        for (const CsvRow& row : parsed.value().rows)
            back << row.cells;
        QCOMPARE(back, rows);
    }
    QCOMPARE(csvBytes({{QStringLiteral("address"), QStringLiteral("password")}, {QStringLiteral("1.2.3.4"), {}}}),
             QByteArray("\xEF\xBB\xBF"
                        "address;password\r\n1.2.3.4;\r\n"));
}

void TestFleetFile::reportCellsOpenAsTextInASpreadsheet_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QByteArray>("written"); // the row as the file holds it
    QTest::newRow("formula") << QStringLiteral("=HYPERLINK(\"x\")") << QByteArray("\"'=HYPERLINK(\"\"x\"\")\"");
    QTest::newRow("plus") << QStringLiteral("+1+1") << QByteArray("'+1+1");
    QTest::newRow("minus") << QStringLiteral("-2+3") << QByteArray("'-2+3");
    QTest::newRow("at") << QStringLiteral("@SUM(A1)") << QByteArray("'@SUM(A1)");
    QTest::newRow("quoted formula") << QStringLiteral("=1;2") << QByteArray("\"'=1;2\"");
    QTest::newRow("inside is fine") << QStringLiteral("a=b-c") << QByteArray("a=b-c");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("already an apostrophe") << QStringLiteral("'=x") << QByteArray("'=x");
}

void TestFleetFile::reportCellsOpenAsTextInASpreadsheet()
{
    QFETCH(QString, cell);
    QFETCH(QByteArray, written);
    QCOMPARE(spreadsheetCsvBytes({{QStringLiteral("error")}, {cell}}), QByteArray("\xEF\xBB\xBF"
                                                                                  "error\r\n") +
                                                                           written + "\r\n");
    // The file for reading back keeps the cell as it is.
    QVERIFY(!csvBytes({{QStringLiteral("error")}, {cell}}).contains("'=H"));
}

void TestFleetFile::everyProblemIsListed()
{
    const FleetFile file = fleetOf("address;password;new_password;Seriais.BaudRate1;Conexao.Tipo\n"
                                   "10.1.1.1;;;9601;\n"            // 2: no password, a value naming nothing
                                   "10.1.1.2;1234567;12345;;\n"    // 3: both passwords wrong
                                   "10.1.1;123456;;;\n"            // 4: no address
                                   "10.1.1.4;123456;;;Cliente\n"); // 5: a role the terminal lacks
    const FleetDefaults defaults{profileEntries({{"Conexao", "ConexaoTCP", "Sim"}, {"Gerais", "Taxa", "2 Mbit/s"}}), {}, {}};
    const FleetPlan plan = planFleet(file, defaults);
    QVERIFY(plan.terminals.isEmpty());
    const QStringList expected = {
        QStringLiteral("perfil: Valor não aceito em [Gerais] Taxa=2 Mbit/s; valores aceitos: \"250 Kbit/s\", "
                       "\"1 Mbit/s\""),
        QStringLiteral("linha 2 (10.1.1.1): falta a senha (coluna password, --password, --password-file ou "
                       "HXCONFIG_PASSWORD)"),
        QStringLiteral("linha 2 (10.1.1.1): Valor não aceito em [Seriais] BaudRate1=9601; valores aceitos: "
                       "\"1200\", \"2400\", \"4800\", \"9600\", \"19200\", \"38400\", \"57600\", \"115200\""),
        QStringLiteral("linha 3 (10.1.1.2): a senha deve ter de 1 a 6 caracteres, não 7"),
        QStringLiteral("linha 3 (10.1.1.2): a nova senha deve ter exatamente 6 caracteres, não 5; uma planilha pode "
                       "ter tirado o zero à esquerda: formate a coluna new_password como texto e digite a senha de "
                       "novo"),
        QStringLiteral("linha 4 (10.1.1): endereço inválido (IPv4 ou host:porta)"),
        QStringLiteral("linha 5 (10.1.1.4): Valor não aceito em [Conexao] Tipo=Cliente; valores aceitos: "
                       "\"Nenhum\", \"Client\", \"Server\", \"System\""),
    };
    QCOMPARE(plan.problems, expected);
}

void TestFleetFile::sameProblemInManyRowsIsOneLine_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("problems");
    const QString noPassword =
        QStringLiteral("falta a senha (coluna password, --password, --password-file ou HXCONFIG_PASSWORD)");
    const QString zero = QStringLiteral("a nova senha deve ter exatamente 6 caracteres, não 5; uma planilha pode ter "
                                        "tirado o zero à esquerda: formate a coluna new_password como texto e digite "
                                        "a senha de novo");
    QTest::newRow("one row") << 1
                             << QStringList{QStringLiteral("linha 2 (10.1.1.1): ") + noPassword,
                                            QStringLiteral("linha 2 (10.1.1.1): ") + zero};
    QTest::newRow("three rows") << 3
                                << QStringList{
                                       QStringLiteral("linhas 2, 3 e 4 (10.1.1.1, 10.1.1.2, 10.1.1.3): ") + noPassword,
                                       QStringLiteral("linhas 2, 3 e 4 (10.1.1.1, 10.1.1.2, 10.1.1.3): ") + zero};
    const QString fifty = QStringLiteral("linhas 2, 3, 4, 5, 6, 7, 8, 9 e mais 42 (10.1.1.1, 10.1.1.2, 10.1.1.3, "
                                         "10.1.1.4, 10.1.1.5, 10.1.1.6, 10.1.1.7, 10.1.1.8, ...): ");
    QTest::newRow("fifty rows") << 50 << QStringList{fifty + noPassword, fifty + zero};
}

void TestFleetFile::sameProblemInManyRowsIsOneLine()
{
    QFETCH(int, rows);
    QFETCH(QStringList, problems);
    // A spreadsheet that dropped the leading zero of every new password, and no password at all.
    QByteArray file = "endereco;senha;nova_senha\r\n";
    for (int i = 1; i <= rows; ++i)
        file += "10.1.1." + QByteArray::number(i) + ";;12345\r\n";
    const FleetPlan plan = planFleet(fleetOf(file), {});
    QCOMPARE(plan.problems, problems);
    QVERIFY(plan.terminals.isEmpty());
}

void TestFleetFile::sameTerminalByAnyName()
{
    const FleetFile file = fleetOf("address\n10.1.1.1\nterm-A:23\n10.1.1.1:23\n10.1.1.1:2323\nTERM-a:23\n"
                                   "10.1.1.2\n10.1.1.1\n");
    const FleetPlan plan = planFleet(file, kPasswordDefaults);
    QCOMPARE(plan.problems,
             QStringList({QStringLiteral("linhas 2, 4 e 8 (10.1.1.1, 10.1.1.1:23, 10.1.1.1): o mesmo terminal "
                                         "10.1.1.1:23 em mais de uma linha"),
                          QStringLiteral("linhas 3 e 6 (term-A:23, TERM-a:23): o mesmo terminal term-a:23 em mais "
                                         "de uma linha")}));
}

void TestFleetFile::sharedIpLocalFromTheProfile()
{
    // The usual mistake: the profile gives every terminal the same address.
    QByteArray rows = "address\n";
    for (int i = 1; i <= 12; ++i)
        rows += "10.1.1." + QByteArray::number(i) + '\n';
    const FleetDefaults defaults{profileEntries({{"Conexao", "IPLocal", "192.168.0.50"}}), "123456", {}};
    const FleetPlan plan = planFleet(fleetOf(rows), defaults);
    QCOMPARE(plan.problems,
             QStringList(QStringLiteral(
                 "linhas 2, 3, 4, 5, 6, 7, 8, 9 e mais 4 (10.1.1.1, 10.1.1.2, 10.1.1.3, 10.1.1.4, 10.1.1.5, 10.1.1.6, "
                 "10.1.1.7, 10.1.1.8, ...): o mesmo IP Local 192.168.0.50; o perfil define Conexao.IPLocal para "
                 "todos: dê a cada terminal o seu na coluna Conexao.IPLocal")));

    // A single terminal may take the profile's address; rows that give their own are fine.
    QVERIFY(planFleet(fleetOf("address\n10.1.1.1\n"), defaults).problems.isEmpty());
    const FleetPlan own = planFleet(fleetOf("address;Conexao.IPLocal\n10.1.1.1;10.0.0.1\n10.1.1.2;10.0.0.2\n"
                                            "10.1.1.3;10.0.0.1\n10.1.1.4;\n"),
                                    defaults);
    QCOMPARE(own.problems,
             QStringList(QStringLiteral("linhas 2 e 4 (10.1.1.1, 10.1.1.3): o mesmo IP Local 10.0.0.1; o perfil "
                                        "define Conexao.IPLocal para todos: dê a cada terminal o seu na coluna "
                                        "Conexao.IPLocal")));
    // Without IP Local anywhere nothing is known before the terminals are read.
    QVERIFY(planFleet(fleetOf("address\n10.1.1.1\n10.1.1.2\n"), kPasswordDefaults).problems.isEmpty());
}

void TestFleetFile::ipLocalAsTheFieldWillHoldIt()
{
    // The field holds 16 characters: two values that differ only beyond them end up the same.
    const FleetPlan plan = planFleet(fleetOf("address;Conexao.IPLocal\n10.1.1.1;192.168.100.10001\n"
                                             "10.1.1.2;192.168.100.10002\n"),
                                     kPasswordDefaults);
    QCOMPARE(plan.problems, QStringList(QStringLiteral("linhas 2 e 3 (10.1.1.1, 10.1.1.2): o mesmo IP Local "
                                                       "192.168.100.1000")));
}

void TestFleetFile::rowValuesWinOverProfileAndSet()
{
    image::Profile profile = profileEntries({{"Seriais", "BaudRate1", "9600"}, {"Gerais", "Taxa", "1 Mbit/s"}});
    profile.append(profileEntries({{"Seriais", "BaudRate1", "19200"}})); // a --set after the profile
    const FleetPlan plan =
        planFleet(fleetOf("address;seriais.baudrate1\n10.1.1.1;38400\n10.1.1.2;\n"), {profile, "123456", {}});
    QVERIFY(plan.problems.isEmpty());
    QCOMPARE(image::profileValue(plan.terminals.at(0).profile, QStringLiteral("Seriais"), QStringLiteral("BaudRate1")),
             QStringLiteral("38400"));
    QCOMPARE(image::profileValue(plan.terminals.at(1).profile, QStringLiteral("Seriais"), QStringLiteral("BaudRate1")),
             QStringLiteral("19200"));
    QCOMPARE(image::profileValue(plan.terminals.at(1).profile, QStringLiteral("Gerais"), QStringLiteral("Taxa")),
             QStringLiteral("1 Mbit/s"));
}

void TestFleetFile::sharedIpLocalsAfterTheRun()
{
    QCOMPARE(sharedIpLocals(
                 {2, 3, 4, 5}, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")},
                 {QStringLiteral("10.0.0.1"), QString(), QStringLiteral("10.0.0.2"), QStringLiteral("10.0.0.1")}),
             QStringList(QStringLiteral("linhas 2 e 5 (a, d): o mesmo IP Local 10.0.0.1")));
    QVERIFY(sharedIpLocals({2, 3}, {QStringLiteral("a"), QStringLiteral("b")}, {QString(), QString()}).isEmpty());
}

HX_TEST_GUILESS_MAIN(TestFleetFile)
#include "test_fleetfile.moc"
