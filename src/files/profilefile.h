#pragma once

#include "image/profile.h"

class IniDocument;
class IniFile;

namespace image
{
// Every key of the five company sections, in file order, with the values as the settings file
// reads them (blanks and one pair of quotes taken off). Empty values are left out: they are absent.
Profile profileFromIni(const IniFile& ini);
Profile profileFromDocument(const IniDocument& document);

} // namespace image
