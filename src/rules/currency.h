#pragma once
// The formats the rules engine writes money in (the salary-cap reports): the
// platform's regional formats, the system's settings unless the program or
// a test installs others.

#include "platform/formats.h"

namespace dravik {

const Formats& RulesFormats();
// Installs formats that outlive their use; nullptr restores the system's.
void SetRulesFormats(const Formats* formats);

}  // namespace dravik
