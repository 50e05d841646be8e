#pragma once

#include "model/records.h"

namespace zmp {

// The seven DSC beeps and the Distress Cancel Call are held twice: as the
// flags the image carries (and the text report prints), and as the
// BeepOut / PosRequest settings the configuration file carries (and the
// DSC page and the printed report use); a row's mirror pairs the two. Whichever side was filled last is
// copied to the other, so a page edit or an opened file reaches the radio,
// and a read from the radio reaches the file.
void settingsFromDscFlags(Records& records);
void dscFlagsFromSettings(Records& records);

} // namespace zmp
