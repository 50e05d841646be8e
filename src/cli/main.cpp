#include <QCoreApplication>

#include <atomic>
#include <csignal>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

#include "cli/cli.h"
#include "cli/qtportfactory.h"
#include "platform/backupfolder.h"
#include "platform/qtsettingsstore.h"
#include "platform/serialportnames.h"

namespace {

std::atomic<bool> interrupted{false};
std::atomic<bool> transferRunning{false};

// During a transfer Ctrl+C asks the link to stop (a read then sends CAN);
// otherwise it ends the program at once, as it always does.
extern "C" void onInterrupt(int signal)
{
    if (transferRunning.load()) {
        interrupted.store(true);
        return;
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    std::signal(SIGINT, onInterrupt);
    zmp::QtSettingsStore settings;
    // The program folder is the one the executable sits in, built or installed.
    zmp::CliEnvironment environment{settings, QCoreApplication::applicationDirPath().toStdString()};
    environment.stdinIsTerminal = isatty(STDIN_FILENO) != 0;
    environment.stderrIsTerminal = isatty(STDERR_FILENO) != 0;
    environment.interrupted = &interrupted;
    environment.makePort = zmp::qtPortFactory(settings);
    environment.transferActive = [](bool active) { transferRunning.store(active); };
    environment.backupDir = zmp::backupFolder();
    environment.portDevice = [&settings](int port) {
        return zmp::SerialPortNames(&settings).deviceFor(port);
    };
    const std::vector<std::string> args(argv + 1, argv + argc);
    return zmp::Cli::run(args, std::cout, std::cerr, std::cin, environment);
}
