// The main window as designed: controls, captions, choice lists, initial states, typing limits,
// tool-tips and the fixed frame, built without the window's behaviour.
#include "projectversion.h"
#include "testprogram.h"
#include "ui/commandbuttons.h"
#include "ui/controlrules.h"
#include "ui/maindesign.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>

#include <memory>

namespace
{

const QString settingsFile = QStringLiteral("/opt/hx/ConfDefault.ini");

QStringList twoDigits()
{
    QStringList texts;
    for (int i = 0; i < 100; ++i)
        texts.append(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')));
    return texts;
}

QStringList itemsOf(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

QStringList editorChoiceBoxes()
{
    return {QStringLiteral("cbVelocidade"),
            QStringLiteral("cbHFDuplex"),
            QStringLiteral("cbTeclaDel"),
            QStringLiteral("cbTeclaBackspace"),
            QStringLiteral("cbImpDefault"),
            QStringLiteral("cbAcionamento"),
            QStringLiteral("cbTeclado"),
            QStringLiteral("cbPolaridade"),
            QStringLiteral("cbVLCM"),
            QStringLiteral("cbTecladoTouch"),
            QStringLiteral("cbSincronismoVideo"),
            QStringLiteral("cbNumTerm"),
            QStringLiteral("cbCanalBase"),
            QStringLiteral("cbTaxa"),
            QStringLiteral("cbBaud0"),
            QStringLiteral("cbParidade0"),
            QStringLiteral("cbBits0"),
            QStringLiteral("cbStop0"),
            QStringLiteral("cbHand0"),
            QStringLiteral("cbFlag0"),
            QStringLiteral("cbBaud1"),
            QStringLiteral("cbParidade1"),
            QStringLiteral("cbBits1"),
            QStringLiteral("cbStop1"),
            QStringLiteral("cbHand1"),
            QStringLiteral("cbFlag1")};
}

QStringList serialParameterControls()
{
    QStringList names;
    for (const char* port : {"0", "1"}) {
        for (const char* base : {"cbBaud", "cbParidade", "cbBits", "cbStop", "cbHand", "cbFlag", "edTimeout"})
            names.append(QLatin1String(base) + QLatin1String(port));
    }
    return names;
}

} // namespace

class TestGuiLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsHaveTheirNamesAndKinds_data();
    void controlsHaveTheirNamesAndKinds();
    void captions_data();
    void captions();
    void windowCaptionPagesAndMenu();
    void choiceLists_data();
    void choiceLists();
    void choiceBoxesStartWithoutSelection();
    void initialEnabledAndVisibleStates();
    void radioButtonsFormTwoGroups();
    void passwordBoxesEchoStars();
    void typedSeventhPasswordCharacterIsRefused();
    void programTextIsNeverCut();
    void longerProgramTextCanBeShortenedButNotLengthened();
    void typingLimits_data();
    void typingLimits();
    void loginAndPasswordTypeLowerCase();
    void boxesDoNotCompleteTypedText();
    void macAddressIsReadOnly();
    void accessibleNames_data();
    void accessibleNames();
    void everyInputHasAnAccessibleName();
    void tabAndEnterOnCommandButtons();
    void toolTipList();
    void toolTipsOnControls();
    void toolTipShowsOnDisabledControl();
    void controlsDoNotOverlap();
    void fixedFrameWithoutMaximize();

private:
    QWidget* widget(const char* name) const
    {
        auto* found = m_window->findChild<QWidget*>(QLatin1String(name));
        if (!found)
            qWarning("missing control %s", name);
        return found;
    }
    template <typename T> T* get(const char* name) const { return m_window->findChild<T*>(QLatin1String(name)); }

    std::unique_ptr<QMainWindow> m_window;
};

void TestGuiLayout::init()
{
    m_window = std::make_unique<QMainWindow>();
    buildMainWindowDesign(m_window.get());
}

void TestGuiLayout::cleanup()
{
    m_window.reset();
}

void TestGuiLayout::controlsHaveTheirNamesAndKinds_data()
{
    QTest::addColumn<QString>("kind");
    const auto add = [](const char* kind, std::initializer_list<const char*> names) {
        for (const char* name : names)
            QTest::newRow(name) << QString::fromLatin1(kind);
    };
    add("QComboBox",
        {"IpTerm",        "cbVelocidade", "cbHFDuplex",   "cbTeclaDel", "cbTeclaBackspace", "cbImpDefault",
         "cbAcionamento", "cbTeclado",    "cbPolaridade", "cbVLCM",     "cbTecladoTouch",   "cbSincronismoVideo",
         "cbNumTerm",     "cbCanalBase",  "cbTaxa",       "cbBaud0",    "cbParidade0",      "cbBits0",
         "cbStop0",       "cbHand0",      "cbFlag0",      "cbBaud1",    "cbParidade1",      "cbBits1",
         "cbStop1",       "cbHand1",      "cbFlag1"});
    add("QLineEdit", {"VSenhaAtual", "VNovaSenha", "edTimeOutR", "edRetries", "edMac", "VIpRemoto", "VIpLocal",
                      "VPortaRemota", "VPortaLocal", "VGateway", "VSubnet", "VLogin", "VPassword", "VCNPJ",
                      "edConTelNet", "edDelay", "edTimeout0", "edTimeout1"});
    add("QCheckBox", {"cbConexaoTCP", "cbInterface2G", "cbLeitorMifare", "cbCom0", "cbCom1"});
    add("QRadioButton", {"rbServer", "rbClient", "rbSystem", "HabCorvale", "HabVT100", "HabTelNet"});
    add("QPushButton", {"BtConectar", "BtPedeStatus", "BtLer", "BtDesbloqueio", "BtGravar", "BtDefault", "BtReboot",
                        "btnLog", "BtSair", "btAbrirArquivo", "btLerArquivo", "btEscreverArquivo"});
    add("QLabel", {"Label13", "Label17", "Label32", "lbConectado", "lbArquivo", "lbCaminho"});
    add("QTabWidget", {"ParConfgs"});
    add("QMenuBar", {"MainMenu1"});
    add("QMenu", {"Arquivo1"});
}

void TestGuiLayout::controlsHaveTheirNamesAndKinds()
{
    QFETCH(QString, kind);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QWidget* found = m_window->findChild<QWidget*>(name);
    QVERIFY2(found, qPrintable(name));
    QCOMPARE(QString::fromLatin1(found->metaObject()->className()), kind);
    QCOMPARE(m_window->findChildren<QWidget*>(name).size(), 1);
}

void TestGuiLayout::captions_data()
{
    QTest::addColumn<QString>("text");
    const auto add = [](const char* name, const QString& text) { QTest::newRow(name) << text; };
    add("BtConectar", QStringLiteral("Conectar"));
    add("BtPedeStatus", QStringLiteral("Pede Status"));
    add("BtLer", QStringLiteral("Ler"));
    add("BtDesbloqueio", QStringLiteral("Desbloqueio"));
    add("BtGravar", QStringLiteral("Gravar"));
    add("BtDefault", QStringLiteral("Default"));
    add("BtReboot", QStringLiteral("Reboot"));
    add("btnLog", QStringLiteral("Log Conf."));
    add("BtSair", QStringLiteral("Sair"));
    add("btAbrirArquivo", QStringLiteral("Abrir Arquivo"));
    add("btLerArquivo", QStringLiteral("Lê Arquivo"));
    add("btEscreverArquivo", QStringLiteral("Escrever Arquivo"));
    add("cbConexaoTCP", QStringLiteral("Conexão TCP"));
    add("cbInterface2G", QStringLiteral(" Interface de RF 2.4G"));
    add("cbLeitorMifare", QStringLiteral("Leitor Mifare"));
    add("cbCom0", QStringLiteral("COM 0"));
    add("cbCom1", QStringLiteral("COM 1"));
    add("rbServer", QStringLiteral("Server"));
    add("rbClient", QStringLiteral("Client"));
    add("rbSystem", QStringLiteral("System"));
    add("HabCorvale", QStringLiteral("Corvale"));
    add("HabVT100", QStringLiteral("VT - 100"));
    add("HabTelNet", QStringLiteral("TelNet"));
    add("Label13", QStringLiteral("Nº do Terminal"));
    add("Label17", QStringLiteral("Canal Base"));
    add("Label32", QStringLiteral("Taxa de Transmissão"));
    add("lbConectado", QStringLiteral("Desconectado"));
    add("lbArquivo", QStringLiteral("Arquivo:"));
    add("lbCaminho", QStringLiteral("C:\\"));
}

void TestGuiLayout::captions()
{
    QFETCH(QString, text);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QObject* found = m_window->findChild<QWidget*>(name);
    QVERIFY2(found, qPrintable(name));
    QCOMPARE(found->property("text").toString(), text);
}

void TestGuiLayout::windowCaptionPagesAndMenu()
{
    // The release in the title is the one CMake names.
    QVERIFY(!projectVersion().isEmpty());
    QCOMPARE(m_window->windowTitle(),
             QStringLiteral("Halvex Tech - Configuração Terminal 2G - Versão ") + projectVersion());
    QCOMPARE(m_window->objectName(), QStringLiteral("fmVarnel"));

    auto* pages = get<QTabWidget>("ParConfgs");
    QVERIFY(pages);
    QCOMPARE(pages->geometry(), QRect(26, 55, 569, 308));
    const QStringList titles = {QStringLiteral("Rede"),   QStringLiteral("Conexão"), QStringLiteral("Protocolo"),
                                QStringLiteral("Gerais"), QStringLiteral("Seriais"), QStringLiteral("Logo")};
    const QStringList names = {QStringLiteral("TabRede"),      QStringLiteral("TabConexao"),
                               QStringLiteral("TabProtocolo"), QStringLiteral("TabGerais"),
                               QStringLiteral("TabSeriais"),   QStringLiteral("TabLogo")};
    QCOMPARE(pages->count(), 6);
    for (int i = 0; i < pages->count(); ++i) {
        QCOMPARE(pages->tabText(i), titles[i]);
        QCOMPARE(pages->widget(i)->objectName(), names[i]);
    }
    QCOMPARE(pages->currentIndex(), 3);
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabGerais"));
    // The page that holds a control is the one named for it.
    QCOMPARE(widget("cbParidade1")->parentWidget()->objectName(), QStringLiteral("TabSeriais"));
    QCOMPARE(widget("edMac")->parentWidget()->objectName(), QStringLiteral("TabRede"));
    QCOMPARE(widget("lbCaminho")->parentWidget()->objectName(), QStringLiteral("TabLogo"));

    auto* menu = get<QMenu>("Arquivo1");
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("Arquivo"));
    QCOMPARE(m_window->menuBar()->objectName(), QStringLiteral("MainMenu1"));
    const QList<QAction*> items = menu->actions();
    QVERIFY(items.size() >= 3); // the safety-net items follow them (test_gui_safetynet)
    QCOMPARE(items[0]->objectName(), QStringLiteral("Diretrio1"));
    QCOMPARE(items[0]->text(), QStringLiteral("Diretório"));
    QCOMPARE(items[1]->objectName(), QStringLiteral("Log1"));
    QCOMPARE(items[1]->text(), QStringLiteral("Log"));
    QCOMPARE(items[2]->objectName(), QStringLiteral("VisualizarLog1"));
    QCOMPARE(items[2]->text(), QStringLiteral("Visualizar Log"));
    for (QAction* item : items)
        QVERIFY2(!item->icon().isNull(), qPrintable(item->objectName()));

    // The command buttons carry text only.
    for (const QString& name : commandButtonNames())
        QVERIFY(m_window->findChild<QPushButton*>(name)->icon().isNull());
}

void TestGuiLayout::choiceLists_data()
{
    QTest::addColumn<QStringList>("items");
    const QStringList noYes = {QStringLiteral("Não"), QStringLiteral("Sim")};
    const QStringList bauds = {QStringLiteral("1200"),  QStringLiteral("2400"),  QStringLiteral("4800"),
                               QStringLiteral("9600"),  QStringLiteral("19200"), QStringLiteral("38400"),
                               QStringLiteral("57600"), QStringLiteral("115200")};
    QTest::newRow("cbVelocidade") << QStringList{QStringLiteral("Automático"), QStringLiteral("10 Mbit/s"),
                                                 QStringLiteral("100 Mbis/s")};
    QTest::newRow("cbHFDuplex") << QStringList{QStringLiteral("Half Duplex"), QStringLiteral("Full Duplex")};
    QTest::newRow("cbTeclaDel") << QStringList{QStringLiteral("Chr(27)"), QStringLiteral("Chr(127)")};
    QTest::newRow("cbTeclaBackspace") << QStringList{QStringLiteral("Chr(08)"), QStringLiteral("Chr(127)")};
    QTest::newRow("cbImpDefault") << QStringList{QStringLiteral("Paralela"), QStringLiteral("Serial")};
    QTest::newRow("cbAcionamento") << QStringList{QStringLiteral("Nenhuma"), QStringLiteral("Saída"),
                                                  QStringLiteral("Entrada"), QStringLiteral("Todas")};
    QTest::newRow("cbTeclado") << QStringList{QStringLiteral("44 Numérico"), QStringLiteral("44 Qwerty"),
                                              QStringLiteral("16 Teclas"), QStringLiteral("65 Teclas")};
    QTest::newRow("cbPolaridade") << QStringList{QStringLiteral("Subida"), QStringLiteral("Descida")};
    QTest::newRow("cbVLCM") << noYes;
    QTest::newRow("cbTecladoTouch") << noYes;
    QTest::newRow("cbSincronismoVideo") << QStringList{QStringLiteral("H-   V-"), QStringLiteral("H+   V-"),
                                                       QStringLiteral("H-   V+"), QStringLiteral("H+   V+")};
    QTest::newRow("cbNumTerm") << twoDigits();
    QTest::newRow("cbCanalBase") << twoDigits();
    QTest::newRow("cbTaxa") << QStringList{QStringLiteral("250 Kbit/s"), QStringLiteral("1 Mbit/s")};
    for (const char* baud : {"cbBaud0", "cbBaud1"})
        QTest::newRow(baud) << bauds;
    for (const char* parity : {"cbParidade0", "cbParidade1"})
        QTest::newRow(parity) << QStringList{QStringLiteral("Sem"), QStringLiteral("Par"), QStringLiteral("Ímpar")};
    for (const char* bits : {"cbBits0", "cbBits1"})
        QTest::newRow(bits) << QStringList{QStringLiteral("8"), QStringLiteral("7")};
    for (const char* stop : {"cbStop0", "cbStop1"})
        QTest::newRow(stop) << QStringList{QStringLiteral("1"), QStringLiteral("2")};
    for (const char* hand : {"cbHand0", "cbHand1"})
        QTest::newRow(hand) << QStringList{QStringLiteral("Cts/ Rts"), QStringLiteral("XOn/ XOff"),
                                           QStringLiteral("Nenhum")};
    for (const char* flag : {"cbFlag0", "cbFlag1"})
        QTest::newRow(flag) << noYes;
    QTest::newRow("IpTerm") << QStringList{};
}

void TestGuiLayout::choiceLists()
{
    QFETCH(QStringList, items);
    auto* box = m_window->findChild<QComboBox*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(box);
    QCOMPARE(itemsOf(box), items);
}

void TestGuiLayout::choiceBoxesStartWithoutSelection()
{
    QStringList names = editorChoiceBoxes();
    names.append(QStringLiteral("IpTerm"));
    QCOMPARE(m_window->findChildren<QComboBox*>().size(), names.size());
    for (const QString& name : names) {
        auto* box = m_window->findChild<QComboBox*>(name);
        QVERIFY2(box, qPrintable(name));
        QVERIFY2(box->isEditable(), qPrintable(name));
        QCOMPARE(box->insertPolicy(), QComboBox::NoInsert);
        QCOMPARE(box->currentIndex(), -1);
        QCOMPARE(box->currentText(), QString());
    }
    for (QLineEdit* box : m_window->findChildren<QLineEdit*>())
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    for (QAbstractButton* button : m_window->findChildren<QAbstractButton*>())
        QVERIFY2(!button->isChecked(), qPrintable(button->objectName()));
}

void TestGuiLayout::initialEnabledAndVisibleStates()
{
    QStringList disabled = serialParameterControls();
    disabled << QStringLiteral("VLogin") << QStringLiteral("VPassword") << QStringLiteral("VCNPJ")
             << QStringLiteral("edConTelNet") << QStringLiteral("cbTeclaBackspace") << QStringLiteral("cbTeclaDel")
             << QStringLiteral("cbLeitorMifare") << QStringLiteral("btLerArquivo")
             << QStringLiteral("btEscreverArquivo");
    for (const QString& name : commandButtonNames()) {
        if (name != QLatin1String("BtSair"))
            disabled << name;
    }
    const QStringList hidden = {QStringLiteral("cbNumTerm"),     QStringLiteral("cbCanalBase"),
                                QStringLiteral("cbTaxa"),        QStringLiteral("Label13"),
                                QStringLiteral("Label17"),       QStringLiteral("Label32"),
                                QStringLiteral("cbLeitorMifare")};
    int inputs = 0;
    for (QWidget* control : m_window->findChildren<QWidget*>()) {
        const bool input = qobject_cast<QComboBox*>(control) || qobject_cast<QLineEdit*>(control) ||
                           qobject_cast<QAbstractButton*>(control);
        // The notebook's scroll buttons and the combo boxes' line edits are parts, not controls.
        if (!input || control->objectName().isEmpty() || control->objectName().startsWith(QLatin1String("qt_")) ||
            qobject_cast<QTabBar*>(control->parentWidget()))
            continue;
        ++inputs;
        const QString name = control->objectName();
        QVERIFY2(control->isEnabled() == !disabled.contains(name), qPrintable(name));
        QVERIFY2(control->isHidden() == hidden.contains(name), qPrintable(name));
    }
    QCOMPARE(inputs, 27 + 18 + 5 + 6 + 12);
    for (const char* label : {"Label13", "Label17", "Label32"})
        QVERIFY(widget(label)->isHidden());
    QVERIFY(widget("cbImpDefault")->isEnabled());
    QVERIFY(widget("BtConectar")->isEnabled());
    QVERIFY(widget("btAbrirArquivo")->isEnabled());
}

void TestGuiLayout::radioButtonsFormTwoGroups()
{
    QWidget* role = widget("rbServer")->parentWidget();
    QCOMPARE(widget("rbClient")->parentWidget(), role);
    QCOMPARE(widget("rbSystem")->parentWidget(), role);
    QWidget* protocol = widget("HabCorvale")->parentWidget();
    QCOMPARE(widget("HabVT100")->parentWidget(), protocol);
    QCOMPARE(widget("HabTelNet")->parentWidget(), protocol);
    QVERIFY(role != protocol);

    get<QRadioButton>("rbSystem")->setChecked(true);
    get<QRadioButton>("HabTelNet")->setChecked(true);
    get<QRadioButton>("rbClient")->setChecked(true);
    QVERIFY(!get<QRadioButton>("rbSystem")->isChecked());
    QVERIFY(get<QRadioButton>("HabTelNet")->isChecked());
}

void TestGuiLayout::passwordBoxesEchoStars()
{
    QCOMPARE(get<QLineEdit>("VSenhaAtual")->echoMode(), QLineEdit::Password);
    QCOMPARE(get<QLineEdit>("VNovaSenha")->echoMode(), QLineEdit::Password);
    QCOMPARE(get<QLineEdit>("VPassword")->echoMode(), QLineEdit::Normal);
    for (const char* name : {"VSenhaAtual", "VNovaSenha"}) {
        auto* box = get<QLineEdit>(name);
        box->ensurePolished();
        QStyleOptionFrame option;
        option.initFrom(box);
        QCOMPARE(box->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, &option, box), int('*'));
    }
}

void TestGuiLayout::typedSeventhPasswordCharacterIsRefused()
{
    for (const char* name : {"VSenhaAtual", "VNovaSenha"}) {
        auto* box = get<QLineEdit>(name);
        QCOMPARE(box->maxLength(), 32767); // the limit is the rule's, not the box's
        QSignalSpy rejected(box, &QLineEdit::inputRejected);
        QTest::keyClicks(box, QStringLiteral("1234567"));
        QCOMPARE(box->text(), QStringLiteral("123456"));
        QCOMPARE(rejected.size(), 1);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, QStringLiteral("ab"));
        QCOMPARE(box->text(), QStringLiteral("12345a"));
    }
}

void TestGuiLayout::programTextIsNeverCut()
{
    auto* box = get<QLineEdit>("VIpLocal");
    const QString twenty = QStringLiteral("192.168.100.200:1234");
    QCOMPARE(twenty.size(), 20);
    box->setText(twenty);
    QCOMPARE(box->text(), twenty);
    QVERIFY(box->hasAcceptableInput());
    // Enter still reaches the box's reaction with a text over the limit.
    QSignalSpy returned(box, &QLineEdit::returnPressed);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(returned.size(), 1);

    auto* login = get<QLineEdit>("VLogin");
    login->setText(QStringLiteral("Operador"));
    QCOMPARE(login->text(), QStringLiteral("Operador"));
}

void TestGuiLayout::longerProgramTextCanBeShortenedButNotLengthened()
{
    auto* box = get<QLineEdit>("edTimeOutR");
    box->setText(QStringLiteral("123456"));
    box->setFocus();
    box->end(false);
    QTest::keyClick(box, Qt::Key_7);
    QCOMPARE(box->text(), QStringLiteral("123456"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("12345"));
    // Replacing a selected character keeps the length and is allowed.
    box->setSelection(4, 1);
    QTest::keyClick(box, Qt::Key_9);
    QCOMPARE(box->text(), QStringLiteral("12349"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_8);
    QCOMPARE(box->text(), QStringLiteral("1234"));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_1);
    QCOMPARE(box->text(), QStringLiteral("1"));
    // Once the program shortens the text, the limit holds again from there.
    box->setText(QStringLiteral("12"));
    QTest::keyClicks(box, QStringLiteral("345"));
    QCOMPARE(box->text(), QStringLiteral("1234"));
}

void TestGuiLayout::typingLimits_data()
{
    QTest::addColumn<int>("limit");
    const auto add = [](const char* name, int limit) { QTest::newRow(name) << limit; };
    add("VSenhaAtual", 6);
    add("VNovaSenha", 6);
    add("edTimeOutR", 4);
    add("edRetries", 2);
    add("VIpRemoto", 16);
    add("VIpLocal", 16);
    add("VPortaRemota", 5);
    add("VPortaLocal", 5);
    add("VGateway", 16);
    add("VSubnet", 16);
    add("VLogin", 16);
    add("VPassword", 16);
    add("VCNPJ", 16);
    add("edConTelNet", 16);
    add("edDelay", 2);
    add("edTimeout0", 3);
    add("edTimeout1", 3);
}

void TestGuiLayout::typingLimits()
{
    QFETCH(int, limit);
    auto* box = m_window->findChild<QLineEdit*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(box);
    box->setEnabled(true); // some start disabled; typing is what is measured here
    QTest::keyClicks(box, QString(limit + 3, QLatin1Char('7')));
    QCOMPARE(box->text(), QString(limit, QLatin1Char('7')));
}

void TestGuiLayout::loginAndPasswordTypeLowerCase()
{
    for (const char* name : {"VLogin", "VPassword"}) {
        auto* box = get<QLineEdit>(name);
        box->setEnabled(true);
        QTest::keyClicks(box, QStringLiteral("AbÇ1X"));
        QCOMPARE(box->text(), QStringLiteral("abç1x"));
    }
    auto* cnpj = get<QLineEdit>("VCNPJ");
    cnpj->setEnabled(true);
    QTest::keyClicks(cnpj, QStringLiteral("AbC"));
    QCOMPARE(cnpj->text(), QStringLiteral("AbC"));
    // Only typed letters: a text the program set keeps its capitals.
    auto* login = get<QLineEdit>("VLogin");
    login->setText(QStringLiteral("ADMIN"));
    login->setCursorPosition(2);
    QTest::keyClicks(login, QStringLiteral("X"));
    QCOMPARE(login->text(), QStringLiteral("ADxMIN"));
    login->end(false);
    QTest::keyClick(login, Qt::Key_Backspace);
    QCOMPARE(login->text(), QStringLiteral("ADxMI"));
}

void TestGuiLayout::boxesDoNotCompleteTypedText()
{
    // A completed address would connect to another terminal; a completed number would store it.
    for (QComboBox* box : m_window->findChildren<QComboBox*>())
        QVERIFY2(!box->completer(), qPrintable(box->objectName()));
    auto* address = get<QComboBox>("IpTerm");
    address->addItems({QStringLiteral("192.168.0.100")});
    address->setCurrentIndex(-1);
    address->clearEditText();
    QTest::keyClicks(address, QStringLiteral("192.168.0.1"));
    QCOMPARE(address->currentText(), QStringLiteral("192.168.0.1"));
}

void TestGuiLayout::macAddressIsReadOnly()
{
    auto* mac = get<QLineEdit>("edMac");
    QVERIFY(mac->isReadOnly());
    mac->setText(QStringLiteral("00:1A:2B:3C:4D:5E"));
    QTest::keyClicks(mac, QStringLiteral("xyz"));
    QTest::keyClick(mac, Qt::Key_Backspace);
    QCOMPARE(mac->text(), QStringLiteral("00:1A:2B:3C:4D:5E"));
    QVERIFY(mac->validator() == nullptr);
    mac->selectAll();
    QCOMPARE(mac->selectedText(), QStringLiteral("00:1A:2B:3C:4D:5E"));
}

void TestGuiLayout::accessibleNames_data()
{
    QTest::addColumn<QString>("name");
    const auto add = [](const char* control, const QString& name) { QTest::newRow(control) << name; };
    add("IpTerm", QStringLiteral("IP do Terminal:"));
    add("VSenhaAtual", QStringLiteral("Senha Atual:"));
    add("VNovaSenha", QStringLiteral("Nova Senha:"));
    add("edTimeOutR", QStringLiteral("Timeout Rede"));
    add("edRetries", QStringLiteral("Nº Retries"));
    add("cbSincronismoVideo", QStringLiteral("Sincronismo de Vídeo"));
    add("cbNumTerm", QStringLiteral("Nº do Terminal"));
    add("VSubnet", QStringLiteral("Subnet Mask"));
    add("cbBaud0", QStringLiteral("Baud - Rate COM 0"));
    add("cbBits1", QStringLiteral("Nº de Bits COM 1"));
    add("edTimeout1", QStringLiteral("Timeout COM 1"));
    add("cbInterface2G", QStringLiteral("Interface de RF 2.4G"));
    add("HabVT100", QStringLiteral("VT - 100"));
    add("btnLog", QStringLiteral("Log Conf."));
}

void TestGuiLayout::accessibleNames()
{
    QFETCH(QString, name);
    QWidget* control = m_window->findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    QCOMPARE(control->accessibleName(), name);
}

void TestGuiLayout::everyInputHasAnAccessibleName()
{
    QSet<QString> names;
    for (QWidget* control : m_window->findChildren<QWidget*>()) {
        const bool input = qobject_cast<QComboBox*>(control) || qobject_cast<QLineEdit*>(control) ||
                           qobject_cast<QAbstractButton*>(control);
        if (!input || control->objectName().isEmpty() || control->objectName().startsWith(QLatin1String("qt_")) ||
            qobject_cast<QTabBar*>(control->parentWidget()))
            continue;
        const QString name = control->accessibleName();
        QVERIFY2(!name.isEmpty() && name == name.trimmed(), qPrintable(control->objectName()));
        QVERIFY2(!names.contains(name), qPrintable(name)); // each one tells its control apart
        names.insert(name);
    }
    QCOMPARE(names.size(), 68);
}

void TestGuiLayout::tabAndEnterOnCommandButtons()
{
    QCOMPARE(widget("VNovaSenha")->focusPolicy(), Qt::ClickFocus);
    QVERIFY(widget("VSenhaAtual")->focusPolicy() & Qt::TabFocus);
    for (const QString& name : commandButtonNames()) {
        auto* button = m_window->findChild<QPushButton*>(name);
        QCOMPARE(button->focusPolicy(), Qt::ClickFocus);
        QVERIFY(button->autoDefault());
    }
    auto* quit = get<QPushButton>("BtSair");
    QSignalSpy clicked(quit, &QPushButton::clicked);
    QTest::keyClick(quit, Qt::Key_Return);
    QCOMPARE(clicked.size(), 1);
}

void TestGuiLayout::toolTipList()
{
    const QList<ToolTipEntry> entries = ::toolTipList(settingsFile);
    QCOMPARE(entries.size(), 49);
    QCOMPARE(entries.first().objectNames, QStringList{QStringLiteral("cbPolaridade")});
    QCOMPARE(entries.first().text, QStringLiteral("Define a borda do sinal de clock utilizado\n\rna leitura dos dados "
                                                  "na interface teclado AT."));
    QCOMPARE(entries[1].objectNames, (QStringList{QStringLiteral("cbCom0"), QStringLiteral("cbCom1")}));
    QCOMPARE(entries[7].text, QStringLiteral(u"Valores válidos: Sim, Não\n\rFunção: Habilitar o envio de dados "
                                             u"recebidos pela Serial do terminal no formato compatível com o Flag de "
                                             u"Serial do Microterminal RS-485,\n\rou seja: “\\” + chr(nibble "
                                             u"superior+0x0e) + chr(nibble inferior + 0xe0)."));
    QCOMPARE(entries[11].text, QStringLiteral("Valores válidos:  Sim ou Não\n\rFunção:  Define a existência  de "
                                              "Leitor de Cartão Magnético."));
    QCOMPARE(entries[35].objectNames,
             (QStringList{QStringLiteral("HabCorvale"), QStringLiteral("HabVT100"), QStringLiteral("HabTelNet")}));
    QCOMPARE(entries[41].text, QStringLiteral("Valores válidos: Sim ou Não\rFunção: Habilitar o uso da serial 0 como "
                                              "porta de entrada para uma interface touch-screen.\rDeve-se habilitar a "
                                              "Serial 0 do Terminal com 9600, N, 8, 1 e sem controle de fluxo."));
    QCOMPARE(entries[47].objectNames, QStringList{QStringLiteral("BtDefault")});
    QCOMPARE(entries[47].text, QStringLiteral("Executa a leitura de um arquivo de inicialização contendo a "
                                              "configuração padrão da empresa\rLocal do Arquivo INI: ") +
                                   settingsFile);
    QCOMPARE(entries.last().objectNames, QStringList{QStringLiteral("BtReboot")});
    QCOMPARE(entries.last().text, QStringLiteral("Reinicia o terminal para que os novos parâmetros entrem em "
                                                 "funcionamento"));

    const QList<QPair<QString, QString>> perControl = toolTipTexts(settingsFile);
    QCOMPARE(perControl.size(), 49 + 8 + 2);
    QCOMPARE(perControl[1], qMakePair(QStringLiteral("cbCom0"), entries[1].text));
    QCOMPARE(perControl[2], qMakePair(QStringLiteral("cbCom1"), entries[1].text));
    QCOMPARE(perControl.last().first, QStringLiteral("BtReboot"));
}

void TestGuiLayout::toolTipsOnControls()
{
    for (QWidget* control : m_window->findChildren<QWidget*>())
        QVERIFY2(control->toolTip().isEmpty(), qPrintable(control->objectName()));

    assignToolTips(m_window.get(), settingsFile);
    for (const auto& [name, text] : toolTipTexts(settingsFile)) {
        QWidget* control = m_window->findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->toolTipDuration(), 8000);
        QVERIFY(!control->toolTip().contains(QLatin1Char('\r')));
        QCOMPARE(control->toolTip().count(QLatin1Char('\n')),
                 text.count(QLatin1Char('\r'))); // each break becomes exactly one line feed
    }
    QCOMPARE(
        widget("cbPolaridade")->toolTip(),
        QStringLiteral("Define a borda do sinal de clock utilizado\nna leitura dos dados na interface teclado AT."));
    QVERIFY(widget("BtDefault")->toolTip().endsWith(QStringLiteral("\nLocal do Arquivo INI: ") + settingsFile));
    for (const char* untipped : {"IpTerm", "BtConectar", "BtSair", "btnLog", "VSenhaAtual", "VNovaSenha",
                                 "btAbrirArquivo", "lbCaminho", "Label13"})
        QVERIFY2(widget(untipped)->toolTip().isEmpty(), untipped);
}

void TestGuiLayout::toolTipShowsOnDisabledControl()
{
    assignToolTips(m_window.get(), settingsFile);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    get<QTabWidget>("ParConfgs")->setCurrentIndex(4);
    QWidget* parity = widget("cbParidade1");
    QVERIFY(!parity->isEnabled());
    QVERIFY(parity->isVisible());
    // Resting the pointer on it is what the user does.
    QTest::mouseMove(parity, parity->rect().center());
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), parity->toolTip());
    QVERIFY(QToolTip::text().startsWith(QStringLiteral("Valores válidos: Par, Impar, Nenhum\nFunção:")));
    QToolTip::hideText();
}

// Every control lies inside its container and no two share pixels, hidden ones included, since
// the program shows them later.
void TestGuiLayout::controlsDoNotOverlap()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    auto* pages = get<QTabWidget>("ParConfgs");
    QList<QWidget*> containers = {m_window->centralWidget(), widget("frPapelTCP"), widget("frProtocolo"),
                                  widget("Panel1")};
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        containers.append(pages->widget(i));
    }
    for (QWidget* container : containers) {
        QVERIFY(container);
        const QList<QWidget*> children = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QVERIFY(!children.isEmpty());
        for (int a = 0; a < children.size(); ++a) {
            const QRect first = children[a]->geometry();
            QVERIFY2(container->rect().contains(first),
                     qPrintable(children[a]->objectName() + QLatin1String(" outside ") + container->objectName()));
            for (int b = a + 1; b < children.size(); ++b) {
                QVERIFY2(!first.intersects(children[b]->geometry()),
                         qPrintable(children[a]->objectName() + QLatin1String(" / ") + children[b]->objectName()));
            }
        }
    }
    const QList<QWidget*> rowButtons = [&] {
        QList<QWidget*> list;
        for (const QString& name : commandButtonNames())
            list.append(m_window->findChild<QWidget*>(name));
        return list;
    }();
    for (QWidget* button : rowButtons) {
        QCOMPARE(button->y(), 377);
        QCOMPARE(button->height(), 28);
    }
    QCOMPARE(widget("BtSair")->geometry().right(), 638 - 1 - 8);
    QCOMPARE(widget("Panel1")->geometry(), QRect(0, 449 - 41, 638, 41));
}

void TestGuiLayout::fixedFrameWithoutMaximize()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QCOMPARE(m_window->centralWidget()->size(), QSize(638, 449));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QCOMPARE(m_window->width(), 638);
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    // Centred on the screen it opens on.
    const QRect area = m_window->screen()->availableGeometry();
    QVERIFY(qAbs(m_window->geometry().center().x() - area.center().x()) <= 1);
}

HX_TEST_MAIN(TestGuiLayout)
#include "test_gui_layout.moc"
