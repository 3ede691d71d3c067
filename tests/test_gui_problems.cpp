// The checks of a configuration in the window: the marker inside a control, its tool-tip and
// accessible description, "N problemas" in the status strip and the list it opens; and that they
// only inform: no box, no button changed, nothing before a read.
#include "clifixtures.h"
#include "editorinput.h"
#include "testprogram.h"
#include "windowfixture.h"

#include "image/layout.h"
#include "image/readable.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

using clifixtures::startImage;
using clifixtures::withText;

namespace
{

const QString kMask = QStringLiteral("erro: a máscara 255.0.255.0 não é contígua (todos os bits 1 devem vir antes dos "
                                     "bits 0); sugestão: 255.0.0.0");
const QString kTelNetOnly =
    QStringLiteral("aviso: o terminal só envia este valor com Conexão TCP \"System\" e protocolo \"TelNet\"");

QByteArray replyOf(const QByteArray& image)
{
    return readReply(image.mid(2));
}

// The small icons the markers put inside a control.
QList<QLabel*> iconsIn(QWidget* control)
{
    return control->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
}

} // namespace

class TestGuiProblems : public QObject
{
    Q_OBJECT

private slots:
    void nothingBeforeARead();
    void countAfterARead_data();
    void countAfterARead();
    void markedControlTellsItsProblem();
    void typingAFixClearsTheMarker();
    void listNamesPagesAndLeadsToTheControl();
    void markersNeverStopAnything();
    void emptyingTheEditorClearsEverything();
};

void TestGuiProblems::nothingBeforeARead()
{
    WindowFixture f;
    f.create();
    auto* count = f.find<QLabel>("lbProblemas");
    QVERIFY(count);
    QVERIFY(count->isHidden());
    // An empty editor is no configuration: its empty address boxes are not marked.
    QCOMPARE(f.edit("VIpLocal")->accessibleDescription(), QString());
    QVERIFY(iconsIn(f.edit("VIpLocal")).isEmpty());
}

void TestGuiProblems::countAfterARead_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("marked");

    QByteArray sound = withText(startImage(), "VCNPJ", "12345678000195");
    sound[image::fieldOf("cbConexaoTCP")->first] = 3; // System over TelNet
    QTest::newRow("sound") << sound << QString() << QStringList();
    QTest::newRow("one error") << withText(sound, "VSubnet", "255.0.255.0") << QStringLiteral("1 problema")
                               << QStringList{QStringLiteral("VSubnet")};
    QTest::newRow("two errors") << withText(withText(sound, "VSubnet", "0.0.0.0"), "edRetries", "x1")
                                << QStringLiteral("2 problemas")
                                << QStringList{QStringLiteral("VSubnet"), QStringLiteral("edRetries")};
    QTest::newRow("advice") << startImage() << QStringLiteral("4 problemas")
                            << QStringList{QStringLiteral("VLogin"), QStringLiteral("VPassword"),
                                           QStringLiteral("VCNPJ")};
}

void TestGuiProblems::countAfterARead()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, count);
    QFETCH(QStringList, marked);
    WindowFixture f;
    f.create();
    feedRead(f, replyOf(image));
    auto* label = f.find<QLabel>("lbProblemas");
    QCOMPARE(label->isVisibleTo(&f.w()), !count.isEmpty());
    if (!count.isEmpty()) {
        QCOMPARE(label->accessibleName(), count);
        QVERIFY2(label->text().contains(count), qPrintable(label->text()));
    }
    for (const image::Field& field : image::layout()) {
        const QString name = QString::fromLatin1(field.control);
        QWidget* control = name.isEmpty() ? nullptr : f.w().findChild<QWidget*>(name);
        if (!control)
            continue;
        const bool isMarked = marked.contains(name);
        QVERIFY2(control->accessibleDescription().isEmpty() != isMarked, qPrintable(name));
        QCOMPARE(iconsIn(control).size(), isMarked ? 1 : 0);
    }
}

void TestGuiProblems::markedControlTellsItsProblem()
{
    WindowFixture f;
    f.create();
    QLineEdit* mask = f.edit("VSubnet");
    const QString ownTip = mask->toolTip();
    QVERIFY(!ownTip.isEmpty());
    feedRead(f, replyOf(withText(startImage(), "VSubnet", "255.0.255.0")));

    QCOMPARE(mask->accessibleDescription(), kMask);
    QCOMPARE(mask->toolTip(), ownTip + QStringLiteral("\n\n") + kMask);
    // The icon is not colour alone: it has a name of its own and the problem as its description.
    QLabel* icon = iconsIn(mask).value(0);
    QVERIFY(icon);
    QVERIFY(icon->isVisibleTo(mask));
    QCOMPARE(icon->accessibleName(), QStringLiteral("erro"));
    QCOMPARE(icon->accessibleDescription(), kMask);
    QVERIFY(!icon->pixmap().isNull());
    QVERIFY(mask->rect().contains(icon->geometry()));

    // A warning's icon says so.
    QLabel* login = iconsIn(f.edit("VLogin")).value(0);
    QVERIFY(login);
    QCOMPARE(login->accessibleName(), QStringLiteral("aviso"));
    QCOMPARE(f.edit("VLogin")->accessibleDescription(), kTelNetOnly);
    // Two problems of one control, one a line.
    QCOMPARE(f.edit("VCNPJ")->accessibleDescription(),
             QStringLiteral("aviso: os dígitos verificadores do CNPJ 12345678000190 não conferem; sugestão: confira o "
                            "número; com estes 12 primeiros algarismos o CNPJ seria 12345678000195\n") +
                 kTelNetOnly);
}

void TestGuiProblems::typingAFixClearsTheMarker()
{
    WindowFixture f;
    f.create();
    QLineEdit* mask = f.edit("VSubnet");
    const QString ownTip = mask->toolTip();
    feedRead(f, replyOf(withText(startImage(), "VSubnet", "255.0.255.0")));
    QCOMPARE(f.find<QLabel>("lbProblemas")->accessibleName(), QStringLiteral("5 problemas"));

    mask->selectAll();
    typeText(mask, QStringLiteral("255.255.0.0"));
    QCOMPARE(mask->text(), QStringLiteral("255.255.0.0"));
    QCOMPARE(mask->accessibleDescription(), QString());
    QCOMPARE(mask->toolTip(), ownTip);
    QVERIFY(iconsIn(mask).isEmpty());
    QCOMPARE(f.find<QLabel>("lbProblemas")->accessibleName(), QStringLiteral("4 problemas"));

    // A new problem appears as it is typed: the gateway now lies in a wider network, the address
    // is that network's broadcast.
    QLineEdit* ip = f.edit("VIpLocal");
    ip->selectAll();
    typeText(ip, QStringLiteral("192.168.255.255"));
    QCOMPARE(ip->accessibleDescription(),
             QStringLiteral("erro: 192.168.255.255 é o endereço de broadcast da rede 192.168.0.0/16; sugestão: um "
                            "endereço de 192.168.0.1 a 192.168.255.254"));
    QCOMPARE(f.find<QLabel>("lbProblemas")->accessibleName(), QStringLiteral("5 problemas"));

    // Checking System and TelNet takes the advice about Login and Password away.
    f.radio("rbSystem")->click();
    QVERIFY(f.radio("rbSystem")->isChecked());
    QCOMPARE(f.edit("VLogin")->accessibleDescription(), QString());
    QCOMPARE(f.find<QLabel>("lbProblemas")->accessibleName(), QStringLiteral("2 problemas"));
}

void TestGuiProblems::listNamesPagesAndLeadsToTheControl()
{
    WindowFixture f;
    f.create();
    f.w().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.w()));
    feedRead(f, replyOf(withText(withText(startImage(), "VSubnet", "255.0.255.0"), "edRetries", "3x")));
    auto* label = f.find<QLabel>("lbProblemas");
    QVERIFY(label->isVisible());
    auto* list = f.find<QMenu>("mnProblemas");
    QVERIFY(list);
    QVERIFY(!list->isVisible());

    emit label->linkActivated(QStringLiteral("problemas"));
    QTRY_VERIFY(list->isVisible());
    QStringList items;
    for (QAction* item : list->actions())
        items.append(item->text());
    QCOMPARE(items, (QStringList{QStringLiteral("Conexão / Subnet Mask: ") + kMask,
                                 QStringLiteral("Rede / Nº Retries: erro: \"3x\" deve ter só algarismos"),
                                 QStringLiteral("Conexão / Login: ") + kTelNetOnly,
                                 QStringLiteral("Conexão / Password: ") + kTelNetOnly,
                                 QStringLiteral("Conexão / CNPJ: aviso: os dígitos verificadores do CNPJ "
                                                "12345678000190 não conferem; sugestão: confira o número; com estes 12 "
                                                "primeiros algarismos o CNPJ seria 12345678000195"),
                                 QStringLiteral("Conexão / CNPJ: ") + kTelNetOnly}));
    QCOMPARE(label->accessibleDescription(), items.join(QLatin1Char('\n')));

    // Choosing one shows its page and puts the cursor in its control.
    auto* pages = f.find<QTabWidget>("ParConfgs");
    QCOMPARE(pages->tabText(pages->currentIndex()), QStringLiteral("Rede"));
    list->actions().at(0)->trigger();
    QCOMPARE(pages->tabText(pages->currentIndex()), QStringLiteral("Conexão"));
    QTRY_COMPARE(QApplication::focusWidget(), f.edit("VSubnet"));
    list->hide();
}

void TestGuiProblems::markersNeverStopAnything()
{
    // The same read with and without errors leaves the same buttons, boxes and state.
    WindowFixture sound;
    sound.create();
    feedRead(sound, replyOf(startImage()));
    WindowFixture bad;
    bad.create();
    const QByteArray wrong = withText(withText(startImage(), "VSubnet", "255.0.255.0"), "VPortaLocal", "99999");
    feedRead(bad, replyOf(wrong));
    QCOMPARE(bad.buttons(), sound.buttons());
    QVERIFY(bad.dialogs.shown.isEmpty());
    QCOMPARE(bad.status(), sound.status());
    // The working copy holds what was read: the checks store nothing.
    QCOMPARE(bad.w().buffer().workingCopy().mid(2), image::workingCopyAfterRead(wrong).mid(2));
}

void TestGuiProblems::emptyingTheEditorClearsEverything()
{
    WindowFixture f;
    f.create();
    const QString ownTip = f.edit("VSubnet")->toolTip();
    feedRead(f, replyOf(withText(startImage(), "VSubnet", "255.0.255.0")));
    QVERIFY(f.find<QLabel>("lbProblemas")->isVisibleTo(&f.w()));
    f.w().ClearEditor();
    QVERIFY(f.find<QLabel>("lbProblemas")->isHidden());
    QCOMPARE(f.edit("VSubnet")->accessibleDescription(), QString());
    QCOMPARE(f.edit("VSubnet")->toolTip(), ownTip);
    QVERIFY(iconsIn(f.edit("VSubnet")).isEmpty());
}

HX_TEST_MAIN(TestGuiProblems)
#include "test_gui_problems.moc"
