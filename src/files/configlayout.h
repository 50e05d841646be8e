#pragma once

#include <array>
#include <string>

#include "model/records.h"

// Section names and keys of the configuration file, shared by the writer
// and the reader so the two can never drift apart.
namespace zmp::configlayout {

inline constexpr const char* MainSection = "MAIN";
inline constexpr const char* GroupSetupSection = "Usable CH Group Setup";
inline constexpr const char* CommonSetupSection = "Common Setup";
inline constexpr const char* DscBasicSection = "DSC Setup (Basic Setup)";
inline constexpr const char* DscAdvancedSection = "DSC Setup (Advanced Setup)";
inline constexpr const char* DscDisplaySection = "DSC Setup (Display Setup)";
inline constexpr const char* AtisCommonSection = "ATIS Setup (Common)";
inline constexpr const char* AtisCallSignSection = "ATIS Setup (Call Sign)";

inline constexpr const char* UsaPrefix = "CHUSA";
inline constexpr const char* IntlPrefix = "CHINT";
inline constexpr const char* CanPrefix = "CHCAN";
inline constexpr const char* WxPrefix = "CHWX";
inline constexpr const char* MemoryIdPrefix = "CHMMSID";
inline constexpr const char* GroupIdPrefix = "CHGRPID";
inline constexpr const char* ExpPrefix = "CHEXP";

inline constexpr const char* FileType = "ZMP";
inline constexpr const char* FileVersion = "1.00";
inline constexpr const char* ModelTypeKey = "MODELTYPE";

// Usable groups 0..3; the DSC section names only the first three.
inline constexpr std::array<const char*, UsableGroupCount> GroupKeys{"Group1", "Group2", "Group3", "Exp CH"};
inline constexpr int DscGroupCount = 3;

inline constexpr std::array<const char*, CallKindCount> CallKinds{
    "All Ships Call", "Group Call", "Individual Call", "PositionRequest Call", "PositionReport Call", "Test Call"};

inline constexpr std::array<const char*, 3> DisplayMenuKeys{"Individual Reply Menu", "Individual ACK Menu",
                                                            "POS Request Reply Menu"};
inline constexpr std::array<int, 3> DisplayMenuSlots{dscslot::IndividualReplyMenu, dscslot::IndividualAckMenu,
                                                     dscslot::PosRequestReplyMenu};

enum class SettingKind {
    Flag,
    SignedInteger,
    Integer  // written as its absolute value
};

struct CommonSetting {
    const char* key;
    int slot;
    SettingKind kind;
};

inline constexpr std::array<CommonSetting, 10> CommonSettings{{
    {"SCAN", slot::Scan, SettingKind::Flag},
    {"Resume Time", slot::ResumeTime, SettingKind::SignedInteger},
    {"PTT SCAN Clear", slot::PttScanClear, SettingKind::Flag},
    {"Dual Watch", slot::DualWatch, SettingKind::Flag},
    {"Offset Time", slot::OffsetTime, SettingKind::SignedInteger},
    {"Time Display", slot::TimeDisplay, SettingKind::Flag},
    {"Format", slot::Format, SettingKind::Flag},
    {"Weater", slot::Weater, SettingKind::Integer},
    {"SOG", slot::Sog, SettingKind::Integer},
    {"Distance", slot::Distance, SettingKind::Integer},
}};

inline constexpr int PosRequestCount = 4;
inline constexpr int BeepOutCount = 8;
inline constexpr int AtisGroupCount = 4;
inline constexpr int ExpGroupFlagCount = 3;

inline std::string numbered(const char* name, int number) { return name + std::to_string(number); }

}  // namespace zmp::configlayout
