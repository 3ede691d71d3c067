// Times the decoding of a 260-byte read reply into the editor of a real main window, and the
// building of the write frame from the working copy. Prints the mean per operation.
#include "ui/silentdialogs.h"
#include "terminalstate.h"
#include "ui/tfmvarnel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

constexpr int kDecodeRounds = 2000;
constexpr int kFrameRounds = 1000000;

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir settingsDir;
    SilentDialogs dialogs;
    TfmVarnel window(settingsDir.path() + QLatin1Char('/'), dialogs);
    window.setLocalAddressSource([] { return QString(); });
    window.FormCreate();
    window.show();
    QCoreApplication::processEvents();

    const QByteArray reply = initialState(QByteArrayLiteral("123456")).image;

    // As the read press and the read reply do it: the editor emptied under the loading flag, the
    // reply taken into both copies, then DecodeImage (the only part timed).
    qint64 decodeNs = 0;
    for (int i = 0; i < kDecodeRounds; ++i) {
        window.setLoadingFlag(true);
        window.ClearEditor();
        window.buffer().takeReadReply(reply);
        QElapsedTimer timer;
        timer.start();
        window.DecodeImage();
        decodeNs += timer.nsecsElapsed();
        window.setLoadingFlag(false);
    }

    // The write frame is the working copy as it stands.
    unsigned checksum = 0;
    QElapsedTimer frameTimer;
    frameTimer.start();
    for (int i = 0; i < kFrameRounds; ++i) {
        window.buffer().setWorking(200, std::uint8_t(i));
        const QByteArray frame = window.buffer().workingCopy();
        checksum += std::uint8_t(frame.at(200)) + std::uint8_t(frame.size());
    }
    const qint64 frameNs = frameTimer.nsecsElapsed();

    std::printf("DecodeImage (260-byte image, real window): %.2f us per decode (%d rounds)\n",
                double(decodeNs) / kDecodeRounds / 1000.0, kDecodeRounds);
    std::printf("write frame build (ImageBuffer::workingCopy): %.3f us per frame (%d rounds, checksum %u)\n",
                double(frameNs) / kFrameRounds / 1000.0, kFrameRounds, checksum);
    return 0;
}
