#pragma once

#include "image/checks.h"
#include "link/writejob.h"

#include <QJsonArray>
#include <QList>
#include <QString>

#include <memory>

// The checks of a configuration as the command line shows them, and the write they may refuse.
namespace problems
{

// One problem of the image to write, and whether the terminal already had it as read.
struct Found {
    image::Problem problem;
    bool already = false;
};

// What the checks found in a write's result; filled in when the terminal has been read.
struct WriteCheck {
    QList<Found> found;
    bool refused = false;
};

// Each problem as {section, key, page, caption, severity, message, suggestion}; with `already`
// for a write's problems.
QJsonArray json(const QList<image::Problem>& problems);
QJsonArray json(const QList<Found>& found);

// "Conexão / ... : erro: ...; sugestão: ... (novo)" or "(já estava no terminal)"
QString foundLine(const Found& found);

// The planner's image checked as it will be sent (padded for the write, with the new password):
// with errors and without `force` the write is refused before anything is sent.
WritePlanner checked(WritePlanner planner, const QString& newPassword, bool force, std::shared_ptr<WriteCheck> record);

// On standard error under `where`: every error, then the warnings the terminal did not have yet.
void printFound(const QString& where, const WriteCheck& record);

} // namespace problems
