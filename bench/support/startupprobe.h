#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// Start-up of whole programs, measured from outside the way a user waits for it: from the moment
// the program is started (exec) to its first painted window, with the peak resident memory of the
// process up to then. The measured program needs no change: Qt loads the probe plugin
// (firstpaintprobe.cpp) into it on request, and the plugin reports the first paint and ends it.

struct StartupCase {
    QString label;
    QString program; // path of the executable
    QStringList arguments;
    QString workingDirectory; // empty: the benchmark's own
};

struct StartupRun {
    double milliseconds = 0; // exec to the first painted window (CLOCK_MONOTONIC on both sides)
    long peakKib = 0;        // peak resident memory up to the first paint (the process's VmHWM)
    QString failure;         // empty when the run reached its first paint
};

struct StartupFigures {
    QString label;
    double medianMs = 0;
    double medianPeakKib = 0;
    int runs = 0;
};

class StartupProbe
{
public:
    // probeDir holds generic/libhxfirstpaint.so; a run that shows no window within timeoutMs fails.
    explicit StartupProbe(QString probeDir, int timeoutMs = 30000);

    // The probe plugin's directory as built beside the benchmarks (bin/probes).
    static QString probeDirBeside(const QString& applicationDir);

    StartupRun run(const StartupCase& startup) const;

    // One unmeasured run of each case first (it fills the file and font caches), then `rounds`
    // rounds that run every case once, the order rotating from round to round so that no case
    // always follows the same one. Medians per case, in the order of `cases`. On the first failed
    // run, failure says which and the figures are empty.
    QList<StartupFigures> measure(const QList<StartupCase>& cases, int rounds, QString* failure) const;

private:
    QString m_probeDir;
    int m_timeoutMs;
};

double medianOf(std::vector<double> values);
