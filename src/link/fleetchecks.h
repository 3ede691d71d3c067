#pragma once

#include "link/fleetplan.h"

#include <QStringList>

// The checks of a configuration over a fleet plan, before any terminal is contacted. A terminal's
// own values are judged where the plan sets every value a problem depends on (the rest is known
// only once the terminal has been read); the fleet checks compare the terminals with each other.
struct FleetCheck {
    QStringList errors;   // "linha N (ADDRESS): Page / Caption [Section.Key]: erro: ..."
    QStringList warnings; // the same with "aviso"
};

FleetCheck checkFleetPlan(const FleetPlan& plan);
