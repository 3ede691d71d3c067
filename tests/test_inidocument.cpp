// Lookups in an INI document and in a settings file read once: the first section of a name and its
// first key of a name win, names match in any letter case (accented letters too), and what an edit
// adds or removes is found at once, while a copy taken before the edit keeps answering as before.
#include "files/inidocument.h"
#include "files/inifile.h"
#include "testprogram.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace
{

const QString kText = u"1=before any section\r\n"
                      u"[Rede]\r\n"
                      u"Tempo=1\r\n"
                      u"tempo=2\r\n"
                      u"  Veloc  =  \"Auto\"  \r\n"
                      u"[Ação]\r\n"
                      u"Nível=alto\r\n"
                      u"[REDE]\r\n"
                      u"Tempo=3\r\n"
                      u"Extra=4\r\n"
                      u"[Vazia]\r\n"
                      u"; comment=no key\r\n"
                      u"[HXConfig]\r\n"
                      u"ListBox=3\r\n"
                      u"3=c\r\n"
                      u"1=a\r\n"
                      u"2=b\r\n"
                      u"1=again\r\n"_s;

} // namespace

class TestIniDocument : public QObject
{
    Q_OBJECT

private slots:
    void lookups_data();
    void lookups();
    void sectionKeys_data();
    void sectionKeys();
    void editsAreFoundAtOnce();
    void copyKeepsItsAnswersAfterAnEdit();
    void viewKeepsTheReadingItWasMadeFrom();
};

void TestIniDocument::lookups_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value"); // "<none>" when missing
    QTest::newRow("first key of a name") << u"Rede"_s << u"Tempo"_s << u"1"_s;
    QTest::newRow("other letter case") << u"rEDE"_s << u"TEMPO"_s << u"1"_s;
    QTest::newRow("blanks and quotes") << u"Rede"_s << u"veloc"_s << u"Auto"_s;
    QTest::newRow("second section of a name is not searched") << u"Rede"_s << u"Extra"_s << u"<none>"_s;
    QTest::newRow("accented names in any case") << u"AÇÃO"_s << u"nÍvel"_s << u"alto"_s;
    QTest::newRow("key before any section") << QString() << u"1"_s << u"<none>"_s;
    QTest::newRow("comment is no key") << u"Vazia"_s << u"; comment"_s << u"<none>"_s;
    QTest::newRow("missing section") << u"Nada"_s << u"Tempo"_s << u"<none>"_s;
    QTest::newRow("repeated key, first wins") << u"HXConfig"_s << u"1"_s << u"a"_s;
    QTest::newRow("name with trailing blank") << u"Rede "_s << u"Tempo"_s << u"<none>"_s;
}

void TestIniDocument::lookups()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const IniDocument document(kText);
    QCOMPARE(document.value(section, key).value_or(u"<none>"_s), value);
}

void TestIniDocument::sectionKeys_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("first spelling, once each") << u"rede"_s << QStringList{u"Tempo"_s, u"Veloc"_s};
    QTest::newRow("file order, repeats once") << u"HXConfig"_s << QStringList{u"ListBox"_s, u"3"_s, u"1"_s, u"2"_s};
    QTest::newRow("comments only") << u"Vazia"_s << QStringList();
    QTest::newRow("missing") << u"Nada"_s << QStringList();
}

void TestIniDocument::sectionKeys()
{
    QFETCH(QString, section);
    QFETCH(QStringList, keys);
    QCOMPARE(IniDocument(kText).keys(section), keys);
}

void TestIniDocument::editsAreFoundAtOnce()
{
    IniDocument document(kText);
    QCOMPARE(document.value(u"Rede"_s, u"Tempo"_s), u"1"_s); // the lookups are ready before the edits
    document.setValue(u"rede"_s, u"Novo"_s, u"5"_s);
    QCOMPARE(document.value(u"REDE"_s, u"novo"_s), u"5"_s);
    QCOMPARE(document.keys(u"Rede"_s), (QStringList{u"Tempo"_s, u"Veloc"_s, u"Novo"_s}));
    document.setValue(u"Outra"_s, u"Chave"_s, u"6"_s);
    QCOMPARE(document.value(u"outra"_s, u"chave"_s), u"6"_s);
    document.setValue(u"Rede"_s, u"tempo"_s, u"7"_s);
    QCOMPARE(document.value(u"Rede"_s, u"Tempo"_s), u"7"_s);
    // Both sections of the name go; a lookup then finds neither.
    QVERIFY(document.removeSection(u"REDE"_s));
    QCOMPARE(document.value(u"Rede"_s, u"Tempo"_s), std::nullopt);
    QCOMPARE(document.value(u"Rede"_s, u"Extra"_s), std::nullopt);
    // The sections after them moved up and are still found.
    QCOMPARE(document.value(u"HXConfig"_s, u"2"_s), u"b"_s);
    document.setValue(u"Rede"_s, u"Tempo"_s, u"8"_s);
    QCOMPARE(document.value(u"Rede"_s, u"Tempo"_s), u"8"_s);
    QVERIFY(document.text().endsWith(u"[Outra]\r\nChave=6\r\n[Rede]\r\nTempo=8\r\n"_s));
}

void TestIniDocument::copyKeepsItsAnswersAfterAnEdit()
{
    const IniDocument original(kText);
    IniDocument edited = original;
    QCOMPARE(edited.value(u"HXConfig"_s, u"3"_s), u"c"_s); // looked up through the copy first
    QVERIFY(edited.removeSection(u"Rede"_s));
    edited.setValue(u"HXConfig"_s, u"4"_s, u"d"_s);
    QCOMPARE(original.value(u"Rede"_s, u"Tempo"_s), u"1"_s);
    QCOMPARE(original.value(u"HXConfig"_s, u"4"_s), std::nullopt);
    QCOMPARE(original.text(), kText);
    QCOMPARE(edited.value(u"HXConfig"_s, u"4"_s), u"d"_s);
    QCOMPARE(edited.value(u"Rede"_s, u"Tempo"_s), std::nullopt);
}

void TestIniDocument::viewKeepsTheReadingItWasMadeFrom()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"ConfDefault.ini"_s);
    const auto write = [&path](const QByteArray& bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    };
    IniFile ini(path);
    const IniView missing = ini.view();
    QVERIFY(write("[HXConfig]\r\nListBox=2\r\n1=a\r\n2=b\r\n"));
    const IniView first = ini.view();
    QVERIFY(write("[HXConfig]\r\nListBox=1\r\n1=z\r\n"));
    const IniView second = ini.view();
    QVERIFY(ini.writeString(u"HXConfig"_s, u"2"_s, u"y"_s));

    QCOMPARE(missing.readString(u"HXConfig"_s, u"1"_s, u"default"_s), u"default"_s);
    QCOMPARE(missing.readSection(u"HXConfig"_s), QStringList());
    QCOMPARE(first.readInteger(u"HXConfig"_s, u"ListBox"_s, 0), 2);
    QCOMPARE(first.readString(u"hxconfig"_s, u"1"_s, {}), u"a"_s);
    QCOMPARE(first.readSection(u"HXConfig"_s), (QStringList{u"ListBox"_s, u"1"_s, u"2"_s}));
    QCOMPARE(second.readString(u"HXConfig"_s, u"1"_s, {}), u"z"_s);
    QCOMPARE(second.readString(u"HXConfig"_s, u"2"_s, u"none"_s), u"none"_s);
    // The file itself answers as it is now.
    QCOMPARE(ini.readString(u"HXConfig"_s, u"2"_s, {}), u"y"_s);
    QCOMPARE(ini.view().readSection(u"HXConfig"_s), (QStringList{u"ListBox"_s, u"1"_s, u"2"_s}));
}

HX_TEST_GUILESS_MAIN(TestIniDocument)
#include "test_inidocument.moc"
