#pragma once

#include <string>

// The editor's own message texts and captions, in one place so that every
// window shows them the same way and the tests can compare them exactly.
namespace zmp::uimsg {

inline constexpr const char* DataError = "Data Error!!";
inline constexpr const char* InputCorrectData = "Please input correct data.";
inline constexpr const char* DataChanged = "ZMP data has changed.";
inline constexpr const char* SaveChanges = "Do you want to save changes?";
inline constexpr const char* NoHelp =
    "Unable to display Help Contents. There is no Help associated with this project.";
inline constexpr const char* SelectionHint = "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.";
inline constexpr const char* MakingTextImage = "Now, making text image. Please wait...";
inline constexpr const char* AboutTitle = "Version Infomation";
inline constexpr const char* MakerLine = "Zampler";
inline constexpr const char* ApplicationTitle = "ZMP";
inline constexpr const char* ReportWindowCaption = "Print to File";
inline constexpr const char* BackupsCaption = "Backups";
inline constexpr const char* CompareCaption = "Compare with Radio";
inline constexpr const char* NoBackupKept = "No backup was kept of this transfer.";

inline constexpr const char* DatFilter = "dat files(*.dat)|*.dat|All files(*.*)|*.*";
inline constexpr const char* HexFilter = "hex files(*.hex)|*.hex|All files(*.*)|*.*";
inline constexpr const char* TxtFilter = "Text files(*.txt)|*.txt|All files(*.*)|*.*";
inline constexpr const char* PdfFilter = "PDF files(*.pdf)|*.pdf|All files(*.*)|*.*";

// Printing never fails without a word: without a printer, or when the
// printer cannot be started, the same report can be saved as a PDF file.
inline constexpr const char* NoPrinter = "No printer is installed.";
inline constexpr const char* PrinterFailed = "The report could not be printed.";
inline constexpr const char* OfferPdf = "Do you want to save the report as a PDF file instead?";
inline constexpr const char* PdfFailed = "The PDF file could not be written.";

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

} // namespace zmp::uimsg
