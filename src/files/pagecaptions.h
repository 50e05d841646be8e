#pragma once

#include <array>

#include "model/records.h"

// Captions of the settings pages that the comparison with the radio names
// its rows by as well: the pages build their rows from these, so the two
// always read alike.
namespace zmp::pagecaption {

inline constexpr const char* PriorityCh = "Priority CH";
inline constexpr const char* StatusName = "Status Name";
inline constexpr const char* AtisCode = "ATIS Code";

// The DSC page.
inline constexpr const char* UsableDscFrame = "Usable DSC CH Group";
inline constexpr const char* BeepFrame = "DSC Beep Output";
inline constexpr const char* DisplayFrame = "Display Setup";
inline constexpr std::array<const char*, UsableGroupCount> UsableDscRows{"Group1", "Group2", "Group3", "EXP"};
inline constexpr std::array<const char*, 4> CallRows{"Distress Cancel Call", "Standby Mode", "POS Request",
                                                     "POS Reporting"};
inline constexpr std::array<const char*, 8> BeepRows{
    "Send Distress Alert", "Received All Ships",   "Received Individual",    "Received Group",
    "Received Geographic", "Received POS Request", "Received POS Reporting", "POS Reporting"};
inline constexpr std::array<const char*, CategoryCount> Categories{"Distress", "Urgency", "Safety",
                                                                   "Routine"};
inline constexpr std::array<const char*, 3> DisplayRows{"Individual Reply Menu", "Individual ACK Menu",
                                                        "POS Request Reply Menu"};

// A call kind's frame and the object name its lists are numbered from.
struct CallKind {
    const char* title;
    const char* name;
};
inline constexpr std::array<CallKind, CallKindCount> CallKinds{
    {{"ALL Ships Call", "cmbUsableDscAllShipsCall"},
     {"Group Call", "cmbUsableDscGroupCall"},
     {"Individual Call", "cmbUsableDscIndividualCall"},
     {"Position Request Call", "cmbUsablePosReqCall"},
     {"Position Report Call", "cmbUsablePosRepCall"},
     {"Test Call", "cmbUsableTestCall"}}};

} // namespace zmp::pagecaption
