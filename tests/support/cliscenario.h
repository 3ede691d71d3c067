#pragma once

#include "cliprocess.h"
#include "recordingproxy.h"
#include "simprocess.h"

#include <QStringList>

#include <memory>

// One terminal and one run of hxconfig-cli against it through a recording proxy. Tests start many
// at once and then look at each, so that the write sequences' pauses overlap.
class CliScenario final
{
    Q_DISABLE_COPY_MOVE(CliScenario)

public:
    explicit CliScenario(const QStringList& simArgs = {});

    // Starts hxconfig-cli; "ADDRESS" in the arguments stands for the proxy's address.
    void start(QStringList arguments, const QStringList& environment = {}, const QString& program = {});
    // Waits for the run started last (within 30 s).
    bool wait();

    SimProcess sim;
    RecordingProxy proxy;
    std::unique_ptr<CliProcess> cli;

    // The frames the tool sent, as words: "status", "read PASSWORD", "unlock PASSWORD", "write",
    // "reboot", "logo".
    QStringList frameWords() const;
    // Milliseconds between the frame at `index` and the one before it.
    qint64 gapBefore(int index) const;
    // The first write frame, or empty.
    QByteArray writeFrame() const;
};
