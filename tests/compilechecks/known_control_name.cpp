// The same file with the table's own name builds: the test above fails for the name alone.
#include "image/controlname.h"

const image::Field& gateway()
{
    return image::ControlName("VGateway").field();
}
