#pragma once

#include <QByteArray>
#include <QString>

class FakeTerminal;
class WindowFixture;

// The window led through a session with a FakeTerminal that is told, before each request, what a
// terminal would answer to it: every byte the window sends stays in FakeTerminal::received.
namespace fakesession
{

inline const QString kPassword = QStringLiteral("123456");

// Connects and asks the status; true once "Retorno de Status" shows.
bool connect(WindowFixture& f, FakeTerminal& terminal);
// Presses "Ler", answered with `reply`; true once "Retorno de Leitura" shows.
bool readNow(WindowFixture& f, FakeTerminal& terminal, const QByteArray& reply);
// Both: connects, asks the status and reads `reply` with kPassword.
bool read(WindowFixture& f, FakeTerminal& terminal, const QByteArray& reply);
// Unlocks; true once "Terminal Desbloqueado" shows.
bool unlock(WindowFixture& f, FakeTerminal& terminal);
// Presses "Gravar" and returns the frame it sent (the terminal does not answer it).
QByteArray writeFrame(WindowFixture& f, FakeTerminal& terminal);

} // namespace fakesession
