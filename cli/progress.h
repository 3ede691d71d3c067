#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

// What a command that works through many terminals shows on standard error while it runs.
//   StatusLine: one line rewritten in place, "37/100 terminais, falhas: 2, 1.8 s", kept up to date
//               every quarter second; lines that must stay (a failure) are printed above it.
//   Lines:      a line per finished item, "[37/100] 127.0.0.1:4001: changed".
//   Silent:     nothing.
class Progress final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Progress)

public:
    enum class Mode { StatusLine, Lines, Silent };
    static constexpr int kRedrawMs = 250;

    static bool standardErrorIsTerminal();

    // `unit` names what is counted ("terminais"), `counterName` the counter ("falhas").
    Progress(Mode mode, qsizetype total, QString unit, QString counterName, QObject* parent = nullptr);

    void start();
    // One item finished: `counted` adds one to the counter; `line` is printed in Lines mode, and
    // above the status line when `keep`.
    void step(bool counted, const QString& line, bool keep);
    // The status line in its last state and a line end.
    void finish();

    qint64 elapsedMs() const { return m_clock.elapsed(); }

private:
    void draw();
    static void write(const QString& text);

    Mode m_mode;
    qsizetype m_total;
    QString m_unit;
    QString m_counterName;
    qsizetype m_done = 0;
    qsizetype m_counted = 0;
    QElapsedTimer m_clock;
    QTimer m_redraw;
};
