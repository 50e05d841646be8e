#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include "files/commandlineswitch.h"
#include "platform/backupfolder.h"
#include "platform/qtserialport.h"
#include "platform/qtsettingsstore.h"
#include "ui/editorstate.h"
#include "ui/mainwindow.h"
#include "ui/qtdialogservice.h"
#include "ui/qtmessageservice.h"
#include "ui/uimessages.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(zmp::uimsg::ApplicationTitle));
    zmp::EditorState state;
    state.programDir = QCoreApplication::applicationDirPath().toStdString();
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    zmp::CommandLineSwitch::apply(arguments.join(QLatin1Char(' ')).toStdString(), state.flags);
    zmp::QtSettingsStore settings;
    zmp::QtMessageService messages;
    zmp::QtDialogService dialogs;
    const zmp::SerialPortNames names(&settings);
    zmp::MainWindow window({state, settings, messages, dialogs,
                            [&names] { return std::make_unique<zmp::QtSerialPort>(names); },
                            [&names](int port) { return names.deviceFor(port); }, zmp::backupFolder(),
                            [&names](int port) { return names.labelFor(port); },
                            [&names](int port) { return names.identityFor(port); }});
    if (!window.startUp()) return 1;
    window.show();
    return QApplication::exec();
}
