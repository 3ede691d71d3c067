// The standard buttons and dialogs speak Portuguese.
#include "ui/translations.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class TestGuiTranslations : public QObject {
    Q_OBJECT

private slots:
    void standardButtonsArePortuguese()
    {
        QVERIFY(installPortugueseTranslations(*QCoreApplication::instance()));
        QMessageBox box(QMessageBox::Information, QStringLiteral("t"), QStringLiteral("x"),
                        QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Sim"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Não"));
        QMessageBox open(QMessageBox::Information, QStringLiteral("t"), QStringLiteral("x"), QMessageBox::Open);
        QCOMPARE(open.button(QMessageBox::Open)->text().remove(QLatin1Char('&')), QStringLiteral("Abrir"));
    }
};

QTEST_MAIN(TestGuiTranslations)
#include "test_gui_translations.moc"
