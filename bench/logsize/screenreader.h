#pragma once

// Switches accessibility on as a running screen reader does, so that the widgets send their
// accessibility events. True when it is on. Offscreen this takes Qt's private platform
// interface (qt6-base-private-dev); a build without it cannot, and says false.
bool activateAccessibility();
