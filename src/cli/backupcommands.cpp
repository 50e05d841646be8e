#include "cli/backupcommands.h"

#include "backup/backupstore.h"
#include "backup/transferbackup.h"
#include "cli/jsondocument.h"
#include "files/appsettings.h"

namespace zmp {

namespace {

std::string shown(const std::string& field)
{
    return field.empty() ? "-" : field;
}

std::string portOf(CliSession& session)
{
    if (session.options().port) return *session.options().port;
    CliEnvironment& environment = session.environment();
    const int number = AppSettings(environment.settings).comNum();
    return environment.portDevice ? environment.portDevice(number) : std::string();
}

std::string destinationOf(CliSession& session)
{
    if (session.options().destination) return *session.options().destination;
    return AppSettings(session.environment().settings).rememberedDestination(session.model());
}

std::string jsonList(const BackupStore& store, const std::vector<BackupEntry>& entries)
{
    JsonDocument json;
    for (const BackupEntry& entry : entries) {
        json.beginObject();
        json.add("time", entry.time);
        json.add("operation", entry.operation);
        json.add("model", entry.model);
        json.add("mmsi", entry.mmsi);
        json.add("destination", entry.destination);
        json.add("port", entry.port);
        json.add("outcome", entry.outcome);
        json.add("file", store.configPath(entry).string());
    }
    return json.text();
}

} // namespace

int BackupCommands::runList(CliEnvironment& environment, const CliOptions& options, std::ostream& out,
                            std::ostream& err)
{
    if (environment.backupDir.empty()) {
        err << "zmp-cli: no folder for backups in this build\n";
        return ExitFailed;
    }
    const BackupStore store(environment.backupDir);
    std::string problem;
    const std::vector<BackupEntry> entries = store.entries(&problem);
    if (!problem.empty()) {
        err << "zmp-cli: the backups cannot be listed: " << problem << '\n';
        return ExitFailed;
    }
    if (options.json) return out << jsonList(store, entries), ExitSuccess;
    for (const BackupEntry& entry : entries) {
        out << entry.time << '\t' << entry.operation << '\t' << shown(entry.model) << '\t'
            << shown(entry.mmsi) << '\t' << shown(entry.destination) << '\t' << shown(entry.port) << '\t'
            << shown(entry.outcome) << '\t' << store.configPath(entry).string() << '\n';
    }
    return ExitSuccess;
}

std::optional<BackupEntry> BackupCommands::keep(CliSession& session, const char* operation,
                                                const char* outcome, std::ostream& err)
{
    if (session.environment().backupDir.empty()) return std::nullopt;
    BackupStore store(session.environment().backupDir);
    const TransferBackup backup{operation,         session.image(),        session.records(), session.model(),
                                session.hasAtis(), destinationOf(session), portOf(session)};
    std::string reason;
    const auto kept = backup.keep(store, outcome, &reason);
    told(session, kept, reason, err);
    return kept;
}

std::unique_ptr<BackupStore> BackupCommands::keepBackups(CliSession& session, Transfer& transfer)
{
    if (session.environment().backupDir.empty()) return nullptr;
    auto store = std::make_unique<BackupStore>(session.environment().backupDir);
    transfer.keepBackupsIn(*store, {destinationOf(session), portOf(session)});
    return store;
}

void BackupCommands::told(CliSession& session, const Transfer& transfer, std::ostream& err)
{
    told(session, transfer.backup(), transfer.backupProblem(), err);
}

void BackupCommands::told(CliSession& session, const std::optional<BackupEntry>& kept,
                          const std::string& problem, std::ostream& err)
{
    if (kept) session.setLastBackup(*kept);
    if (!problem.empty()) err << "zmp-cli: no backup kept: " << problem << '\n';
}

std::string BackupCommands::configPath(CliSession& session, const BackupEntry& entry)
{
    return BackupStore(session.environment().backupDir).configPath(entry).string();
}

} // namespace zmp
