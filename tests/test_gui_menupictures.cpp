// The menu pictures, read only when first needed, look exactly as the style's own pictures: every
// size, screen pixel ratio, mode and state gives the same pixels, and each item of the "Arquivo"
// menu shows its picture.
#include "testprogram.h"
#include "ui/deferredicon.h"
#include "windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QTest>

namespace
{

QImage imageOf(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The icon drawn by QIcon::paint into a transparent image, aligned in a rectangle.
QImage painted(const QIcon& icon, const QRect& rect, Qt::Alignment alignment, QIcon::Mode mode)
{
    QImage canvas(64, 64, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    icon.paint(&painter, rect, alignment, mode, QIcon::Off);
    painter.end();
    return canvas;
}

} // namespace

class TestGuiMenuPictures : public QObject
{
    Q_OBJECT

private slots:
    void drawsAsTheStyle_data()
    {
        QTest::addColumn<int>("picture");
        QTest::newRow("folder") << int(QStyle::SP_DirOpenIcon);
        QTest::newRow("file") << int(QStyle::SP_FileIcon);
        QTest::newRow("detailed list") << int(QStyle::SP_FileDialogDetailedView);
    }

    void drawsAsTheStyle()
    {
        QFETCH(int, picture);
        const auto standard = QStyle::StandardPixmap(picture);
        const QIcon expected = QApplication::style()->standardIcon(standard);
        const QIcon deferred = deferredStandardIcon(QApplication::style(), standard);
        QVERIFY(!deferred.isNull());
        QCOMPARE(deferred.availableSizes(), expected.availableSizes());
        QCOMPARE(deferred.name(), expected.name());

        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
            for (const QIcon::State state : {QIcon::Off, QIcon::On}) {
                for (const int extent : {12, 16, 20, 24, 32, 48, 100, 128, 200}) {
                    const QSize size(extent, extent + (extent % 3)); // square and not
                    const QString where = QStringLiteral("mode %1 state %2 size %3x%4")
                                              .arg(mode)
                                              .arg(state)
                                              .arg(size.width())
                                              .arg(size.height());
                    QCOMPARE(deferred.actualSize(size, mode, state), expected.actualSize(size, mode, state));
                    for (const qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
                        const QPixmap got = deferred.pixmap(size, ratio, mode, state);
                        const QPixmap want = expected.pixmap(size, ratio, mode, state);
                        QVERIFY2(got.size() == want.size(), qPrintable(where));
                        QVERIFY2(qFuzzyCompare(got.devicePixelRatio(), want.devicePixelRatio()), qPrintable(where));
                        QVERIFY2(imageOf(got) == imageOf(want), qPrintable(where));
                    }
                }
            }
            for (const QRect& rect : {QRect(0, 0, 16, 16), QRect(3, 5, 40, 22), QRect(1, 1, 60, 60)}) {
                for (const Qt::Alignment alignment :
                     {Qt::Alignment(Qt::AlignCenter), Qt::AlignLeft | Qt::AlignTop, Qt::AlignRight | Qt::AlignBottom}) {
                    QVERIFY(painted(deferred, rect, alignment, mode) == painted(expected, rect, alignment, mode));
                }
            }
        }
    }

    // A copy is drawn the same, and a style deleted before the first drawing is not used.
    void copiesAndReplacedStyles()
    {
        const QIcon expected = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
        QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
        QVERIFY(fusion);
        const QIcon deferred = deferredStandardIcon(fusion, QStyle::SP_FileIcon);
        QIcon copy = deferred;
        copy.detach();
        delete fusion;
        QCOMPARE(imageOf(copy.pixmap(QSize(16, 16))), imageOf(expected.pixmap(QSize(16, 16))));
        QCOMPARE(imageOf(deferred.pixmap(QSize(32, 32))), imageOf(expected.pixmap(QSize(32, 32))));
    }

    void fileMenuShowsTheStylePictures()
    {
        WindowFixture f;
        f.create();
        const QList<QPair<const char*, QStyle::StandardPixmap>> items = {
            {"Diretrio1", QStyle::SP_DirOpenIcon},
            {"Log1", QStyle::SP_FileIcon},
            {"VisualizarLog1", QStyle::SP_FileDialogDetailedView},
            {"CompararLido1", QStyle::SP_FileDialogContentsView},
            {"ExportarConfiguracao1", QStyle::SP_DialogSaveButton},
            {"CarregarConfiguracao1", QStyle::SP_DialogOpenButton},
            {"AbrirBackups1", QStyle::SP_DirClosedIcon},
        };
        for (const auto& [name, picture] : items) {
            auto* action = f.find<QAction>(name);
            QVERIFY2(action, name);
            const QIcon expected = f.w().style()->standardIcon(picture);
            for (const int extent : {16, 32}) {
                QVERIFY2(imageOf(action->icon().pixmap(extent)) == imageOf(expected.pixmap(extent)), name);
                QVERIFY2(imageOf(action->icon().pixmap(extent, QIcon::Disabled)) ==
                             imageOf(expected.pixmap(extent, QIcon::Disabled)),
                         name);
            }
        }
    }
};

HX_TEST_MAIN(TestGuiMenuPictures)
#include "test_gui_menupictures.moc"
