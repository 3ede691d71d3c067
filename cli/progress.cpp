#include "progress.h"

#include <cstdio>
#include <unistd.h>

namespace
{

// Back to the line's start, and everything after the text erased.
const QString kReturn = QStringLiteral("\r");
const QString kEraseRest = QStringLiteral("\x1b[K");

} // namespace

bool Progress::standardErrorIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

Progress::Progress(Mode mode, qsizetype total, QString unit, QString counterName, QObject* parent)
    : QObject(parent), m_mode(mode), m_total(total), m_unit(std::move(unit)), m_counterName(std::move(counterName))
{
    m_redraw.setInterval(kRedrawMs);
    connect(&m_redraw, &QTimer::timeout, this, &Progress::draw);
}

void Progress::start()
{
    m_clock.start();
    if (m_mode == Mode::StatusLine) {
        draw();
        m_redraw.start();
    }
}

void Progress::step(bool counted, const QString& line, bool keep)
{
    ++m_done;
    if (counted)
        ++m_counted;
    const QString numbered = QStringLiteral("[%1/%2] %3\n").arg(m_done).arg(m_total).arg(line);
    switch (m_mode) {
    case Mode::Lines:
        write(numbered);
        break;
    case Mode::StatusLine:
        if (keep)
            write(kReturn + kEraseRest + numbered);
        draw();
        break;
    case Mode::Silent:
        break;
    }
}

void Progress::finish()
{
    if (m_mode != Mode::StatusLine)
        return;
    m_redraw.stop();
    draw();
    write(QStringLiteral("\n"));
}

void Progress::draw()
{
    write(kReturn +
          QStringLiteral("%1/%2 %3, %4: %5, %6 s")
              .arg(m_done)
              .arg(m_total)
              .arg(m_unit, m_counterName)
              .arg(m_counted)
              .arg(double(m_clock.elapsed()) / 1000.0, 0, 'f', 1) +
          kEraseRest);
}

void Progress::write(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}
