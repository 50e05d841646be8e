#pragma once

#include <vector>

#include "checks/checkwarning.h"
#include "model/records.h"

namespace zmp {

// The marine checks of a whole configuration. They warn and explain; they
// never change the records nor stop anything the editor allows.
class MarineChecks {
  public:
    // Every warning, in the order of the editor's pages: User MMSI, ATIS
    // code, the directories, then the usable groups and DSC settings.
    static std::vector<CheckWarning> run(const Records& records);
};

} // namespace zmp
