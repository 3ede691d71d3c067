#pragma once

#include <QtGlobal>

// A port on loopback where nothing listens (it was free a moment ago).
quint16 closedPort();
