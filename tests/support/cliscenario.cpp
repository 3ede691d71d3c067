#include "cliscenario.h"

#include "image/layout.h"

CliScenario::CliScenario(const QStringList& simArgs) : sim(simArgs), proxy(sim.port()) {}

void CliScenario::start(QStringList arguments, const QStringList& environment, const QString& program)
{
    arguments.replaceInStrings(QStringLiteral("ADDRESS"), proxy.address());
    cli = std::make_unique<CliProcess>(arguments, environment, program);
}

bool CliScenario::wait()
{
    return cli && cli->wait();
}

QStringList CliScenario::frameWords() const
{
    QStringList words;
    for (const QByteArray& frame : proxy.frameBytes()) {
        if (frame.size() == image::kImageSize) {
            words << (frame.at(1) == 'G' ? QStringLiteral("write") : QStringLiteral("logo"));
            continue;
        }
        const QByteArray body = frame.mid(1, frame.size() - 2);
        if (body == "S")
            words << QStringLiteral("status");
        else if (body == "BZ")
            words << QStringLiteral("reboot");
        else if (body.startsWith("UW"))
            words << QStringLiteral("unlock ") + QString::fromLatin1(body.mid(2));
        else if (body.startsWith('L'))
            words << QStringLiteral("read ") + QString::fromLatin1(body.mid(1));
        else
            words << QStringLiteral("? ") + QString::fromLatin1(frame.toHex(' '));
    }
    return words;
}

qint64 CliScenario::gapBefore(int index) const
{
    if (index < 1 || index >= proxy.frames.size())
        return -1;
    return proxy.frames.at(index).atMs - proxy.frames.at(index - 1).atMs;
}

QByteArray CliScenario::writeFrame() const
{
    for (const QByteArray& frame : proxy.frameBytes()) {
        if (frame.size() == image::kImageSize && frame.at(1) == 'G')
            return frame;
    }
    return {};
}
