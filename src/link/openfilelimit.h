#pragma once

// A thousand terminals at once are a thousand sockets: the process's limit of open files (often
// 1024 by default) is raised to the most the system allows it. Returns the limit now in force.
int raiseOpenFileLimit();

// How many terminals may be worked on at once when `asked` are: the limit is raised first, and
// some files are kept for the program's own use (standard streams, backups, the event loop).
int parallelWithinOpenFileLimit(int asked);
