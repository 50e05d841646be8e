#include "image/dscmirror.h"

#include <cstddef>

namespace zmp {

namespace {

// BeepOut k and DscFlags k name the same beep for k = 0..6.
constexpr int MirroredBeeps = dscslot::ReceivedPosReporting + 1;

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

} // namespace

void settingsFromDscFlags(Records& records)
{
    for (int k = 0; k < MirroredBeeps; ++k)
        records.settings[at(slot::BeepOut + k)] = records.dscFlags[at(k)] ? 1 : 0;
    records.settings[at(slot::PosRequest)] = records.distressCancelCall ? 1 : 0;
}

void dscFlagsFromSettings(Records& records)
{
    for (int k = 0; k < MirroredBeeps; ++k)
        records.dscFlags[at(k)] = records.settings[at(slot::BeepOut + k)] != 0;
    records.distressCancelCall = records.settings[at(slot::PosRequest)] != 0;
}

} // namespace zmp
