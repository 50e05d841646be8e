#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QStringList>
#include <QTimer>

#include <cstring>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "files/commandlineswitch.h"
#include "files/programfolder.h"
#include "files/startuparguments.h"
#include "message/messagetexts.h"
#include "platform/backupfolder.h"
#include "platform/qtsettingsstore.h"
#include "ui/displaycheck.h"
#include "ui/editorstate.h"
#include "ui/filemenuhandler.h"
#include "ui/mainwindow.h"
#include "ui/qtdialogservice.h"
#include "ui/qtmessageservice.h"
#include "ui/serialservices.h"
#include "ui/zmpversion.h"

namespace {

// The name of the desktop entry and of the icon the installation puts in the theme.
constexpr const char* DesktopId = "org.zmp.zmp";

zmp::StartupArguments startupArguments()
{
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    std::vector<std::string> texts;
    for (const QString& argument : arguments)
        texts.push_back(argument.toStdString());
    return zmp::StartupArguments::parse(texts);
}

// A file handed over by a file manager or typed after the program's name.
void openAfterStartUp(zmp::MainWindow& window, const std::string& filePath)
{
    if (filePath.empty()) return;
    const std::string absolute = QFileInfo(QString::fromStdString(filePath)).absoluteFilePath().toStdString();
    QTimer::singleShot(0, &window, [&window, absolute] { window.fileMenu().openPath(absolute); });
}

} // namespace

int main(int argc, char* argv[])
{
    // Answered before the window system is touched, so that they work without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "zmp " << zmp::zmpVersionText() << '\n';
        return 0;
    }
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << zmp::zmpHelpText();
        return 0;
    }
    if (const std::string reason = zmp::DisplayCheck::missingDisplay(); !reason.empty()) {
        std::cerr << "zmp: the editor needs a display to show its window (" << reason
                  << "); zmp-cli works without one\n";
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(zmp::msg::ApplicationTitle));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopId));
    QApplication::setWindowIcon(QIcon::fromTheme(QString::fromLatin1(DesktopId)));
    zmp::EditorState state;
    state.programDir = zmp::ProgramFolder::locate(QCoreApplication::applicationDirPath().toStdString());
    const zmp::StartupArguments startup = startupArguments();
    zmp::CommandLineSwitch::apply(startup.switchLine, state.flags);
    zmp::QtSettingsStore settings;
    zmp::QtMessageService messages;
    zmp::QtDialogService dialogs;
    if (!settings.problem().empty())
        messages.inform(zmp::msg::ApplicationTitle, zmp::msg::SettingsNotSaved, zmp::MessageIcon::Warning,
                        settings.problem());
    zmp::MainWindowServices services{state, settings, messages, dialogs, {}, {}, zmp::backupFolder()};
    zmp::attachSerialPorts(services, zmp::SerialPortNames(&settings));
    zmp::MainWindow window(std::move(services));
    if (!window.startUp()) return 1;
    window.show();
    openAfterStartUp(window, startup.filePath);
    return QApplication::exec();
}
