// The configuration model against the window: for generated images and company files, what the
// window shows and holds after a read, after "Default", after PadBeforeWrite and in its "Log Conf."
// record equals what the model computes from the image alone.
#include "editorinput.h"
#include "files/configfile.h"
#include "files/inifile.h"
#include "files/profilefile.h"
#include "image/imagerecord.h"
#include "image/profile.h"
#include "image/readable.h"
#include "image/writeprep.h"
#include "imagebuilders.h"
#include "imagegen.h"
#include "testprogram.h"
#include "textfilebytes.h"
#include "windowfixture.h"

#include <QTest>

namespace
{

constexpr quint32 kRounds = 300;

QString settingsName()
{
    return QStringLiteral("ConfDefault.ini");
}

QString context(quint32 seed, const QByteArray& actual, const QByteArray& expected)
{
    return QStringLiteral("seed %1: %2").arg(seed).arg(diff(actual, expected));
}

// The record after its date line. A text with a line break in it is written as it is, so the
// body is compared whole.
QByteArray bodyOf(const QByteArray& record)
{
    return record.mid(record.indexOf("\r\n") + 2);
}

} // namespace

class TestGuiConfigModel : public QObject
{
    Q_OBJECT

private slots:
    void captionsAreTheAccessibleNames();
    void readShowsTheReadableValues();
    void defaultGivesTheAppliedProfile();
    void exportedSectionsPasteIntoTheCompanyFile();
    void defaultIgnoresExtensionKeys();
    void logRecordAfterARead();
    void paddingAndBlankCheckAfterARead();
};

void TestGuiConfigModel::captionsAreTheAccessibleNames()
{
    WindowFixture f;
    f.create();
    for (const image::Field& field : image::layout()) {
        if (field.control.empty() || field.kind == image::Kind::NewPassword || field.kind == image::Kind::Code)
            continue;
        auto* control = f.find<QWidget>(field.control.data());
        QVERIFY2(control, field.control.data());
        QCOMPARE(control->accessibleName(), image::captionOf(field));
        // Every choice box lists the items of its field, and nothing else.
        if (auto* box = qobject_cast<QComboBox*>(control)) {
            QStringList items;
            for (int i = 0; i < box->count(); ++i)
                items.append(box->itemText(i));
            QCOMPARE(items, image::itemTexts(field));
        }
    }
    QCOMPARE(f.check("cbConexaoTCP")->accessibleName(), image::captionOf(*image::fieldOf("cbConexaoTCP")));
    // The role and protocol buttons carry the value names of their codes.
    QCOMPARE(image::itemTexts(*image::fieldOf("cbConexaoTCP")).mid(1),
             (QStringList{f.radio("rbClient")->text(), f.radio("rbServer")->text(), f.radio("rbSystem")->text()}));
    QCOMPARE(image::itemTexts(*image::fieldOf("HabTelNet")),
             (QStringList{f.radio("HabVT100")->text(), f.radio("HabCorvale")->text(), f.radio("HabTelNet")->text()}));
}

void TestGuiConfigModel::readShowsTheReadableValues()
{
    WindowFixture f;
    f.create();
    for (quint32 seed = 1; seed <= kRounds; ++seed) {
        ImageGen gen(seed);
        const QByteArray image = seed % 2 ? gen.anyImage() : gen.readableImage();
        feedRead(f, image);
        const QByteArray working = f.w().buffer().workingCopy();
        QVERIFY2(working == image::workingCopyAfterRead(image),
                 qPrintable(context(seed, working, image::workingCopyAfterRead(image))));
        for (const image::Field& field : image::layout()) {
            QVERIFY2(f.w().shownValue(field) == image::readableValue(field, image),
                     qPrintable(QStringLiteral("seed %1, %2: \"%3\" != \"%4\"")
                                    .arg(seed)
                                    .arg(image::captionOf(field), f.w().shownValue(field),
                                         image::readableValue(field, image))));
        }
    }
}

void TestGuiConfigModel::defaultGivesTheAppliedProfile()
{
    WindowFixture f;
    f.create();
    for (quint32 seed = 1; seed <= kRounds; ++seed) {
        ImageGen gen(seed);
        const QByteArray image = seed % 2 ? gen.anyImage() : gen.readableImage();
        f.writeFile(settingsName(), windowsTextFile(iniLines(gen.companyProfile(image))));
        const image::ApplyResult model =
            image::applyProfile(image, image::profileFromIni(IniFile(f.path(settingsName()))));
        QVERIFY2(model.problems.isEmpty(), qPrintable(model.problems.value(0).text()));

        feedRead(f, image);
        f.dialogs.clear();
        f.w().BtDefaultClick(); // the COM 0 question, if asked, is answered Yes
        const QByteArray window = f.w().buffer().workingCopy();
        QVERIFY2(window == model.image, qPrintable(context(seed, window, model.image)));
        QVERIFY(f.w().loadingFlag());
    }
}

void TestGuiConfigModel::exportedSectionsPasteIntoTheCompanyFile()
{
    // The five sections of a configuration file, pasted into ConfDefault.ini, make the window's
    // "Default" give the exported terminal's configuration to another one, except what only the
    // extension keys can say: the 2.4 GHz fields and the TCP role "none".
    WindowFixture f;
    f.create();
    for (quint32 seed = 1; seed <= kRounds / 2; ++seed) {
        ImageGen gen(seed);
        const QByteArray exported = gen.readableImage();
        const QByteArray target = gen.readableImage();
        QByteArray file = configFileBytes(exported, {});
        file.truncate(file.indexOf("[Terminal]"));
        f.writeFile(settingsName(), "[HXConfig]\r\nListBox=0\r\n" + file);

        feedRead(f, target);
        f.w().BtDefaultClick();
        const QByteArray window = f.w().buffer().workingCopy();
        const QByteArray wanted = image::workingCopyAfterRead(exported);
        for (const image::Field& field : image::layout()) {
            if (field.key.empty())
                continue;
            const QByteArray shown = window.mid(field.first, field.width);
            const QByteArray own = image::workingCopyAfterRead(target).mid(field.first, field.width);
            const bool noRole = field.rule == image::Rule::TcpRole && wanted.at(field.first) == 0;
            QVERIFY2(shown == (field.extension ? own
                               : noRole        ? target.mid(field.first, 1)
                                               : wanted.mid(field.first, field.width)),
                     qPrintable(QStringLiteral("seed %1, %2").arg(seed).arg(image::captionOf(field))));
        }
    }
}

void TestGuiConfigModel::defaultIgnoresExtensionKeys()
{
    WindowFixture f;
    f.create();
    const QByteArray image = richImage();
    f.writeFile(settingsName(), windowsTextFile({QStringLiteral("[Gerais]"), QStringLiteral("Interface2G=Nao"),
                                                 QStringLiteral("NumTerminal=3"), QStringLiteral("CanalBase=4"),
                                                 QStringLiteral("Taxa=250 Kbit/s"), QStringLiteral("[Conexao]"),
                                                 QStringLiteral("ConexaoTCP=Nao"), QStringLiteral("Tipo=Nenhum")}));
    feedRead(f, image);
    f.w().BtDefaultClick();
    QCOMPARE(f.w().buffer().workingCopy(), image::applyProfile(image, {}).image);
    QVERIFY(f.check("cbInterface2G")->isChecked());
    QCOMPARE(f.combo("cbNumTerm")->currentText(), QStringLiteral("07"));
    QVERIFY(f.radio("rbServer")->isChecked());

    // The model applies them.
    const image::ApplyResult model = image::applyProfile(image, image::profileFromIni(IniFile(f.path(settingsName()))));
    QVERIFY(model.problems.isEmpty());
    QCOMPARE(model.image.mid(15, 5), QByteArray("\0\3\4\0\0", 5));
}

void TestGuiConfigModel::logRecordAfterARead()
{
    WindowFixture f;
    f.create();
    const QDateTime when = QDateTime::currentDateTime();
    for (quint32 seed = 1; seed <= kRounds; ++seed) {
        ImageGen gen(seed);
        const QByteArray image = seed % 2 ? gen.anyImage() : gen.readableImage();
        feedRead(f, image);
        QFile::remove(f.path(QStringLiteral("LogCfg.txt")));
        QVERIFY(f.w().GeraLogCfg());
        const QByteArray window = bodyOf(f.readFile(QStringLiteral("LogCfg.txt")));
        const QByteArray model = bodyOf(image::logRecordOf(image, when, QLocale::system()));
        if (seed % 2 == 0)
            QCOMPARE(window.count("\r\n"), 15);
        QVERIFY2(window == model, qPrintable(QString::number(seed)));
    }
}

void TestGuiConfigModel::paddingAndBlankCheckAfterARead()
{
    WindowFixture f;
    f.create();
    for (quint32 seed = 1; seed <= kRounds; ++seed) {
        ImageGen gen(seed);
        QByteArray image = gen.readableImage();
        // Short numbers, or an empty field now and then.
        for (const char* control : {"edTimeOutR", "edRetries", "edTimeout0", "edTimeout1", "VCNPJ", "edDelay"}) {
            const image::Field& field = *image::fieldOf(control);
            const int length = gen.below(field.shown ? field.shown + 1 : field.width + 1);
            const QByteArray digits = QByteArray::number(gen.below(1000)).left(length).rightJustified(length, '7');
            image.replace(field.first, field.width, digits + QByteArray(field.width - length, '\0'));
        }
        feedRead(f, image);
        f.edit("VSenhaAtual")->setText(QStringLiteral("123456"));
        const image::WritePreparation model = image::prepareWrite(image::workingCopyAfterRead(image), QString());
        QCOMPARE(f.w().AllFieldsFilled(), model.emptyFields.isEmpty());
        f.w().PadBeforeWrite();
        const QByteArray window = f.w().buffer().workingCopy();
        if (model.emptyFields.isEmpty())
            QVERIFY2(window == model.image, qPrintable(context(seed, window, model.image)));
    }
}

HX_TEST_MAIN(TestGuiConfigModel)
#include "test_gui_configmodel.moc"
