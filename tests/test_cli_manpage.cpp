// hxconfig-cli's manual pages, English and Portuguese, against the program itself: each command's
// options as its --help lists them are the options its synopsis shows, every option has its entry
// under OPTIONS, no
// macro line of a page leaves a quote open (it would print), and each page carries the release
// date of the changelog, never the day it was built.
#include "clifixtures.h"
#include "cliprocess.h"
#include "projectversion.h"
#include "testprogram.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace clifixtures;

namespace
{

const QString kPages[] = {QStringLiteral("hxconfig.1"),           QStringLiteral("hxconfig-cli.1"),
                          QStringLiteral("hxterm-sim.1"),         QStringLiteral("pt_BR/hxconfig.1"),
                          QStringLiteral("pt_BR/hxconfig-cli.1"), QStringLiteral("pt_BR/hxterm-sim.1")};

// hxconfig-cli's pages as installed, each with the heading of its list of options.
const struct {
    const char* path;
    const char* optionsHeading; // UTF-8
} kCliPages[] = {{"hxconfig-cli.1", ".SH OPTIONS\n"}, {"pt_BR/hxconfig-cli.1", ".SH OPÇÕES\n"}};

// One option as names ("-o", "--output").
using Names = QSet<QString>;

QString manText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

QString builtPage(const char* path)
{
    return manText(QStringLiteral(HX_MAN_BUILT "/") + QLatin1String(path));
}

// The option names in a piece of roff or help text: "-o", "--backup-dir", never the "-cli" of the
// program's name.
Names optionNames(QString text)
{
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    text.remove(QRegularExpression(QStringLiteral("\\\\f[BIRP]")));
    static const QRegularExpression name(QStringLiteral("(?<![\\w-])(--?[a-z][a-z-]*)"));
    Names names;
    for (const QRegularExpressionMatch& m : name.globalMatch(text))
        names.insert(m.captured(1));
    return names;
}

// The options of a --help text: one list of names per line of its "Opções:" part.
QList<Names> helpOptions(const QString& help)
{
    QList<Names> options;
    const qsizetype start = help.indexOf(QStringLiteral("Opções:\n"));
    if (start < 0)
        return options;
    static const QRegularExpression line(QStringLiteral("^  ((?:-\\w, )?--[\\w-]+)"));
    for (const QString& text : help.mid(start).split(u'\n').mid(1)) {
        if (text.isEmpty())
            break;
        if (const QRegularExpressionMatch m = line.match(text); m.hasMatch())
            options.append(optionNames(m.captured(1)));
    }
    return options;
}

// The part of the page from a line to the next line that starts with `end`.
QString block(const QString& page, const QString& first, const QString& end)
{
    const qsizetype start = page.indexOf(first);
    if (start < 0)
        return {};
    const qsizetype stop = page.indexOf(end, start + first.size());
    return page.mid(start, stop < 0 ? -1 : stop - start);
}

const Names kHelpNames = {QStringLiteral("-h"), QStringLiteral("--help")};

} // namespace

class TestCliManPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void synopsisShowsEveryOption_data();
    void synopsisShowsEveryOption();
    void everyOptionIsDescribed_data();
    void everyOptionIsDescribed();
    void noQuoteLeftOpen_data();
    void noQuoteLeftOpen();
    void headerCarriesReleaseDateAndVersion_data();
    void headerCarriesReleaseDateAndVersion();

private:
    QStringList m_commands;
};

void TestCliManPage::initTestCase()
{
    const CliResult general = runCli({QStringLiteral("--help")});
    QCOMPARE(general.exitCode, 0);
    const QString help = general.outText();
    static const QRegularExpression command(QStringLiteral("^  ([a-z]+)  "));
    const QString list = block(help, QStringLiteral("Comandos:\n"), QStringLiteral("\n\n"));
    for (const QString& line : list.split(u'\n')) {
        if (const QRegularExpressionMatch m = command.match(line); m.hasMatch())
            m_commands << m.captured(1);
    }
    QVERIFY2(m_commands.size() >= 9, qPrintable(help));
}

void TestCliManPage::synopsisShowsEveryOption_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("command");
    for (const auto& page : kCliPages) {
        for (const QString& command : std::as_const(m_commands))
            QTest::addRow("%s %s", page.path, qPrintable(command)) << builtPage(page.path) << command;
    }
}

void TestCliManPage::synopsisShowsEveryOption()
{
    QFETCH(QString, page);
    QFETCH(QString, command);
    const CliResult help = runCli({command, QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    const QString synopsis =
        block(page, QStringLiteral(".B hxconfig\\-cli %1\n").arg(command), QStringLiteral("\n.in\n"));
    QVERIFY2(!synopsis.isEmpty(), "the command has no synopsis");
    const Names shown = optionNames(synopsis);

    // Each option the program takes is in the synopsis by one of its names (-o for -o, --output)...
    Names offered;
    for (const Names& option : helpOptions(help.outText())) {
        if (option == kHelpNames)
            continue;
        offered += option;
        QVERIFY2(option.intersects(shown), qPrintable(option.values().join(u' ') + QStringLiteral(" missing")));
    }
    QVERIFY(!offered.isEmpty() || command == QStringLiteral("show"));
    // ...and the synopsis shows no option the program does not take.
    const Names stale = shown - offered;
    QVERIFY2(stale.isEmpty(), qPrintable(stale.values().join(u' ') + QStringLiteral(" not taken")));
}

void TestCliManPage::everyOptionIsDescribed_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("heading");
    for (const auto& page : kCliPages)
        QTest::newRow(page.path) << builtPage(page.path) << QString::fromUtf8(page.optionsHeading);
}

void TestCliManPage::everyOptionIsDescribed()
{
    QFETCH(QString, page);
    QFETCH(QString, heading);
    Names offered = {QStringLiteral("-h"), QStringLiteral("--help"), QStringLiteral("-v"), QStringLiteral("--version")};
    for (const QString& command : std::as_const(m_commands)) {
        for (const Names& option : helpOptions(runCli({command, QStringLiteral("--help")}).outText()))
            offered += option;
    }
    // The heading of each entry is the line after ".TP".
    Names described;
    const QStringList lines = block(page, heading, QStringLiteral("\n.SH ")).split(u'\n');
    QVERIFY2(lines.size() > 1, "no list of options");
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lines.at(i) == QStringLiteral(".TP"))
            described += optionNames(lines.at(i + 1));
    }
    const Names missing = offered - described;
    QVERIFY2(missing.isEmpty(), qPrintable(missing.values().join(u' ') + QStringLiteral(" not described")));
    const Names stale = described - offered;
    QVERIFY2(stale.isEmpty(), qPrintable(stale.values().join(u' ') + QStringLiteral(" described but not taken")));
}

void TestCliManPage::noQuoteLeftOpen_data()
{
    QTest::addColumn<QString>("page");
    for (const QString& page : kPages)
        QTest::newRow(qPrintable(page)) << page;
}

void TestCliManPage::noQuoteLeftOpen()
{
    QFETCH(QString, page);
    const QStringList lines = manText(QStringLiteral(HX_MAN_SOURCE "/") + page).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        // A macro's arguments: quotes group words, and one left open prints as a quote.
        if (!line.startsWith(u'.') || line.startsWith(QStringLiteral(".\\\"")))
            continue;
        QVERIFY2(line.count(u'"') % 2 == 0, qPrintable(QStringLiteral("line %1: %2").arg(i + 1).arg(line)));
    }
}

void TestCliManPage::headerCarriesReleaseDateAndVersion_data()
{
    noQuoteLeftOpen_data();
}

void TestCliManPage::headerCarriesReleaseDateAndVersion()
{
    QFETCH(QString, page);
    // The changelog's trailer: " -- NAME <MAIL>  Tue, 08 Dec 2026 07:25:57 +0000".
    static const QRegularExpression trailer(QStringLiteral("^ -- .+>  \\w{3}, (\\d{2} \\w{3} \\d{4}) "),
                                            QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = trailer.match(manText(QStringLiteral(HX_CHANGELOG)));
    QVERIFY(m.hasMatch());
    const QDate released = QLocale::c().toDate(m.captured(1), QStringLiteral("dd MMM yyyy"));
    QVERIFY(released.isValid());

    const QString first = manText(QStringLiteral(HX_MAN_BUILT "/") + page).section(u'\n', 0, 0);
    QVERIFY2(first.startsWith(QStringLiteral(".TH ")), qPrintable(first));
    QCOMPARE(first.split(u' ').value(3), released.toString(Qt::ISODate));
    // The release CMake names, after the date: .TH NAME 1 DATE "hxconfig VERSION" ...
    QVERIFY(!projectVersion().isEmpty());
    QCOMPARE(first.section(u'"', 1, 1), QStringLiteral("hxconfig ") + projectVersion());
}

HX_TEST_GUILESS_MAIN(TestCliManPage)
#include "test_cli_manpage.moc"
