#pragma once

// The words the radio link puts on the wire and its line settings; the
// texts it shows are in the message catalogue.
namespace zmp::linkword {

inline constexpr const char* StatusRequest = "#QMPSR";
inline constexpr const char* ReadRequest = "#QMPRD";
inline constexpr const char* WriteRequest = "#QMPWR";
inline constexpr const char* DataReply = "#QMPDT";
inline constexpr const char* StatusReply = "#QMPSD";
inline constexpr const char* Ack = "#CMDOK";
inline constexpr const char* BadChecksum = "#CMDSM";
inline constexpr const char* NotData = "#CMDER";
inline constexpr const char* NotStatus = "#CMDUN";
inline constexpr const char* SyncRequest = "#CMDSY";
inline constexpr const char* LinkMode = "ACMD:002";
inline constexpr const char* Refusal = "ERROR";
inline constexpr const char* LinkModeOk = "OK";
inline constexpr const char* StatusAddress = "00";
inline constexpr const char* StateReady = "00";
inline constexpr const char* StateBusy = "01";
inline constexpr char WakeUp = 'P';
inline constexpr char WakeUpFollow = '0';
inline constexpr unsigned char Can = 0x18;

// Line settings.
inline constexpr const char* SlowSettings = "19200,N,8,1";
inline constexpr const char* FastSettings = "57600,N,8,1";

// The help topic of the transfer dialog.
inline constexpr int HelpContext = 1012;

} // namespace zmp::linkword
