// The language follows the desktop's locale, and Qt's own buttons and dialogs follow it too.
#include "files/language.h"
#include "testprogram.h"
#include "windowprobes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

class TestGuiTranslations : public QObject
{
    Q_OBJECT

private slots:
    void languageFollowsTheLocale_data();
    void languageFollowsTheLocale();
    void standardButtonsFollowTheLanguage_data();
    void standardButtonsFollowTheLanguage();
    void cleanup();
};

void TestGuiTranslations::languageFollowsTheLocale_data()
{
    QTest::addColumn<QString>("LANGUAGE");
    QTest::addColumn<QString>("LC_ALL");
    QTest::addColumn<QString>("LC_MESSAGES");
    QTest::addColumn<QString>("LANG");
    QTest::addColumn<Language>("expected");
    const Language en = Language::English;
    const Language pt = Language::Portuguese;
    QTest::newRow("nothing set") << ""
                                 << ""
                                 << ""
                                 << "" << pt;
    QTest::newRow("C") << ""
                       << ""
                       << ""
                       << "C" << pt;
    QTest::newRow("C.UTF-8") << ""
                             << ""
                             << ""
                             << "C.UTF-8" << pt;
    QTest::newRow("POSIX") << ""
                           << ""
                           << ""
                           << "POSIX" << pt;
    QTest::newRow("English") << ""
                             << ""
                             << ""
                             << "en_US.UTF-8" << en;
    QTest::newRow("British with modifier") << ""
                                           << ""
                                           << ""
                                           << "en_GB.UTF-8@euro" << en;
    QTest::newRow("bare en") << ""
                             << ""
                             << ""
                             << "en" << en;
    QTest::newRow("Brazilian") << ""
                               << ""
                               << ""
                               << "pt_BR.UTF-8" << pt;
    QTest::newRow("Portugal") << ""
                              << ""
                              << ""
                              << "pt_PT" << pt;
    QTest::newRow("German: no translation") << ""
                                            << ""
                                            << ""
                                            << "de_DE.UTF-8" << pt;
    QTest::newRow("LC_MESSAGES over LANG") << ""
                                           << ""
                                           << "en_US.UTF-8"
                                           << "pt_BR.UTF-8" << en;
    QTest::newRow("LC_ALL over LC_MESSAGES") << ""
                                             << "pt_BR.UTF-8"
                                             << "en_US.UTF-8"
                                             << "en_US.UTF-8" << pt;
    QTest::newRow("LC_ALL English") << ""
                                    << "en_US.UTF-8"
                                    << ""
                                    << "pt_BR.UTF-8" << en;
    QTest::newRow("LC_ALL=C over English LANG") << ""
                                                << "C"
                                                << ""
                                                << "en_US.UTF-8" << pt;
    QTest::newRow("LANGUAGE first") << "en_US"
                                    << ""
                                    << ""
                                    << "pt_BR.UTF-8" << en;
    QTest::newRow("LANGUAGE Portuguese") << "pt_BR:en"
                                         << ""
                                         << ""
                                         << "en_US.UTF-8" << pt;
    QTest::newRow("LANGUAGE skips untranslated") << "de:fr:en"
                                                 << ""
                                                 << ""
                                                 << "de_DE.UTF-8" << en;
    QTest::newRow("LANGUAGE none translated") << "de:fr"
                                              << ""
                                              << ""
                                              << "en_US.UTF-8" << en;
    QTest::newRow("LANGUAGE ignored in C") << "en"
                                           << ""
                                           << ""
                                           << "C.UTF-8" << pt;
    QTest::newRow("LANGUAGE ignored unset") << "en"
                                            << ""
                                            << ""
                                            << "" << pt;
}

void TestGuiTranslations::languageFollowsTheLocale()
{
    QProcessEnvironment environment;
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = *static_cast<const QString*>(QTest::qData(name, qMetaTypeId<QString>()));
        if (!value.isEmpty())
            environment.insert(QString::fromLatin1(name), value);
    }
    QFETCH(Language, expected);
    QCOMPARE(language::fromEnvironment(environment), expected);
}

void TestGuiTranslations::standardButtonsFollowTheLanguage_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("yes");
    QTest::addColumn<QString>("no");
    QTest::addColumn<QString>("open");
    QTest::newRow("Portuguese") << Language::Portuguese << "Sim"
                                << "Não"
                                << "Abrir";
    QTest::newRow("English") << Language::English << "Yes"
                             << "No"
                             << "Open";
}

void TestGuiTranslations::standardButtonsFollowTheLanguage()
{
    QFETCH(Language, language);
    QFETCH(QString, yes);
    QFETCH(QString, no);
    QFETCH(QString, open);
    QVERIFY(language::install(*QCoreApplication::instance(), language));
    QMessageBox box(QMessageBox::Information, QStringLiteral("t"), QStringLiteral("x"),
                    QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), yes);
    QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), no);
    QMessageBox openBox(QMessageBox::Information, QStringLiteral("t"), QStringLiteral("x"), QMessageBox::Open);
    QCOMPARE(openBox.button(QMessageBox::Open)->text().remove(QLatin1Char('&')), open);
}

// Each case starts without the catalogues of the one before.
void TestGuiTranslations::cleanup()
{
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

HX_TEST_MAIN(TestGuiTranslations)
#include "test_gui_translations.moc"
