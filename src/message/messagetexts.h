#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// Every text the system shows or logs, each defined once: message texts,
// captions, status lines, hints and error-log sources. A second name for a
// text fails to compile (see the check at the end), so a text changes in one
// place and every window, zmp-cli and the tests follow.
namespace zmp::msg {

// Files.
inline constexpr const char* FileSaveError = "FileSave Error!!";
inline constexpr const char* FileReadError = "FileRead Error!!";
inline constexpr const char* ModelTypeError = "ModelType Error !!";
inline constexpr const char* BadFile = "bad file!!";

// Start-up, models and destinations.
inline constexpr const char* UnknownModel = "Unknown model!!";
inline constexpr const char* IniFilesNotFound = "Ini files are not found!!";
inline constexpr const char* IniFileReadError = "Ini file read Error!!";
inline constexpr const char* IniFileReadErrorOnSelect = "IniFileRead Error!!";
inline constexpr const char* SettingsNotSaved = "The settings are not saved in this session.";

// The radio link.
inline constexpr const char* ConfirmSync = "confirm the synchronization of the communication";
inline constexpr const char* Cancelled = "cancel!!";
inline constexpr const char* TimeOut = "time out!!";
inline constexpr const char* AddressError = "address error!!";
inline constexpr const char* LinkDataError = "data error!!";
inline constexpr const char* LinkModeError = "ACMD Command error!!";
inline constexpr const char* GeneralError = "error!!";
inline constexpr const char* PortInitError = "port inicialize error!!";
inline constexpr const char* RadioBusy = "Radio is busy!!";
inline constexpr const char* RadioNotReady = "Radio not ready!!";
inline constexpr const char* Complete = "Complete!!";
// A program whose read-back was switched off.
inline constexpr const char* CompleteNotVerified = "Complete!! (not verified)";
inline constexpr const char* CommunicationError = "Communication Error!!";
inline constexpr const char* ConnectionLostPrefix = "The connection to ";
inline constexpr const char* ConnectionLostSuffix = " was lost.";
inline constexpr const char* VerifyError = "Verify Error!!";
inline constexpr const char* ProductAddressPrefix = "address: 0x";
inline constexpr const char* ProductBytePrefix = " -> 0x";

// Titles of the link's messages other than the dialog caption; a wrong
// model code in an image file gets the same box as the radio read's.
inline constexpr const char* ModelCheckTitle = "Model Check";
inline constexpr const char* ProductCodeTitle = "Product Code Error!";
inline constexpr const char* ReadTitle = "Read from Radio";
inline constexpr const char* ProgramTitle = "Program to Radio";
inline constexpr const char* ClearDataTitle = "Clear Data";
inline constexpr const char* ClearAtisTitle = "Clear Data ATIS";

// The link's status line.
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
inline constexpr std::array<const char*, 5> Instructions{
    "1.Connect the ZMP cable between the PC serial port and the radio.",
    "2.On the radio, press and hold [DISTRESS] and [CALL] keys while",
    "   turning the power on.",
    "   The Radio display will show PC CONTROL.",
    "3.Press the [OK] button to start.",
};

// The editor's messages and captions.
inline constexpr const char* DataError = "Data Error!!";
inline constexpr const char* InputCorrectData = "Please input correct data.";
inline constexpr const char* DataChanged = "ZMP data has changed.";
inline constexpr const char* SaveChanges = "Do you want to save changes?";
inline constexpr const char* NoHelp =
    "Unable to display Help Contents. There is no Help associated with this project.";
inline constexpr const char* MakingTextImage = "Now, making text image. Please wait...";
inline constexpr const char* AboutTitle = "Version Infomation";
inline constexpr const char* MakerLine = "Zampler";
inline constexpr const char* ApplicationTitle = "ZMP";
inline constexpr const char* ReportWindowCaption = "Print to File";
inline constexpr const char* BackupsCaption = "Backups";
inline constexpr const char* CompareCaption = "Compare with Radio";
// The serial-port menu's own items and what Find Radio tells.
inline constexpr const char* OtherDevice = "Other device…";
inline constexpr const char* OtherDevicePrompt = "Serial device (for example /dev/ttyUSB0 or /dev/pts/3):";
inline constexpr const char* FindRadio = "Find Radio";
inline constexpr const char* TransferPort = "Serial port: COM";
inline constexpr const char* FindingRadio = "Finding the radio…";
inline constexpr const char* RadioFound = "Radio found.";
inline constexpr const char* NoRadioFound = "No radio found.";
inline constexpr const char* CheckRadioFound = "Is the radio on, in PC mode and on its cable?";
inline constexpr const char* SeveralRadios = "A radio answers on several devices. Which one is to be used?";
inline constexpr const char* NoBackupKept = "No backup was kept of this transfer.";
// The end of a cancelled transfer, and what follows a write that did not complete.
inline constexpr const char* TransferCancelled = "Cancelled.";
inline constexpr const char* PartlyWritten = "The radio may hold a partly written configuration.";
inline constexpr const char* ProgramAgain = "Program it again before using the radio.";
inline constexpr const char* ClearAgain = "Clear it again before using the radio.";
// A radio that cannot be reached, what was seen, and what to do.
inline constexpr const char* NoConnection = "No connection with the radio.";
inline constexpr const char* NoAnswer = "no answer from the radio";
inline constexpr const char* CheckRadio =
    "Is the radio switched on and in PC mode, and the cable plugged in? Then try again.";
inline constexpr const char* OtherModelCode = "Is this configuration for the radio's model?";
// The phases of a transfer, shown without the debug switch.
inline constexpr const char* WaitingForRadio = "Waiting for the radio on ";
inline constexpr const char* WaitingAttempt = "\u2026 attempt ";
inline constexpr const char* ReadingPhase = "Reading\u2026";
inline constexpr const char* WritingPhase = "Writing\u2026";
inline constexpr const char* VerifyingPhase = "Verifying\u2026";
// What to do after a block that failed once the radio had answered.
inline constexpr const char* CheckLink =
    "Check the cable and that the radio is still in PC mode, then try again.";
inline constexpr const char* AreYouSure = "Are you sure ?";
inline constexpr const char* IndividualDirectoryCaption = "Individual Directory";
inline constexpr const char* GroupDirectoryCaption = "Group Directory";
inline constexpr const char* UserMmsiTitle = "User MMSI";
inline constexpr const char* AtisCodeTitle = "ATISNo";
// Both the hint of a frequency field and the caption of its data error.
inline constexpr const char* RxFrequency = "Rx frequency";
inline constexpr const char* TxFrequency = "Tx frequency";
// The note and tooltip of a setting kept in the .dat file only.
inline constexpr const char* NotSentToRadio = "Saved in the file, not sent to the radio.";
// The captions of the four usable groups' check boxes.
inline constexpr std::array<const char*, 4> GroupCaptions{"Group1", "Group2", "Group3", "EXP CH Group"};

// Table exchange: what could not be read, written or taken over.
inline constexpr const char* UnableToWrite = "Unable to write ";
inline constexpr const char* UnableToRead = "Unable to read ";
inline constexpr const char* NothingImported = "Nothing was imported from ";

// File dialog filters.
inline constexpr const char* DatFilter = "dat files(*.dat)|*.dat|All files(*.*)|*.*";
inline constexpr const char* HexFilter = "hex files(*.hex)|*.hex|All files(*.*)|*.*";
inline constexpr const char* TxtFilter = "Text files(*.txt)|*.txt|All files(*.*)|*.*";
inline constexpr const char* PdfFilter = "PDF files(*.pdf)|*.pdf|All files(*.*)|*.*";
inline constexpr const char* CsvFilter = "CSV files(*.csv)|*.csv|All files(*.*)|*.*";

// Printing never fails without a word: without a printer, or when the
// printer cannot be started, the same report can be saved as a PDF file.
inline constexpr const char* NoPrinter = "No printer is installed.";
inline constexpr const char* PrinterFailed = "The report could not be printed.";
inline constexpr const char* OfferPdf = "Do you want to save the report as a PDF file instead?";
inline constexpr const char* PdfFailed = "The PDF file could not be written.";
inline constexpr const char* PdfWritten = "PDF file written:";

// Status-bar hints of the pages.
inline constexpr const char* SelectionHint = "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.";
inline constexpr const char* CheckBoxHint = "[Space]:An effective and invalid change.";
inline constexpr const char* ListHint = "[Up]/[Down]:Change of a Selection item.";
inline constexpr const char* GridHint = "[Double click],[Enter]:Jump the Setting screen.";
inline constexpr const char* WeatherEnableHint = "Select[x]Enable/[]Disable.";
inline constexpr const char* ChannelNameHint = "A maximum of 12 characters";
inline constexpr const char* DirectoryNameHint = "A maximum of 10 characters.";
inline constexpr const char* MmsiHint = "Numeric Only. Indispensable 9 figures.";
inline constexpr const char* TwoFiguresHint = "Indispensable 2 figures.";
inline constexpr const char* OneFigureHint = "Indispensable 1 figures.";
inline constexpr const char* StatusNameHint = "max 4 charactors.";
inline constexpr const char* AtisCodeHint = "Numeric Only. Indispensable 10 figures.";
inline constexpr const char* MmsiClearHint = "A Click Inicializes the number of User MMSI setting permission";
inline constexpr const char* AtisClearHint = "A Click Inicializes the number of Atis setting permission";
inline constexpr const char* LogClearHint = "A Click Inicializes the log";

// Error-log sources: window and routine of each operation.
inline constexpr const char* SaveFileAsSource = "frmMain.SaveFileAs";
inline constexpr const char* FileRead2Source = "frmMain.FileRead2";
inline constexpr const char* SaveHexFileAsSource = "frmMain.SaveHexFileAs";
inline constexpr const char* ReadHexFileAsSource = "frmMain.ReadHexFileAs";
inline constexpr const char* FileReadIniSource = "frmMain.FileReadIni";
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

// Texts made of a name.
inline std::string programSeriesQuestion(const std::string& modelName)
{
    return "Do you want to program the " + modelName + " series?";
}

inline std::string changeDestinationQuestion(const std::string& caption)
{
    return "Do you want to change to " + caption + "?";
}

inline std::string exitQuestion()
{
    return std::string(DataChanged) + "\n" + SaveChanges;
}

inline std::string leavePageError()
{
    return std::string(DataError) + "\n" + InputCorrectData;
}

// Every text above once more, so that the compiler can tell that no text is
// defined under two names; a new text joins this list.
namespace catalogue {

inline constexpr std::array Texts{FileSaveError,
                                  FileReadError,
                                  ModelTypeError,
                                  BadFile,
                                  UnknownModel,
                                  IniFilesNotFound,
                                  IniFileReadError,
                                  IniFileReadErrorOnSelect,
                                  SettingsNotSaved,
                                  ConfirmSync,
                                  Cancelled,
                                  TimeOut,
                                  AddressError,
                                  LinkDataError,
                                  LinkModeError,
                                  GeneralError,
                                  PortInitError,
                                  RadioBusy,
                                  RadioNotReady,
                                  Complete,
                                  CompleteNotVerified,
                                  CommunicationError,
                                  ConnectionLostPrefix,
                                  ConnectionLostSuffix,
                                  VerifyError,
                                  ProductAddressPrefix,
                                  ProductBytePrefix,
                                  ModelCheckTitle,
                                  ProductCodeTitle,
                                  ReadTitle,
                                  ProgramTitle,
                                  ClearDataTitle,
                                  ClearAtisTitle,
                                  SyncExchangePrefix,
                                  SyncExchangeSuffix,
                                  NoSyncAck,
                                  SyncFailed,
                                  SendingLinkMode,
                                  StatusChecking,
                                  StatusOk,
                                  StatusNg,
                                  Reading,
                                  Writing,
                                  Verifying,
                                  ModelChecking,
                                  ProductChecking,
                                  DebugStart,
                                  StartSync,
                                  SyncOk,
                                  NoSync,
                                  DataError,
                                  InputCorrectData,
                                  DataChanged,
                                  SaveChanges,
                                  NoHelp,
                                  MakingTextImage,
                                  AboutTitle,
                                  MakerLine,
                                  ApplicationTitle,
                                  ReportWindowCaption,
                                  BackupsCaption,
                                  CompareCaption,
                                  OtherDevice,
                                  OtherDevicePrompt,
                                  FindRadio,
                                  TransferPort,
                                  FindingRadio,
                                  RadioFound,
                                  NoRadioFound,
                                  CheckRadioFound,
                                  SeveralRadios,
                                  NoBackupKept,
                                  TransferCancelled,
                                  PartlyWritten,
                                  ProgramAgain,
                                  ClearAgain,
                                  NoConnection,
                                  NoAnswer,
                                  CheckRadio,
                                  OtherModelCode,
                                  WaitingForRadio,
                                  WaitingAttempt,
                                  ReadingPhase,
                                  WritingPhase,
                                  VerifyingPhase,
                                  CheckLink,
                                  AreYouSure,
                                  IndividualDirectoryCaption,
                                  GroupDirectoryCaption,
                                  UserMmsiTitle,
                                  AtisCodeTitle,
                                  RxFrequency,
                                  TxFrequency,
                                  UnableToWrite,
                                  UnableToRead,
                                  NothingImported,
                                  DatFilter,
                                  HexFilter,
                                  TxtFilter,
                                  PdfFilter,
                                  CsvFilter,
                                  NoPrinter,
                                  PrinterFailed,
                                  OfferPdf,
                                  PdfFailed,
                                  PdfWritten,
                                  SelectionHint,
                                  CheckBoxHint,
                                  ListHint,
                                  GridHint,
                                  WeatherEnableHint,
                                  ChannelNameHint,
                                  DirectoryNameHint,
                                  MmsiHint,
                                  TwoFiguresHint,
                                  OneFigureHint,
                                  StatusNameHint,
                                  AtisCodeHint,
                                  MmsiClearHint,
                                  AtisClearHint,
                                  LogClearHint,
                                  SaveFileAsSource,
                                  FileRead2Source,
                                  SaveHexFileAsSource,
                                  ReadHexFileAsSource,
                                  FileReadIniSource,
                                  SourcePortInit,
                                  SourcePortInitCp,
                                  SourcePortOpen,
                                  SourceReadData,
                                  SourceChkModel,
                                  SourceChkProduct,
                                  SourceWriteData,
                                  SourceVerifyData,
                                  SourceClearData,
                                  SourceClearAtis,
                                  SourceClearAny,
                                  SourceClearAny2,
                                  SourceOk};

// Each text's length is taken once, so that the pairs compare mostly by
// length and the check stays within every compiler's evaluation limits.
consteval bool allDistinct()
{
    std::array<std::string_view, Texts.size()> views{};
    for (std::size_t i = 0; i < Texts.size(); ++i)
        views[i] = Texts[i];
    for (std::size_t i = 0; i < views.size(); ++i)
        for (std::size_t j = i + 1; j < views.size(); ++j)
            if (views[i] == views[j]) return false;
    return true;
}

static_assert(allDistinct(), "a text of the catalogue is defined twice");

} // namespace catalogue

} // namespace zmp::msg
