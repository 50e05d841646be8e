#include "ui/filemenuhandler.h"

#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>

#include "document/configurationdocument.h"
#include "document/filekind.h"
#include "files/fileoutcome.h"
#include "message/messagetexts.h"
#include "platform/reportprinter.h"
#include "report/printedreport.h"
#include "ui/busywindow.h"
#include "ui/filemenuhost.h"
#include "ui/pause.h"
#include "ui/reportwindow.h"
#include "ui/waitcursor.h"

namespace zmp {

namespace {

constexpr int NewDelayMs = 100;
constexpr int NewPauseMs = 500;

} // namespace

FileMenuHandler::FileMenuHandler(FileMenuHost& window, MessageService& messages, DialogService& dialogs,
                                 SettingsStore& settings)
    : window_(window), messages_(messages), dialogs_(dialogs), recent_(settings)
{
    newTimer_.setSingleShot(true);
    newTimer_.setInterval(NewDelayMs);
    QObject::connect(&newTimer_, &QTimer::timeout, &newTimer_, [this] { runNew(); });
}

// The file dialogs start in the program folder; an installed copy's folder
// cannot be written, so there they start in the user's documents.
std::string FileMenuHandler::dialogFolder() const
{
    const QString folder = QString::fromStdString(window_.state().programDir.string());
    if (QFileInfo(folder).isWritable()) return folder.toStdString();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

void FileMenuHandler::show(const FileOutcome& outcome)
{
    messages_.tell(outcome.message);
}

void FileMenuHandler::newFile()
{
    if (window_.leavePageCheck() && askToSaveChanges()) startNew();
}

void FileMenuHandler::startNew()
{
    // The rebuild runs after the click has been handled.
    newTimer_.start();
}

void FileMenuHandler::runNew()
{
    const BusyWindow busy(window_.hostWindow());
    window_.selectNodeByKey("General");
    pauseMs(NewPauseMs);
    window_.rebuild(true);
}

void FileMenuHandler::open()
{
    if (!window_.leavePageCheck() || !askToSaveChanges()) return;
    EditorState& state = window_.state();
    const BusyWindow busy(window_.hostWindow());
    state.declineFileStep();
    const std::string path = dialogs_.openFileName(msg::DatFilter, dialogFolder());
    if (!path.empty()) readConfiguration(path);
}

void FileMenuHandler::openPath(const std::string& path)
{
    const BusyWindow busy(window_.hostWindow());
    readConfiguration(path);
}

void FileMenuHandler::openChosen(const std::string& path)
{
    if (!opens(path)) return;
    if (fileKindOf(path) == FileKind::Image) {
        const BusyWindow busy(window_.hostWindow());
        show(window_.document().open(path, FileKind::Image));
        return;
    }
    if (!window_.leavePageCheck() || !askToSaveChanges()) return;
    const BusyWindow busy(window_.hostWindow());
    readConfiguration(path);
}

bool FileMenuHandler::opens(const std::string& path) const
{
    if (fileKindOf(path) == FileKind::Configuration) return true;
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix();
    return window_.state().flags.DebugMode && suffix.compare(QStringLiteral("hex"), Qt::CaseInsensitive) == 0;
}

void FileMenuHandler::readConfiguration(const std::string& path)
{
    const FileOutcome outcome = window_.document().open(path, FileKind::Configuration);
    if (outcome.ok) recent_.add(path);
    show(outcome);
}

void FileMenuHandler::save()
{
    if (window_.leavePageCheck()) saveCommand(true);
}

void FileMenuHandler::saveAs()
{
    if (window_.leavePageCheck()) saveCommand(false);
}

void FileMenuHandler::saveCommand(bool useCurrentPath)
{
    EditorState& state = window_.state();
    // A raw image opened with Ctrl+F2 is never overwritten with the
    // configuration text: Save asks for a path as Save As does.
    const bool ask = !useCurrentPath || state.currentFilePath.empty() || state.currentFileIsImage;
    const std::string path =
        ask ? dialogs_.saveFileName(msg::DatFilter, dialogFolder()) : state.currentFilePath;
    state.declineFileStep();
    if (path.empty()) return;
    const FileOutcome outcome = window_.document().save(path, FileKind::Configuration);
    if (outcome.ok) recent_.add(path);
    show(outcome);
}

void FileMenuHandler::print()
{
    if (!window_.leavePageCheck()) return;
    if (!dialogs_.printerAvailable()) {
        offerPdf(msg::NoPrinter);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs_.choosePrinter(printer)) return;
    if (!printReport(printer)) offerPdf(msg::PrinterFailed);
}

void FileMenuHandler::exportPdf()
{
    if (!window_.leavePageCheck()) return;
    writePdf();
}

void FileMenuHandler::offerPdf(const char* reason)
{
    const Message question{window_.state().title(), std::string(reason) + "\n" + msg::OfferPdf,
                           MessageIcon::Warning, MessageButtons::YesNo, MessageAnswer::Yes};
    if (messages_.show(question) == MessageAnswer::Yes) writePdf();
}

void FileMenuHandler::writePdf()
{
    std::string path = dialogs_.saveFileName(msg::PdfFilter, dialogFolder());
    if (path.empty()) return;
    if (std::filesystem::path(path).extension().empty()) path += ".pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    if (printReport(printer))
        window_.showStatus(std::string(msg::PdfWritten) + " " + path);
    else
        messages_.inform(window_.state().title(), std::string(msg::PdfFailed) + "\n" + path,
                         MessageIcon::Warning);
}

bool FileMenuHandler::printReport(QPrinter& printer)
{
    EditorState& state = window_.state();
    const WaitCursor wait;
    const ReportInput input{state.records, state.image, state.model, state.hasAtis};
    return ReportPrinter::print(printedReport(input, ReportPrinter::geometryOf(printer)), printer);
}

void FileMenuHandler::printToFile()
{
    // The report must show what the page shows: a value typed but not yet
    // stored is validated first, as for Print.
    if (!window_.leavePageCheck()) return;
    ReportWindow report(window_.state(), messages_, dialogs_, &window_.hostWindow());
    report.exec();
}

void FileMenuHandler::openImageFile()
{
    EditorState& state = window_.state();
    if (!state.flags.DebugMode) return;
    const std::string path = dialogs_.openFileName(msg::HexFilter, dialogFolder());
    if (path.empty()) {
        state.declineFileStep();
        return;
    }
    const BusyWindow busy(window_.hostWindow());
    show(window_.document().open(path, FileKind::Image));
}

void FileMenuHandler::openBackup(const std::string& imagePath)
{
    const BusyWindow busy(window_.hostWindow());
    show(window_.document().openBackup(imagePath));
}

void FileMenuHandler::saveImageFile()
{
    EditorState& state = window_.state();
    if (!state.flags.DebugMode || !window_.leavePageCheck()) return;
    const std::string path = dialogs_.saveFileName(msg::HexFilter, dialogFolder());
    if (path.empty()) {
        state.declineFileStep();
        return;
    }
    const BusyWindow busy(window_.hostWindow());
    show(window_.document().save(path, FileKind::Image));
}

bool FileMenuHandler::exitPrompt()
{
    return askToSaveChanges();
}

bool FileMenuHandler::askToSaveChanges()
{
    EditorState& state = window_.state();
    if (!state.flags.modified) return true;
    const Message question{state.title(), msg::exitQuestion(), MessageIcon::Warning,
                           MessageButtons::YesNoCancel, MessageAnswer::Yes};
    const MessageAnswer answer = messages_.show(question);
    if (answer == MessageAnswer::Cancel) return false;
    if (answer == MessageAnswer::No) return true;
    if (!window_.leavePageCheck()) return false;
    saveCommand(true);
    return !state.flags.ErrorFlag && !state.flags.CancelFlag;
}

} // namespace zmp
