#include "image/outcome.h"
#include "testprogram.h"

#include <QTest>

#include <tuple>

using image::Failure;
using image::Outcome;

// Success is what the function said, never read from the value or the text; a failure handed on
// from one step to the next keeps its text and line, as the loaders hand on a reader's.
class TestOutcome : public QObject
{
    Q_OBJECT

private slots:
    void readsAsBuilt_data()
    {
        QTest::addColumn<bool>("succeeds");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");

        QTest::newRow("a value") << true << QStringLiteral("/tmp/a.ini") << QString() << 0;
        QTest::newRow("an empty value") << true << QString() << QString() << 0;
        QTest::newRow("a failure of the whole file") << false << QString() << QStringLiteral("disco cheio") << 0;
        QTest::newRow("a failure at a line") << false << QString() << QStringLiteral("aspas sem fim") << 7;
        QTest::newRow("a failure without text") << false << QString() << QString() << 3;
    }

    void readsAsBuilt()
    {
        QFETCH(bool, succeeds);
        QFETCH(QString, value);
        QFETCH(QString, text);
        QFETCH(int, line);

        const Failure failure{text, line};
        const Outcome<QString> read = succeeds ? Outcome<QString>(value) : Outcome<QString>(failure);
        const Outcome<void> done = succeeds ? Outcome<void>() : Outcome<void>(failure);
        const auto sizeOf = [](const Outcome<QString>& step) -> Outcome<qsizetype> {
            if (!step)
                return step.failure();
            return step->size();
        };
        const Outcome<qsizetype> next = sizeOf(read);

        QCOMPARE(read.ok(), succeeds);
        QCOMPARE(static_cast<bool>(done), succeeds);
        QCOMPARE(next.ok(), succeeds);
        if (succeeds) {
            QCOMPARE(*read, value);
            QCOMPARE(next.value(), value.size());
            QVERIFY_THROWS_EXCEPTION(std::bad_variant_access, std::ignore = done.failure());
        } else {
            QCOMPARE(read.failure(), failure);
            QCOMPARE(done.failure(), failure);
            QCOMPARE(next.failure(), failure);
            QVERIFY_THROWS_EXCEPTION(std::bad_variant_access, std::ignore = read.value());
        }
    }
};

HX_TEST_GUILESS_MAIN(TestOutcome)
#include "test_outcome.moc"
