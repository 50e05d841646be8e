#pragma once

// Addresses of the memory map, shared by the codecs, the preparation and
// the new-image defaults.
namespace zmp::address {

// Usable channel groups: 16 bytes each from 304.
inline constexpr int GroupBase = 304;
inline constexpr int GroupStride = 16;
inline constexpr int GroupDscOffset = 1;
inline constexpr int GroupStatusNameOffset = 3;
inline constexpr int GroupStatusNameLength = 4;
inline constexpr int PriorityChannel = 224; // word per group, Group1..Group3
inline constexpr int ExpGroupEnable = GroupBase + 3 * GroupStride;

// Common settings.
inline constexpr int DualWatch = 180;
inline constexpr int Scan = 181;
inline constexpr int PttScanClear = 183;
inline constexpr int ResumeTime = 184;
inline constexpr int TimeByte = 185; // Time Display, Format, Offset Time
inline constexpr int Sog = 186;
inline constexpr int Distance = 187;
inline constexpr int Weater = 190;

// DSC, user MMSI and ATIS code.
inline constexpr int UserMmsi = 640;
inline constexpr int UserMmsiCounter = 645;
inline constexpr int AtisCode = 646;
inline constexpr int AtisCodeCounter = 651;
inline constexpr int AdvancedCalls = 657; // one byte per call kind, 657..662
inline constexpr int DscFlagByte = 663;   // alert beep, cancel call, display menus
inline constexpr int ReceivedAllShips = 665;
inline constexpr int ReceivedIndividual = 666;
inline constexpr int ReceivedGroup = 667;
inline constexpr int ReceivedPosRequest = 668;
inline constexpr int ReceivedPosReporting = 669;
inline constexpr int ReceivedGeografic = 670;

// Auto POS.
inline constexpr int AutoPosEnable = 704;
inline constexpr int AutoPosChannel = 705;
inline constexpr int AutoPosInterval = 707;
inline constexpr int AutoPosMmsi = 709;
inline constexpr int AutoPosMarineEnable = 719;
inline constexpr int AutoPosSelectCall = 730;
inline constexpr int AutoPosLastMemoryId = 731;
inline constexpr int AutoPosLastGroupId = 732;

// MMSI directories: 16-byte entries, MMSI then an 11-character name.
inline constexpr int MemoryIdBase = 18176;
inline constexpr int GroupIdBase = 20224;
inline constexpr int DirectoryStride = 16;
inline constexpr int DirectoryNameOffset = 5;
inline constexpr int DirectoryNameLength = 11;

// Channel tables.
inline constexpr int ChannelNameLength = 16;
inline constexpr int ExpRecords = 3584;
inline constexpr int ExpRecordStride = 16;

// Operating state that the preparation keeps consistent.
inline constexpr int ChecksumFirst = 66;
inline constexpr int ChecksumCount = 29; // 66..94
inline constexpr int Checksum = 95;
inline constexpr int CurrentGroup = 161;
inline constexpr int CurrentMode = 162;
inline constexpr int CurrentChannel = 163;
inline constexpr int CurrentChannelCopy = 165;
inline constexpr int CurrentWeather = 167;
inline constexpr int GroupChannelWords = 384; // eight words per group, 32 bytes apart
inline constexpr int GroupChannelWordStride = 32;
inline constexpr int GroupChannelWordCount = 8;

} // namespace zmp::address
