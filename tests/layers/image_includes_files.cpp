// Built only by the layer test, which expects the build to fail: the image layer cannot see the
// files layer above it.
#include "files/inifile.h"
