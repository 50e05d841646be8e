#pragma once

// Captions of the pages' fields that Compare with Radio names its rows by
// as well: the pages build their rows from these, so the two always read
// alike. The Common, ATIS and DSC captions are rows of their settings tables.
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

} // namespace zmp::pagecaption
