#pragma once

// A thousand terminals at once are a thousand sockets: the process's limit of open files (often
// 1024 by default) is raised to the most the system allows it. Returns the limit now in force.
int raiseOpenFileLimit();
