#pragma once

// Every text the radio link shows or sends, defined once.
namespace zmp::linktext {

// Words on the wire.
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

// Messages.
inline constexpr const char* ConfirmSync = "confirm the synchronization of the communication";
inline constexpr const char* Cancelled = "cancel!!";
inline constexpr const char* TimeOut = "time out!!";
inline constexpr const char* AddressError = "address error!!";
inline constexpr const char* DataError = "data error!!";
inline constexpr const char* LinkModeError = "ACMD Command error!!";
inline constexpr const char* GeneralError = "error!!";
inline constexpr const char* PortInitError = "port inicialize error!!";
inline constexpr const char* RadioBusy = "Radio is busy!!";
inline constexpr const char* RadioNotReady = "Radio not ready!!";
inline constexpr const char* Complete = "Complete!!";
inline constexpr const char* CommunicationError = "Communication Error!!";
inline constexpr const char* ModelTypeError = "ModelType Error !!";
inline constexpr const char* ConnectionLostPrefix = "The connection to ";
inline constexpr const char* ConnectionLostSuffix = " was lost.";
inline constexpr const char* VerifyError = "Verify Error!!";
inline constexpr const char* ProductAddressPrefix = "address: 0x";
inline constexpr const char* ProductBytePrefix = " -> 0x";

// Message titles other than the dialog caption.
inline constexpr const char* ModelCheckTitle = "Model Check";
inline constexpr const char* ProductCodeTitle = "Product Code Error!";
inline constexpr const char* ReadTitle = "Read from Radio";
inline constexpr const char* ProgramTitle = "Program to Radio";
inline constexpr const char* ClearDataTitle = "Clear Data";
inline constexpr const char* ClearAtisTitle = "Clear Data ATIS";

// Status line.
inline constexpr const char* SyncExchangePrefix = "sending '#CMDSY'...(";
inline constexpr const char* SyncExchangeSuffix = ")";
inline constexpr const char* NoSyncAck = "can'not Receive '#CMDOK' !!";
inline constexpr const char* SyncFailed = "sync failed!!";
inline constexpr const char* SendingLinkMode = "sending 'ACMD:002'...";
inline constexpr const char* StatusChecking = "status check..";
inline constexpr const char* StatusOk = "status check.. OK";
inline constexpr const char* StatusNg = "status check.. NG!!";
inline constexpr const char* Reading = "radio reading...";
inline constexpr const char* Writing = "radio writing...";
inline constexpr const char* Verifying = "radio verifying...";
inline constexpr const char* ModelChecking = "model check...";
inline constexpr const char* ProductChecking = "product-code check...";
inline constexpr const char* DebugStart = "starting at debug mode..";
inline constexpr const char* StartSync = "startsync...";
inline constexpr const char* SyncOk = "sync ok";
inline constexpr const char* NoSync = "can not syncing!!";

// The instruction text of the transfer dialog, one entry per line.
inline constexpr const char* Instructions[] = {
    "1.Connect the ZMP cable between the PC serial port and the radio.",
    "2.On the radio, press and hold [DISTRESS] and [CALL] keys while",
    "   turning the power on.",
    "   The Radio display will show PC CONTROL.",
    "3.Press the [OK] button to start.",
};
inline constexpr int HelpContext = 1012;

// Error-log sources.
inline constexpr const char* SourcePortInit = "frmRadio.PortInit";
inline constexpr const char* SourcePortInitCp = "frmRadio.PortInitCP";
inline constexpr const char* SourcePortOpen = "frmRadio.PortOpen";
inline constexpr const char* SourceReadData = "frmRadio.ReadData";
inline constexpr const char* SourceChkModel = "frmRadio.ReadDataChkModel";
inline constexpr const char* SourceChkProduct = "frmRadio.ReadDataChkProduct";
inline constexpr const char* SourceWriteData = "frmRadio.WriteData";
inline constexpr const char* SourceVerifyData = "frmRadio.VerifyData";
inline constexpr const char* SourceClearData = "frmRadio.ClearData";
inline constexpr const char* SourceClearAtis = "frmRadio.ClearDataATIS";
inline constexpr const char* SourceClearAny = "frmRadio.ClearDataAny";
inline constexpr const char* SourceClearAny2 = "frmRadio.ClearDataAny2";
inline constexpr const char* SourceOk = "frmRadio.cmdOK_Click";

} // namespace zmp::linktext
