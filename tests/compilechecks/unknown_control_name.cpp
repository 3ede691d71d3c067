// Built only by a test that expects the build to fail: a control name the field table does not
// have (here one letter off "VGateway") is refused while compiling.
#include "image/controlname.h"

const image::Field& gateway()
{
    return image::ControlName("VGatewey").field();
}
