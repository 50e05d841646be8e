#include "fleetlink/fleetbackups.h"

#include "files/configfilewriter.h"
#include "model/models.h"

namespace zmp {

FleetBackups::FleetBackups(const std::string& folder, int model, bool hasAtis, std::string destination)
    : store_(folder.empty() ? nullptr : std::make_unique<BackupStore>(folder)), model_(model),
      hasAtis_(hasAtis), destination_(std::move(destination))
{
}

std::string FleetBackups::keep(const FleetBackup& backup, std::string& problem)
{
    problem.clear();
    if (!store_) return {};
    BackupEntry entry;
    entry.operation = backupoperation::Programmed;
    entry.model = modelName(model_);
    entry.mmsi = backup.records.userMmsi;
    entry.destination = destination_;
    entry.port = backup.device;
    entry.outcome = backup.outcome;
    entry.label = backup.label;
    const std::string text = ConfigFileWriter::compose(backup.records, model_, hasAtis_);
    const std::lock_guard lock(mutex_);
    const auto kept = store_->keep(entry, backup.image, text, &problem);
    return kept ? kept->name : std::string();
}

} // namespace zmp
