#pragma once

#include <array>

#include "model/records.h"

// Captions of the settings pages that the comparison with the radio names
// its rows by as well: the pages build their rows from these, so the two
// always read alike.
namespace zmp::pagecaption {

// Where a page shows a record's field: the field's caption and the object
// name of its control.
struct PageField {
    const char* caption = nullptr;
    const char* control = nullptr;
};

// The channel editor.
inline constexpr PageField ChEnable{"CH Enable", "chkCEnable"};
inline constexpr PageField ChDisplay{"CH Display", "txtCNE_0"};
inline constexpr PageField ChDisplaySuffix{"CH Display suffix", "txtCNE_2"};
inline constexpr PageField RxFrequency{"Rx Frequency", "txtCRF"};
inline constexpr PageField TxFrequency{"Tx Frequency", "txtCTF"};
inline constexpr PageField TxEnable{"Tx Enable", "chkCTXEnable"};
inline constexpr PageField LowPower{"Low Power Only", "chkCTXOnly"};
inline constexpr PageField PowerUp{"Power Up", "chkCTXPower"};
inline constexpr PageField Duplex{"Duplex", "chkCDup"};
inline constexpr PageField ScanMemory{"Scan Memory", "chkCScan"};
inline constexpr PageField ChName{"CH Name", "txtCTag"};
// The weather page's rows: the controls are numbered after the row.
inline constexpr PageField WxEnable{"Enable", "chkDEnable"};
inline constexpr PageField WxScan{"Scan", "chkDScan"};
inline constexpr PageField WxName{"CH Name", "txtDTagName"};
// The directory editors; the name's caption is the directory's own
// ("Station Name", "Group Name").
inline constexpr PageField DirectoryAdd{"Add", "chkGEnable"};
inline constexpr PageField DirectoryName{"Name", "txtGPosi"};
inline constexpr PageField DirectoryMmsi{"MMSI", "txtGMMSI"};

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
