#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The decoded form of a memory image: what the editor, the configuration
// file and the report work on. Plain data; the codec keeps it in step
// with the image at fixed points only.
namespace zmp {

struct ChannelRecord {
    std::int16_t Position = 0; // row of the channel plan; never taken from the image
    bool Enable = false;
    bool LowPower = false;
    bool PowUp = false;
    bool Duplex = false;
    bool DuplexCapable = false;
    bool TxEnable = false;
    bool DispayA = false; // kept in the record and the .dat file only
    bool ScanMemory = false;
    std::string ChTag;
    std::int16_t Scramble = 0;
    bool ReceiveOnly = false;
    std::string CHDisplayL; // EXP only
    std::string CHDisplayR; // EXP only
    double Txfreq = 0.0;    // EXP only, MHz
    double Rxfreq = 0.0;    // EXP only, MHz

    bool operator==(const ChannelRecord&) const = default;
};

using ChannelTable = std::vector<ChannelRecord>;

inline constexpr int PlanRowCount = 240; // USA, INT and CAN tables
inline constexpr int WxChannelCount = 10;
inline constexpr int ExpChannelCount = 64;

enum GroupIndex { Group1 = 0, Group2 = 1, Group3 = 2, ExpCh = 3 };
inline constexpr int UsableGroupCount = 4;

struct UsableGroup {
    bool Enable = false;
    std::int32_t PriorityCh = -1; // plan position, 240.. for EXP channels, negative for none
    std::string StatusName;
    std::array<bool, 3> ExpGroupFlags{}; // Exp CH only: member of Group1..Group3

    bool operator==(const UsableGroup&) const = default;
};

// Fixed slots of SettingValues. Slots the image holds are those of the
// memory map; the others live only in the records and the .dat file.
namespace slot {
inline constexpr int Scan = 5;
inline constexpr int TimeDisplay = 6;
inline constexpr int Format = 7;
inline constexpr int ResumeTime = 8;
inline constexpr int PttScanClear = 9;
inline constexpr int DualWatch = 10;
inline constexpr int OffsetTime = 11;
inline constexpr int TxPoDisplay = 12;
inline constexpr int Weater = 13;
inline constexpr int Sog = 15;
inline constexpr int Distance = 16;
inline constexpr int UsableDsc = 18;    // 18..21: DSC usable flag of groups 0..3
inline constexpr int PosRequest = 22;   // 22..25
inline constexpr int PosRequestTx = 26; // 26..29
inline constexpr int BeepOut = 30;      // 30..37
inline constexpr int UsableAtis = 38;   // 38..41
inline constexpr int AtisKiller = 42;   // 42..45
inline constexpr int Count = 48;
} // namespace slot

using SettingValues = std::array<std::int16_t, slot::Count>;

// Fixed slots of DscFlags: 0..6 beeps, 7 the Distress Cancel Call, 8..55 the advanced call flags
// (six call kinds, receive then transmit, each Distress, Urgency, Safety,
// Routine), 56..58 the display menus.
namespace dscslot {
inline constexpr int SendDistressAlert = 0;
inline constexpr int ReceivedAllShips = 1;
inline constexpr int ReceivedIndividual = 2;
inline constexpr int ReceivedGroup = 3;
inline constexpr int ReceivedGeografic = 4;
inline constexpr int ReceivedPosRequest = 5;
inline constexpr int ReceivedPosReporting = 6;
inline constexpr int DistressCancelCall = 7;
inline constexpr int Advanced = 8; // call kind c, category k: receive 8 + 8c + k, transmit 12 + 8c + k
inline constexpr int IndividualReplyMenu = 56;
inline constexpr int IndividualAckMenu = 57;
inline constexpr int PosRequestReplyMenu = 58;
inline constexpr int Count = 64;

constexpr int receive(int callKind, int category)
{
    return Advanced + 8 * callKind + category;
}
constexpr int transmit(int callKind, int category)
{
    return Advanced + 8 * callKind + 4 + category;
}
} // namespace dscslot

inline constexpr int CallKindCount = 6; // All Ships, Group, Individual, PositionRequest, PositionReport, Test
inline constexpr int CategoryCount = 4; // Distress, Urgency, Safety, Routine

using DscFlags = std::array<bool, dscslot::Count>;

struct AutoPosSettings {
    bool Enable = false;
    int Channel = 0; // USA plan row, or 4096 + EXP channel number
    int Interval = 0;
    std::string Mmsi;
    int MarineEnable = 0;
    int SelectCall = 0; // 0 Memory ID, 1 Group ID, other: neither
    int LastAddress = 0;
    // Held in the image nowhere; kept so nothing is lost in memory.
    int MenuDisplay = 0;
    int RcEnable = 0;

    bool operator==(const AutoPosSettings&) const = default;
};

inline constexpr int MemoryIdCount = 80;
inline constexpr int GroupIdCount = 32;

struct DirectoryEntry {
    bool Enable = false;
    std::string TagName;
    std::string Mmsid;
    std::array<bool, MemoryIdCount + 1> MemberFlags{}; // indexed 1..80; [0] unused

    bool operator==(const DirectoryEntry&) const = default;
};

using Directory = std::vector<DirectoryEntry>;

inline constexpr int CallSignCount = 32;

struct AtisCallSign {
    std::string Mid;
    std::string Disp;

    bool operator==(const AtisCallSign&) const = default;
};

// Every record of one configuration.
struct Records {
    std::array<UsableGroup, UsableGroupCount> groups{};
    ChannelTable usa = ChannelTable(PlanRowCount);
    ChannelTable intl = ChannelTable(PlanRowCount);
    ChannelTable can = ChannelTable(PlanRowCount);
    ChannelTable wx = ChannelTable(WxChannelCount);
    ChannelTable exp = ChannelTable(ExpChannelCount);
    SettingValues settings{};
    DscFlags dscFlags{};
    AutoPosSettings autoPos;
    Directory memoryId = Directory(MemoryIdCount);
    Directory groupId = Directory(GroupIdCount);
    std::string userMmsi;
    std::string atisCode;
    std::array<AtisCallSign, CallSignCount> callSigns{};

    bool operator==(const Records&) const = default;
};

// The channel table a usable group draws from: Group1 the USA table,
// Group2 the International, Group3 the Canada and Exp CH the expansion table.
inline const ChannelTable& groupTable(const Records& records, int group)
{
    switch (group) {
    case Group1:
        return records.usa;
    case Group2:
        return records.intl;
    case Group3:
        return records.can;
    default:
        return records.exp;
    }
}

} // namespace zmp
