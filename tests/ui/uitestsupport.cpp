#include "uitestsupport.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <QApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QTimer>

#include "image/newimage.h"
#include "ui/mainwindow.h"
#include "ui/serialservices.h"

namespace zmp::test {

namespace {

void showModalBox(const Message& request)
{
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(request.title),
                    QString::fromStdString(request.text), QMessageBox::Ok, QApplication::activeWindow());
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, &box, [&box] {
        if (box.isActiveWindow()) box.done(QMessageBox::Ok);
    });
    answer.start(1);
    QWidget* active = QApplication::activeWindow();
    box.exec();
    // The window system gives the activation back to the window the box
    // stood over; the offscreen platform leaves that to the program.
    if (active) active->activateWindow();
}

} // namespace

MessageAnswer ScriptedMessages::show(const Message& request)
{
    shown.push_back(request);
    if (modal) showModalBox(request);
    if (answers_.empty())
        return request.buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::string ScriptedMessages::texts() const
{
    std::string all;
    for (const Message& request : shown)
        all += "[" + request.title + "] " + request.text + "\n";
    return all;
}

std::string ScriptedDialogs::next(const std::string& filter)
{
    filtersAsked.push_back(filter);
    if (paths.empty()) return "";
    std::string path = paths.front();
    paths.pop_front();
    return path;
}

std::string ScriptedDialogs::openFileName(const std::string& filter, const std::string&)
{
    return next(filter);
}

std::string ScriptedDialogs::saveFileName(const std::string& filter, const std::string&)
{
    return next(filter);
}

std::string ScriptedDialogs::askText(const std::string&, const std::string&, const std::string&)
{
    if (texts.empty()) return "";
    std::string text = texts.front();
    texts.pop_front();
    return text;
}

int ScriptedDialogs::chooseItem(const std::string&, const std::string&, const std::vector<std::string>& items)
{
    itemsOffered = items;
    if (choices.empty()) return -1;
    const int choice = choices.front();
    choices.pop_front();
    return choice;
}

bool ScriptedDialogs::choosePrinter(QPrinter& printer)
{
    if (pdfPath.empty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdfPath));
    printer.setPageSize(QPageSize(QPageSize::A4));
    return true;
}

void writeDestination(const std::filesystem::path& folder, const std::string& fileName, int model)
{
    Records records;
    MemoryImage image;
    makeNewImage(model, records, image);
    writeBytes(folder / fileName,
               std::string(reinterpret_cast<const char*>(image.bytes.data()), image.bytes.size()));
}

EditorFixture::EditorFixture(const std::string& name, const std::string& globalIni, bool debug)
    : folder(scratchFolder(name))
{
    writeBytes(folder / "global.ini", globalIni);
    state.programDir = folder;
    state.flags.DebugMode = debug;
}

EditorFixture::~EditorFixture()
{
    // Nothing is left to ask when the window goes.
    state.flags.modified = false;
}

bool EditorFixture::start()
{
    MainWindowServices services{state, settings, messages, dialogs, {}, {}, (folder / "backups").string()};
    attachSerialPorts(services, SerialPortNames(&settings, devices ? devices
                                                                   : SerialPortNames::DeviceList(
                                                                         SerialPortNames::systemDevices)));
    window = std::make_unique<MainWindow>(std::move(services));
    return window->startUp();
}

} // namespace zmp::test
