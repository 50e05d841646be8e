#include "backup/transferbackup.h"

#include "files/configfilewriter.h"
#include "model/models.h"

namespace zmp {

std::optional<BackupEntry> TransferBackup::keep(BackupStore& store, const std::string& outcome,
                                                std::string* reason) const
{
    BackupEntry entry;
    entry.operation = operation;
    entry.model = modelName(model);
    entry.mmsi = records.userMmsi.find_first_not_of(' ') == std::string::npos ? "" : records.userMmsi;
    entry.destination = destination;
    entry.port = port;
    entry.outcome = outcome;
    return store.keep(entry, image, ConfigFileWriter::compose(records, model, hasAtis), reason);
}

} // namespace zmp
