#pragma once

#include <array>
#include <string>

#include "files/pagecaptions.h"
#include "image/dscsettingstable.h"
#include "model/records.h"

// Section names and keys of the configuration file, shared by the writer
// and the reader so the two can never drift apart.
namespace zmp::configlayout {

inline constexpr const char* MainSection = "MAIN";
inline constexpr const char* GroupSetupSection = "Usable CH Group Setup";
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

// How a record field is held in the file: a flag as 0/1, a text as is, a
// text behind the "#" marker, a frequency in MHz with "." as decimal point,
// an MMSI as the radio holds it (the tenth place 0).
enum class FieldKind { Flag, Text, MarkedText, Frequency, Mmsi };

// Where the record's page shows a key; a key without a caption has no
// place on a page and none in the radio's memory.
using pagecaption::PageField;

// One key of a record's section and the field it holds; exactly one of the
// member pointers is set, the one the kind names.
template <class Record>
struct FieldKey {
    const char* key;
    FieldKind kind;
    PageField shown;
    bool Record::*flag = nullptr;
    std::string Record::*text = nullptr;
    double Record::*number = nullptr;
};

template <class Record>
constexpr FieldKey<Record> flagKey(const char* key, bool Record::*field, PageField shown = {})
{
    return {key, FieldKind::Flag, shown, field};
}

template <class Record>
constexpr FieldKey<Record> textKey(const char* key, std::string Record::*field, FieldKind kind,
                                   PageField shown)
{
    return {key, kind, shown, nullptr, field};
}

template <class Record>
constexpr FieldKey<Record> frequencyKey(const char* key, double Record::*field, PageField shown)
{
    return {key, FieldKind::Frequency, shown, nullptr, nullptr, field};
}

// The keys of each record kind's section, in the order they are written.
// A plan channel's section also opens with its Position.
inline constexpr const char* PositionKey = "Position";

inline constexpr std::array<FieldKey<ChannelRecord>, 8> PlanChannelKeys{{
    flagKey("Enable", &ChannelRecord::Enable, pagecaption::ChEnable),
    flagKey("LowPower", &ChannelRecord::LowPower, pagecaption::LowPower),
    flagKey("PowUp", &ChannelRecord::PowUp, pagecaption::PowerUp),
    flagKey("Duplex", &ChannelRecord::Duplex, pagecaption::Duplex),
    flagKey("TxEnable", &ChannelRecord::TxEnable, pagecaption::TxEnable),
    flagKey("DispayA", &ChannelRecord::DispayA),
    flagKey("ScanMemory", &ChannelRecord::ScanMemory, pagecaption::ScanMemory),
    textKey("ChTag", &ChannelRecord::ChTag, FieldKind::MarkedText, pagecaption::ChName),
}};

inline constexpr std::array<FieldKey<ChannelRecord>, 3> WxChannelKeys{{
    flagKey("Enable", &ChannelRecord::Enable, pagecaption::WxEnable),
    flagKey("ScanMemory", &ChannelRecord::ScanMemory, pagecaption::WxScan),
    textKey("ChTag", &ChannelRecord::ChTag, FieldKind::MarkedText, pagecaption::WxName),
}};

inline constexpr std::array<FieldKey<ChannelRecord>, 9> ExpChannelKeys{{
    flagKey("Enable", &ChannelRecord::Enable, pagecaption::ChEnable),
    textKey("CHDisplayL", &ChannelRecord::CHDisplayL, FieldKind::Text, pagecaption::ChDisplay),
    textKey("CHDisplayR", &ChannelRecord::CHDisplayR, FieldKind::Text, pagecaption::ChDisplaySuffix),
    frequencyKey("Rxfreq", &ChannelRecord::Rxfreq, pagecaption::RxFrequency),
    frequencyKey("Txfreq", &ChannelRecord::Txfreq, pagecaption::TxFrequency),
    flagKey("LowPower", &ChannelRecord::LowPower, pagecaption::LowPower),
    flagKey("PowUp", &ChannelRecord::PowUp, pagecaption::PowerUp),
    flagKey("ScanMemory", &ChannelRecord::ScanMemory, pagecaption::ScanMemory),
    textKey("ChTag", &ChannelRecord::ChTag, FieldKind::MarkedText, pagecaption::ChName),
}};

inline constexpr const char* MmsidKey = "Mmsid";

inline constexpr std::array<FieldKey<DirectoryEntry>, 3> DirectoryKeys{{
    flagKey("Enable", &DirectoryEntry::Enable, pagecaption::DirectoryAdd),
    textKey("TagName", &DirectoryEntry::TagName, FieldKind::MarkedText, pagecaption::DirectoryName),
    textKey(MmsidKey, &DirectoryEntry::Mmsid, FieldKind::Mmsi, pagecaption::DirectoryMmsi),
}};

// Numbered keys of the other sections: the number follows the name.
inline constexpr const char* PriorityChKey = "Priority CH ";
inline constexpr const char* StatusNameKey = "Status name ";
inline constexpr const char* ExpChGroupKey = "Exp Ch Group ";
inline constexpr const char* UserMmsiKey = "User MMSI";
inline constexpr const char* AtisCodeKey = "Atis Code";
inline constexpr const char* CallSignMidKey = "MID";
inline constexpr const char* CallSignDispKey = "DISP";

inline constexpr int ExpGroupFlagCount = 3;

inline std::string numbered(const char* name, int number)
{
    return name + std::to_string(number);
}

} // namespace zmp::configlayout
