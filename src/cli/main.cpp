#include <QCoreApplication>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "cli/cli.h"
#include "cli/qtportfactory.h"
#include "files/programfolder.h"
#include "platform/backupfolder.h"
#include "platform/qtsettingsstore.h"
#include "platform/serialdeviceuse.h"
#include "platform/serialportnames.h"

namespace {

std::atomic<bool> interrupted{false};
std::atomic<bool> transferRunning{false};

// During a transfer Ctrl+C asks the link to stop (a read then sends CAN);
// otherwise it ends the program at once, as it always does. A closed
// terminal (SIGHUP) and a polite kill (SIGTERM) are taken the same way, so
// that a transfer they end is told and recorded as cancelled.
extern "C" void onInterrupt(int signal)
{
    if (transferRunning.load()) {
        interrupted.store(true);
        return;
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

bool isTerminal(FILE* stream)
{
#ifdef _WIN32
    return _isatty(_fileno(stream)) != 0;
#else
    return isatty(fileno(stream)) != 0;
#endif
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    for (const int signal : {SIGINT, SIGTERM})
        std::signal(signal, onInterrupt);
#ifdef SIGHUP
    std::signal(SIGHUP, onInterrupt);
#endif
    zmp::QtSettingsStore settings;
    if (!settings.problem().empty())
        std::cerr << "zmp-cli: " << settings.problem() << " (the settings are not saved in this run)\n";
    zmp::CliEnvironment environment{
        settings, zmp::ProgramFolder::locate(QCoreApplication::applicationDirPath().toStdString()).string()};
    environment.stdinIsTerminal = isTerminal(stdin);
    environment.stderrIsTerminal = isTerminal(stderr);
    environment.interrupted = &interrupted;
    environment.makePort = zmp::qtPortFactory(settings);
    environment.transferActive = [](bool active) { transferRunning.store(active); };
    environment.backupDir = zmp::backupFolder();
    environment.portDevice = [&settings](int port) {
        return zmp::SerialPortNames(&settings).deviceFor(port);
    };
    environment.portCandidates = [&settings] {
        std::vector<zmp::ListedPort> ports;
        for (const zmp::SerialDevice& device : zmp::SerialPortNames(&settings).candidates())
            ports.push_back({device.location, device.label()});
        return ports;
    };
    environment.portHeldElsewhere = zmp::SerialDeviceUse::heldElsewhere;
    const std::vector<std::string> args(argv + 1, argv + argc);
    return zmp::Cli::run(args, std::cout, std::cerr, std::cin, environment);
}
