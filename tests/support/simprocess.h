#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

// Runs the built hxterm-sim on a free loopback port for one test. The terminal's memory goes to
// a state file (a temporary one unless a path is given, so that two runs can share it); the
// stored*() functions read it back. The process is stopped when the object goes.
class SimProcess final
{
    Q_DISABLE_COPY_MOVE(SimProcess)

public:
    explicit SimProcess(const QStringList& extraArgs = {}, const QString& statePath = {});
    ~SimProcess();

    // True once the simulator has printed its "listening" line (within about 5 s).
    bool isRunning() const { return m_port != 0; }
    quint16 port() const { return m_port; }
    QString address() const; // "127.0.0.1:PORT"
    QString statePath() const { return m_statePath; }
    QString errorOutput(); // what the simulator wrote to stderr so far
    QString output();      // what it wrote to stdout after its "listening" line, so far

    // From the state file; empty when it cannot be read.
    QByteArray storedImage() const;
    QByteArray storedLogo() const;
    QString storedPassword() const;

    void stop();

private:
    QTemporaryDir m_dir;
    QString m_statePath;
    QProcess m_process;
    quint16 m_port = 0;
    QString m_output;
};

// Runs the built hxterm-sim with --fleet N for one test: each terminal on a free loopback port
// unless the extra arguments say otherwise (--listen, --port, --address-step), its memory in a
// state folder (or in the process only) and the fleet file beside it, in a temporary folder.
// Stopped when the object goes.
class FleetProcess final
{
    Q_DISABLE_COPY_MOVE(FleetProcess)

public:
    enum class Memory { StateFolder, InProcess };

    explicit FleetProcess(int count, const QStringList& extraArgs = {}, Memory memory = Memory::StateFolder);
    ~FleetProcess();

    // True once every terminal has printed its "listening" line (within about 10 s).
    bool isRunning() const { return m_addresses.size() == m_count; }
    // "127.0.0.1:PORT" of each terminal, first to last.
    const QStringList& addresses() const { return m_addresses; }
    QString fleetFile() const;
    QString stateFolder() const;
    QString errorOutput();
    qint64 processId() const { return m_process.processId(); }

    // Terminal `number` (from 1) as its state file holds it; empty when it cannot be read.
    QByteArray storedImage(int number) const;
    QString storedPassword(int number) const;

    void stop();

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_count;
    QStringList m_addresses;
};
