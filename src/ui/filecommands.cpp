#include "ui/filecommands.h"

#include <QApplication>
#include <QPrinter>

#include "files/configfilereader.h"
#include "files/configfilewriter.h"
#include "files/fileoutcome.h"
#include "files/imagefile.h"
#include "image/newimage.h"
#include "message/messagetexts.h"
#include "model/fillingscope.h"
#include "platform/reportprinter.h"
#include "report/printedreport.h"
#include "ui/busywindow.h"
#include "ui/mainwindow.h"
#include "ui/pause.h"
#include "ui/reportwindow.h"
#include "ui/waitcursor.h"

namespace zmp {

namespace {

constexpr int NewDelayMs = 100;
constexpr int NewPauseMs = 500;

} // namespace

FileCommands::FileCommands(MainWindow& window, MessageService& messages, DialogService& dialogs)
    : window_(window), messages_(messages), dialogs_(dialogs),
      log_(window.state().programDir.string(), window.state().flags.DebugMode)
{
    newTimer_.setSingleShot(true);
    newTimer_.setInterval(NewDelayMs);
    QObject::connect(&newTimer_, &QTimer::timeout, &newTimer_, [this] { runNew(); });
}

std::string FileCommands::programFolder() const
{
    return window_.state().programDir.string();
}

FileContext FileCommands::fileContext()
{
    EditorState& state = window_.state();
    return FileContext{state.model, state.hasAtis, state.flags, log_, [] { QApplication::processEvents(); }};
}

void FileCommands::show(const FileOutcome& outcome)
{
    messages_.tell(outcome.message);
}

void FileCommands::newFile()
{
    if (window_.leavePageCheck() && askToSaveChanges()) startNew();
}

void FileCommands::startNew()
{
    // The rebuild runs after the click has been handled.
    newTimer_.start();
}

void FileCommands::runNew()
{
    const BusyWindow busy(window_);
    window_.selectNodeByKey("General");
    pauseMs(NewPauseMs);
    window_.rebuild(true);
    window_.state().flags.modified = false;
}

void FileCommands::makeNewImage()
{
    EditorState& state = window_.state();
    zmp::makeNewImage(state.model, state.records, state.image);
}

void FileCommands::open()
{
    if (!window_.leavePageCheck() || !askToSaveChanges()) return;
    EditorState& state = window_.state();
    const BusyWindow busy(window_);
    state.flags.CancelFlag = true;
    const std::string path = dialogs_.openFileName(msg::DatFilter, programFolder());
    if (!path.empty()) readConfiguration(path);
}

void FileCommands::openPath(const std::string& path)
{
    const BusyWindow busy(window_);
    window_.state().flags.CancelFlag = true;
    readConfiguration(path);
}

void FileCommands::readConfiguration(const std::string& path)
{
    EditorState& state = window_.state();
    state.flags.ErrorFlag = false;
    show(ConfigFileReader::read(path, state.records, fileContext(), [this] { window_.rebuild(true); }));
    if (!state.flags.ErrorFlag) {
        state.currentFilePath = path;
        state.currentFileIsImage = false;
        window_.updateTitle();
        state.flags.CancelFlag = false;
    }
    QApplication::processEvents();
    if (!state.flags.CancelFlag) {
        window_.refreshCurrentPage();
        window_.refreshTree();
    }
}

void FileCommands::save()
{
    if (window_.leavePageCheck()) saveCommand(true);
}

void FileCommands::saveAs()
{
    if (window_.leavePageCheck()) saveCommand(false);
}

void FileCommands::saveCommand(bool useCurrentPath)
{
    EditorState& state = window_.state();
    // A raw image opened with Ctrl+F2 is never overwritten with the
    // configuration text: Save asks for a path as Save As does.
    const bool ask = !useCurrentPath || state.currentFilePath.empty() || state.currentFileIsImage;
    const std::string path =
        ask ? dialogs_.saveFileName(msg::DatFilter, programFolder()) : state.currentFilePath;
    state.flags.CancelFlag = true;
    if (path.empty()) return;
    state.flags.ErrorFlag = false;
    show(ConfigFileWriter::write(path, state.records, fileContext()));
    if (state.flags.ErrorFlag) return;
    state.currentFilePath = path;
    state.currentFileIsImage = false;
    window_.updateTitle();
    state.flags.CancelFlag = false;
    state.flags.modified = false;
}

void FileCommands::print()
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

void FileCommands::exportPdf()
{
    if (!window_.leavePageCheck()) return;
    writePdf();
}

void FileCommands::offerPdf(const char* reason)
{
    const Message question{window_.state().title(), std::string(reason) + "\n" + msg::OfferPdf,
                                  MessageIcon::Warning, MessageButtons::YesNo, MessageAnswer::Yes};
    if (messages_.show(question) == MessageAnswer::Yes) writePdf();
}

void FileCommands::writePdf()
{
    std::string path = dialogs_.saveFileName(msg::PdfFilter, programFolder());
    if (path.empty()) return;
    if (std::filesystem::path(path).extension().empty()) path += ".pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    if (!printReport(printer))
        messages_.inform(window_.state().title(), std::string(msg::PdfFailed) + "\n" + path, MessageIcon::Warning);
}

bool FileCommands::printReport(QPrinter& printer)
{
    EditorState& state = window_.state();
    const WaitCursor wait;
    const ReportInput input{state.records, state.image, state.model, state.hasAtis};
    return ReportPrinter::print(printedReport(input, ReportPrinter::geometryOf(printer)), printer);
}

void FileCommands::printToFile()
{
    // The report must show what the page shows: a value typed but not yet
    // stored is validated first, as for Print.
    if (!window_.leavePageCheck()) return;
    ReportWindow report(window_.state(), messages_, dialogs_, &window_);
    report.exec();
}

bool FileCommands::loadDestinationFile(const std::filesystem::path& file)
{
    EditorState& state = window_.state();
    return ImageFile::loadSilently(file.string(), state.records, state.image, fileContext());
}

void FileCommands::openImageFile()
{
    EditorState& state = window_.state();
    if (!state.flags.DebugMode) return;
    const std::string path = dialogs_.openFileName(msg::HexFilter, programFolder());
    if (path.empty()) {
        state.flags.CancelFlag = true;
        return;
    }
    const BusyWindow busy(window_);
    state.flags.ErrorFlag = false;
    {
        const FillingScope filling(state.flags);
        show(ImageFile::open(path, state.records, state.image, fileContext()));
    }
    if (!state.flags.ErrorFlag) {
        state.currentFilePath = path;
        state.currentFileIsImage = true;
        window_.updateTitle();
        state.flags.modified = false;
        window_.refreshTree();
        window_.refreshCurrentPage();
    } else {
        state.flags.CancelFlag = true;
    }
}

void FileCommands::openBackup(const std::string& imagePath)
{
    EditorState& state = window_.state();
    const BusyWindow busy(window_);
    state.flags.ErrorFlag = false;
    {
        const FillingScope filling(state.flags);
        show(ImageFile::open(imagePath, state.records, state.image, fileContext()));
    }
    if (!state.flags.ErrorFlag) {
        state.currentFilePath.clear();
        state.currentFileIsImage = false;
        window_.updateTitle();
        state.flags.modified = true;
        window_.selectNodeByKey("General");
        window_.refreshTree();
        window_.refreshCurrentPage();
    }
}

void FileCommands::saveImageFile()
{
    EditorState& state = window_.state();
    if (!state.flags.DebugMode || !window_.leavePageCheck()) return;
    const std::string path = dialogs_.saveFileName(msg::HexFilter, programFolder());
    if (path.empty()) {
        state.flags.CancelFlag = true;
        return;
    }
    const BusyWindow busy(window_);
    state.flags.ErrorFlag = false;
    show(ImageFile::save(path, state.records, state.image, fileContext()));
    if (state.flags.ErrorFlag) state.flags.CancelFlag = true;
}

bool FileCommands::exitPrompt()
{
    return askToSaveChanges();
}

bool FileCommands::askToSaveChanges()
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
