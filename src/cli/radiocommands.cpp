#include "cli/radiocommands.h"

#include <array>
#include <memory>
#include <utility>

#include "cli/backupcommands.h"
#include "cli/clearquestion.h"
#include "cli/clilinkhost.h"
#include "cli/filecommandset.h"
#include "cli/messageprinter.h"
#include "cli/outputcheck.h"
#include "cli/portscommand.h"
#include "files/appsettings.h"
#include "image/imagecodec.h"
#include "message/messagetexts.h"
#include "transfer/transfer.h"

namespace zmp {

namespace {

const std::atomic<bool> NeverInterrupted{false};

constexpr std::array<std::pair<const char*, OperationType>, 9> ClearWords{{
    {"mmsi", OperationType::ClearMmsi},
    {"atis", OperationType::ClearAtis},
    {"dsc-log", OperationType::ClearDscLog},
    {"distress-log", OperationType::ClearDistressLog},
    {"individual", OperationType::ClearIndividual},
    {"group", OperationType::ClearGroup},
    {"waypoint", OperationType::ClearWayPoint},
    {"dsc-tx-log", OperationType::ClearDscTxLog},
    {"all", OperationType::ClearAll},
}};

CliLinkHost::Settings hostSettings(CliSession& session)
{
    CliEnvironment& environment = session.environment();
    return {session.options().yes, environment.stdinIsTerminal, environment.stderrIsTerminal,
            session.options().debug, session.flags().RetryCount};
}

// The device a transfer uses, as the user knows it.
std::string deviceOf(CliSession& session)
{
    CliEnvironment& environment = session.environment();
    const int number = AppSettings(environment.settings).comNum();
    const std::string device = session.options().port.value_or(
        environment.portDevice ? environment.portDevice(number) : std::string());
    return device.empty() ? "COM" + std::to_string(number) : device;
}

int exitStatus(TransferOutcome outcome)
{
    switch (outcome) {
    case TransferOutcome::Complete:
    case TransferOutcome::CompleteNotVerified:
        return ExitSuccess;
    case TransferOutcome::Cancelled:
        return ExitCancelled;
    default:
        return ExitFailed;
    }
}

} // namespace

std::optional<OperationType> RadioCommands::clearOperation(const std::string& what)
{
    for (const auto& [word, type] : ClearWords)
        if (what == word) return type;
    return std::nullopt;
}

std::vector<std::string> RadioCommands::clearWords()
{
    std::vector<std::string> words;
    for (const auto& entry : ClearWords)
        words.emplace_back(entry.first);
    return words;
}

int RadioCommands::transfer(CliSession& session, OperationType type, std::ostream& err, std::istream& in)
{
    CliEnvironment& environment = session.environment();
    if (!environment.makePort) {
        err << "zmp-cli: the radio commands are not available in this build\n";
        return ExitFailed;
    }
    std::string device = session.options().port.value_or("");
    if (device == PortsCommand::Auto) {
        int status = ExitFailed;
        const auto found = PortsCommand::findRadio(session, err, status);
        if (!found) return status;
        device = *found;
    }
    const auto port = environment.makePort(device);
    if (!port) {
        err << "zmp-cli: cannot use the serial port " << device << '\n';
        return ExitFailed;
    }
    CliLinkHost host(err, in, hostSettings(session),
                     environment.interrupted ? *environment.interrupted : NeverInterrupted);
    LinkOptions options{AppSettings(environment.settings).comNum(), session.programDir(),
                        !session.options().noVerify};
    options.device = device.empty() ? deviceOf(session) : device;
    Transfer transfer(type, *port, host, session.configuration(), options);
    transfer.setCopyRadioFirst(session.options().backupRadio);
    host.onInterrupt([&transfer] { transfer.cancel(); });
    std::unique_ptr<BackupStore> store;
    if (!session.options().noBackup) store = BackupCommands::keepBackups(session, transfer);
    if (environment.transferActive) environment.transferActive(true);
    transfer.run();
    if (environment.transferActive) environment.transferActive(false);
    transfer.release();
    if (const auto message = transfer.closingMessage()) MessagePrinter::print(err, *message);
    BackupCommands::told(session, transfer, err);
    if (const auto& copy = transfer.radioCopy())
        err << "zmp-cli: what the radio held is kept in " << BackupCommands::configPath(session, *copy)
            << '\n';
    transfer.takeRead(session.document());
    return exitStatus(transfer.outcome());
}

int RadioCommands::readRadio(CliSession& session, std::ostream& err, std::istream& in)
{
    CliSession::print(err, session.resetImage());
    return transfer(session, OperationType::Read, err, in);
}

// Twelve seconds of reading are not thrown away for a file that cannot be
// written: that is found out first (checkWritable), and should the save fail all the same,
// the image stays in the backups, --no-backup or not.
int RadioCommands::runRead(CliSession& session, const std::vector<std::string>& args, std::ostream&,
                           std::ostream& err, std::istream& in)
{
    if (!FileCommandSet::checkOutput(args[0], {}, OutputCheck::Writes::Configuration, err)) return ExitUsage;
    if (!checkWritable(session, args[0], err)) return ExitFailed;
    const int status = readRadio(session, err, in);
    if (status != ExitSuccess) return status;
    return saveRead(session, args[0], err);
}

bool RadioCommands::checkWritable(CliSession& session, const std::string& path, std::ostream& err)
{
    const std::string problem = OutputCheck::problem(path);
    if (problem.empty()) return true;
    MessagePrinter::print(err, FileOutcome::failure(msg::FileSaveError, session.title(), MessageIcon::Warning,
                                                    path + ": " + problem)
                                   .message);
    return false;
}

int RadioCommands::saveRead(CliSession& session, const std::string& path, std::ostream& err)
{
    if (FileCommandSet::save(session, path, err)) return ExitSuccess;
    // Only a completed read comes here.
    std::optional<BackupEntry> kept = session.lastBackup();
    if (!kept) kept = BackupCommands::keep(session, backupoperation::Read, backupoutcome::Complete, err);
    if (kept)
        err << "zmp-cli: what was read is kept in " << BackupCommands::configPath(session, *kept) << '\n';
    return ExitFailed;
}

int RadioCommands::runProgram(CliSession& session, const std::vector<std::string>& args, std::ostream&,
                              std::ostream& err, std::istream& in)
{
    if (!FileCommandSet::checkInput(args[0], err)) return ExitUsage;
    if (session.options().backupRadio && session.options().noBackup) {
        err << "zmp-cli: --backup-radio keeps a backup and cannot go with --no-backup\n";
        return ExitUsage;
    }
    if (!FileCommandSet::open(session, args[0], err)) return ExitFailed;
    return transfer(session, OperationType::Program, err, in);
}

int RadioCommands::runClear(CliSession& session, const std::vector<std::string>& args, std::ostream&,
                            std::ostream& err, std::istream& in)
{
    const auto type = clearOperation(args[0]);
    if (!type) {
        err << "zmp-cli: unknown clear kind: " << args[0]
            << " (mmsi, atis, dsc-log, distress-log, individual, group, waypoint, dsc-tx-log, all)\n";
        return ExitUsage;
    }
    if (args.size() > 1 && !FileCommandSet::checkInput(args[1], err)) return ExitUsage;
    if (args.size() > 2 &&
        !FileCommandSet::checkOutput(args[2], {args[1]}, OutputCheck::Writes::Configuration, err))
        return ExitUsage;
    if (args.size() > 2 && !checkWritable(session, args[2], err)) return ExitFailed;
    const CliEnvironment& environment = session.environment();
    switch (ClearQuestion::ask(*type, deviceOf(session), session.options().yes, environment.stdinIsTerminal,
                               in, err)) {
    case ClearQuestion::Answer::NobodyToAsk:
        return ExitUsage;
    case ClearQuestion::Answer::Declined:
        return ExitCancelled;
    case ClearQuestion::Answer::Erase:
        break;
    }
    const bool opened = args.size() > 1 ? FileCommandSet::open(session, args[1], err)
                                        : (CliSession::print(err, session.resetImage()), true);
    if (!opened) return ExitFailed;
    const int status = transfer(session, *type, err, in);
    if (status != ExitSuccess || args.size() < 3) return status;
    // OUT receives the image as the radio now holds it; encoding the records
    // into it would bring the erased data back.
    ImageCodec::decode(session.image(), session.records());
    return FileCommandSet::save(session, args[2], err, true) ? ExitSuccess : ExitFailed;
}

} // namespace zmp
