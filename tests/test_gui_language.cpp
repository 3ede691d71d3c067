// The window in English and in Portuguese: the same texts, each in the language the desktop asks
// for, and every control's text fits in the room its control has.
#include "clifixtures.h"
#include "editorinput.h"
#include "files/language.h"
#include "projectversion.h"
#include "testprogram.h"
#include "windowfixture.h"
#include "windowprobes.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>

namespace
{

struct Shown {
    const char* what;
    const char* portuguese;
    const char* english;
};

// What the user sees, in both languages. Pages and buttons by their object names.
const Shown kShown[] = {
    {"window", "Halvex Tech - Configuração Terminal 2G - Versão %1",
     "Halvex Tech - 2G Terminal Configuration - Version %1"},
    {"page 0", "Rede", "Network"},
    {"page 1", "Conexão", "Connection"},
    {"page 2", "Protocolo", "Protocol"},
    {"page 3", "Gerais", "General"},
    {"page 4", "Seriais", "Serial"},
    {"page 5", "Logo", "Logo"},
    {"BtConectar", "Conectar", "Connect"},
    {"BtPedeStatus", "Pede Status", "Ask Status"},
    {"BtLer", "Ler", "Read"},
    {"BtDesbloqueio", "Desbloqueio", "Unlock"},
    {"BtGravar", "Gravar", "Write"},
    {"BtDefault", "Default", "Default"},
    {"BtReboot", "Reboot", "Reboot"},
    {"btnLog", "Log Conf.", "Conf. Log"},
    {"BtSair", "Sair", "Exit"},
    {"status", "Desconectado", "Disconnected"},
    {"information box", "HXConfig: Digite o Endreço IP do Terminal", "HXConfig: Type the Terminal's IP Address"},
    {"warning box", "Aviso: Arquivo LogCfg.txt não localizado!", "Warning: File LogCfg.txt not found!"},
    {"question box",
     "Configuração: Geralmente a Porta COM 0 é configurada como \"NÃO\"!\rTêm certeza que deseja configurar como "
     "\"SIM\" e alterar suas configurações?",
     "Configuration: COM Port 0 is usually configured as \"NO\"!\rAre you sure you want to configure it as \"YES\" "
     "and change its settings?"},
    {"open dialog", "Abrir: Arquivo Texto (*.txt)", "Open: Text File (*.txt)"},
    {"compare dialog", "Comparar com o Lido", "Compare with Read Values"},
    // The field table's page name and caption, and the check's severity and message.
    {"problem", "Rede / Nº Retries: erro: \"3x\" deve ter só algarismos",
     "Network / No. of Retries: error: \"3x\" must hold digits only"},
    {"problem icon", "erro", "error"},
};

void removeTranslators()
{
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

QString boxText(const ScriptedDialogs::Shown& box)
{
    return box.caption + QStringLiteral(": ") + box.text;
}

// Every text on the window, its menus and its pages, as the user finds it.
QMap<QString, QString> shownTexts(WindowFixture& f)
{
    QMap<QString, QString> shown;
    shown.insert(QStringLiteral("window"), f.w().windowTitle());
    const auto* pages = f.find<QTabWidget>("ParConfgs");
    for (int i = 0; i < pages->count(); ++i)
        shown.insert(QStringLiteral("page %1").arg(i), pages->tabText(i));
    for (const char* name : {"BtConectar", "BtPedeStatus", "BtLer", "BtDesbloqueio", "BtGravar", "BtDefault",
                             "BtReboot", "btnLog", "BtSair"})
        shown.insert(QString::fromLatin1(name), f.button(name)->text());
    shown.insert(QStringLiteral("status"), f.status());

    f.combo("IpTerm")->setEditText(QString());
    f.button("BtConectar")->click();
    f.find<QAction>("Log1")->trigger();
    f.dialogs.answers = {false};
    f.check("cbCom0")->setChecked(true);
    f.button("btAbrirArquivo")->click();
    const QList<ScriptedDialogs::Shown>& boxes = f.dialogs.shown;
    if (boxes.size() == 4) {
        shown.insert(QStringLiteral("information box"), boxText(boxes.at(0)));
        shown.insert(QStringLiteral("warning box"), boxText(boxes.at(1)));
        shown.insert(QStringLiteral("question box"), boxText(boxes.at(2)));
        shown.insert(QStringLiteral("open dialog"), boxes.at(3).caption + QStringLiteral(": ") + f.dialogs.lastFilter);
    }
    f.find<QAction>("CompararLido1")->setEnabled(true);
    f.find<QAction>("CompararLido1")->trigger();
    if (!f.dialogs.dialogsSeen.isEmpty())
        shown.insert(QStringLiteral("compare dialog"), f.dialogs.dialogsSeen.constLast().title);

    // A read whose only problem is the retries box: the first line of the list of problems.
    feedRead(f, readReply(clifixtures::withText(clifixtures::startImage(), "edRetries", "3x").mid(2)));
    if (const QAction* first = f.find<QMenu>("mnProblemas")->actions().value(0))
        shown.insert(QStringLiteral("problem"), first->text());
    if (const QLabel* icon = f.edit("edRetries")->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        shown.insert(QStringLiteral("problem icon"), icon->accessibleName());
    return shown;
}

// A control's one-line text and the width its control leaves for it, as the style lays it out.
std::pair<QString, int> textAndRoom(const QWidget& w)
{
    if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        if (label->wordWrap() || label->textFormat() == Qt::RichText || label->text().startsWith(u'<'))
            return {};
        return {label->text(), label->contentsRect().width() - 2 * label->margin()};
    }
    const auto* button = qobject_cast<const QAbstractButton*>(&w);
    if (!button)
        return {};
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    int taken = 0;
    if (qobject_cast<const QCheckBox*>(button)) {
        contents = QStyle::SE_CheckBoxContents;
    } else if (qobject_cast<const QRadioButton*>(button)) {
        contents = QStyle::SE_RadioButtonContents;
    } else if (!button->icon().isNull()) {
        taken = button->iconSize().width() + 4; // the icon beside the text
    }
    const int room = button->style()->subElementRect(contents, &option, button).width() - taken;
    return {QString(button->text()).remove(u'&'), room};
}

} // namespace

class TestGuiLanguage : public QObject
{
    Q_OBJECT

private slots:
    void windowSpeaksTheLanguage_data();
    void windowSpeaksTheLanguage();
    void everyTextFits_data() { windowSpeaksTheLanguage_data(); }
    void everyTextFits();
    void cleanup() { removeTranslators(); }
};

void TestGuiLanguage::windowSpeaksTheLanguage_data()
{
    QTest::addColumn<Language>("language");
    QTest::newRow("Portuguese") << Language::Portuguese;
    QTest::newRow("English") << Language::English;
}

void TestGuiLanguage::windowSpeaksTheLanguage()
{
    QFETCH(Language, language);
    QVERIFY(language::install(*QCoreApplication::instance(), language));
    WindowFixture f;
    f.pause.real = false;
    f.create();
    const QMap<QString, QString> shown = shownTexts(f);
    for (const Shown& expected : kShown) {
        const QString what = QString::fromLatin1(expected.what);
        QVERIFY2(shown.contains(what), expected.what);
        // %1: the release CMake names.
        QCOMPARE(shown.value(what),
                 QString::fromUtf8(language == Language::English ? expected.english : expected.portuguese)
                     .replace(QStringLiteral("%1"), projectVersion()));
    }
}

// No clipped label, button, check box, radio button or tab: each text's width fits the room its
// control's geometry leaves it, on every page.
void TestGuiLanguage::everyTextFits()
{
    QFETCH(Language, language);
    QVERIFY(language::install(*QCoreApplication::instance(), language));
    WindowFixture f;
    f.create();
    auto* pages = f.find<QTabWidget>("ParConfgs");
    QStringList clipped;
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        QCoreApplication::processEvents();
        const QList<QWidget*> widgets = f.w().findChildren<QWidget*>();
        for (const QWidget* w : widgets) {
            if (!w->isVisible())
                continue;
            const auto [text, room] = textAndRoom(*w);
            const int needed = w->fontMetrics().horizontalAdvance(text);
            if (!text.isEmpty() && needed > room)
                clipped.append(QStringLiteral("%1 \"%2\": %3 > %4").arg(w->objectName(), text).arg(needed).arg(room));
        }
    }
    const QTabBar* tabs = pages->tabBar();
    int tabsWidth = 0;
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)) > tabs->tabRect(i).width())
            clipped.append(QStringLiteral("tab \"%1\"").arg(tabs->tabText(i)));
        tabsWidth += tabs->tabRect(i).width();
    }
    // Every page's tab in sight at once, none behind the bar's scroll buttons.
    if (tabsWidth > tabs->width())
        clipped.append(QStringLiteral("tabs: %1 > %2").arg(tabsWidth).arg(tabs->width()));
    clipped.removeDuplicates();
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

HX_TEST_MAIN(TestGuiLanguage)
#include "test_gui_language.moc"
