// Times the configuration model on one image: the company default applied by the model against the
// window's "Default" on the same settings file (the baseline, measured in the same run), the
// configuration file written and parsed, and the differences of two images. Prints the means.
#include "files/configfile.h"
#include "files/inifile.h"
#include "files/profilefile.h"
#include "image/differences.h"
#include "image/profile.h"
#include "terminalstate.h"
#include "ui/silentdialogs.h"
#include "ui/tfmvarnel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

constexpr int kRounds = 2000;

template <typename Work> double meanMicroseconds(Work work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kRounds; ++i)
        work(i);
    return double(timer.nsecsElapsed()) / kRounds / 1000.0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir settingsDir;
    const QString dir = settingsDir.path() + QLatin1Char('/');
    SilentDialogs dialogs;
    TfmVarnel window(dir, dialogs);
    window.setLocalAddressSource([] { return QString(); });
    window.FormCreate();

    QByteArray image = initialState(QByteArrayLiteral("123456")).image;
    image[1] = 'F';
    // A company default with every key: the sections of the image's own configuration file, with
    // COM 0 left out so that "Default" asks no question.
    QByteArray company = configFileBytes(image, {});
    company.truncate(company.indexOf("[Terminal]"));
    company.replace("Habilitado0=", "; Habilitado0=");
    QFile file(dir + QStringLiteral("ConfDefault.ini"));
    if (!file.open(QIODevice::WriteOnly) || file.write(company) != company.size())
        return 1;
    file.close();
    const image::Profile profile = image::profileFromIni(IniFile(file.fileName()));

    window.setLoadingFlag(true);
    window.ClearEditor();
    window.handleReply(image);
    const double windowDefault = meanMicroseconds([&window](int) { window.BtDefaultClick(); });
    unsigned checksum = 0;
    const double modelApply =
        meanMicroseconds([&](int) { checksum += std::uint8_t(image::applyProfile(image, profile).image.at(104)); });
    const IniFile settings(file.fileName());
    const double modelWithRead = meanMicroseconds([&](int) {
        checksum += std::uint8_t(image::applyProfile(image, image::profileFromIni(settings)).image.at(104));
    });
    const double fileWrite =
        meanMicroseconds([&](int) { checksum += std::uint8_t(configFileBytes(image, {}).size()); });
    const QByteArray bytes = configFileBytes(image, {});
    const double fileParse =
        meanMicroseconds([&](int) { checksum += parseConfigFile(bytes).value().image.size() & 1; });
    QByteArray other = image;
    other[104] = 2;
    const double diff = meanMicroseconds([&](int) { checksum += unsigned(image::differences(image, other).size()); });

    std::printf("window \"Default\" from the settings file (mean of %d): %.1f us\n", kRounds, windowDefault);
    std::printf("model applyProfile, profile read once (mean):  %.1f us  (ratio to the window %.2f)\n", modelApply,
                modelApply / windowDefault);
    std::printf("model applyProfile, settings file read each time: %.1f us  (ratio %.2f)\n", modelWithRead,
                modelWithRead / windowDefault);
    std::printf("configuration file written (mean):             %.1f us\n", fileWrite);
    std::printf("configuration file parsed (mean):              %.1f us\n", fileParse);
    std::printf("differences of two images (mean):              %.1f us\n", diff);
    std::printf("(checksum %u)\n", checksum);
    return 0;
}
