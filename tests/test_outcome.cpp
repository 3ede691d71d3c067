#include "image/outcome.h"
#include "testprogram.h"

#include <QTest>

#include <memory>
#include <tuple>

using image::Failure;
using image::Outcome;

namespace
{

struct Point {
    int x = 0;
    int y = 0;
};

// An outcome built as a reader builds it: the value, or a failure with its text and line.
Outcome<QString> built(bool succeeds, const QString& value, const QString& text, int line)
{
    if (succeeds)
        return value;
    return Failure{text, line};
}

// A failure of one step handed on as the failure of the next, as loaders do with a reader's.
Outcome<QByteArray> handedOn(const Outcome<int>& step)
{
    if (!step)
        return step.failure();
    return QByteArray::number(*step);
}

} // namespace

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
        // An empty value is still a success: success is never read from what the value holds.
        QTest::newRow("an empty value") << true << QString() << QString() << 0;
        QTest::newRow("a failure of the whole file")
            << false << QString() << QStringLiteral("o arquivo está vazio") << 0;
        QTest::newRow("a failure at a line") << false << QString() << QStringLiteral("aspas sem fim") << 7;
        // An empty text is still a failure: nothing in the text decides it.
        QTest::newRow("a failure without text") << false << QString() << QString() << 3;
    }

    void readsAsBuilt()
    {
        QFETCH(bool, succeeds);
        QFETCH(QString, value);
        QFETCH(QString, text);
        QFETCH(int, line);

        const Outcome<QString> outcome = built(succeeds, value, text, line);
        QCOMPARE(outcome.ok(), succeeds);
        QCOMPARE(static_cast<bool>(outcome), succeeds);
        if (succeeds) {
            QCOMPARE(outcome.value(), value);
            QCOMPARE(*outcome, value);
            QCOMPARE(outcome->size(), value.size());
            QVERIFY_THROWS_EXCEPTION(std::bad_variant_access, std::ignore = outcome.failure());
        } else {
            QCOMPARE(outcome.failure(), (Failure{text, line}));
            QCOMPARE(outcome.failure().text, text);
            QCOMPARE(outcome.failure().line, line);
            QVERIFY_THROWS_EXCEPTION(std::bad_variant_access, std::ignore = outcome.value());
        }
    }

    void failureHandedOnKeepsTextAndLine_data()
    {
        QTest::addColumn<int>("line");
        QTest::newRow("no line") << 0;
        QTest::newRow("line 1") << 1;
        QTest::newRow("line 12") << 12;
    }

    void failureHandedOnKeepsTextAndLine()
    {
        QFETCH(int, line);
        const Outcome<QByteArray> next = handedOn(Failure{QStringLiteral("coluna repetida"), line});
        QVERIFY(!next.ok());
        QCOMPARE(next.failure().text, QStringLiteral("coluna repetida"));
        QCOMPARE(next.failure().line, line);

        const Outcome<QByteArray> good = handedOn(42);
        QVERIFY(good.ok());
        QCOMPARE(*good, QByteArray("42"));
    }

    void valueMovesOutAndChangesInPlace()
    {
        Outcome<std::unique_ptr<int>> owned(std::make_unique<int>(7));
        const std::unique_ptr<int> taken = std::move(owned).value();
        QVERIFY(taken);
        QCOMPARE(*taken, 7);

        Outcome<std::unique_ptr<int>> again(std::make_unique<int>(8));
        const std::unique_ptr<int> dereferenced = *std::move(again);
        QCOMPARE(*dereferenced, 8);

        Outcome<Point> point(Point{1, 2});
        point->y = 5;
        (*point).x = 4;
        QCOMPARE(point.value().x, 4);
        QCOMPARE(point.value().y, 5);

        // A copy is its own: changing it leaves the original as it was.
        const Outcome<QStringList> original(QStringList{QStringLiteral("a")});
        Outcome<QStringList> copy = original;
        copy->append(QStringLiteral("b"));
        QCOMPARE(original->size(), 1);
        QCOMPARE(copy->size(), 2);
    }

    void nothingToHandBack_data()
    {
        QTest::addColumn<bool>("succeeds");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::newRow("done") << true << QString() << 0;
        QTest::newRow("failed") << false << QStringLiteral("disco cheio") << 0;
        QTest::newRow("failed at a line") << false << QStringLiteral("linha curta") << 40;
    }

    void nothingToHandBack()
    {
        QFETCH(bool, succeeds);
        QFETCH(QString, text);
        QFETCH(int, line);

        const Outcome<void> outcome = succeeds ? Outcome<void>() : Outcome<void>(Failure{text, line});
        QCOMPARE(outcome.ok(), succeeds);
        QCOMPARE(static_cast<bool>(outcome), succeeds);
        if (succeeds) {
            QVERIFY_THROWS_EXCEPTION(std::bad_variant_access, std::ignore = outcome.failure());
        } else {
            QCOMPARE(outcome.failure().text, text);
            QCOMPARE(outcome.failure().line, line);
        }
    }
};

HX_TEST_GUILESS_MAIN(TestOutcome)
#include "test_outcome.moc"
