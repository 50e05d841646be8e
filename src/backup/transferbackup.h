#pragma once

#include <optional>
#include <string>

#include "backup/backupstore.h"
#include "model/memoryimage.h"
#include "model/records.h"

namespace zmp {

// The configuration a transfer leaves behind and where it went or came
// from: what the editor and zmp-cli keep as a backup after a read or a
// program operation.
struct TransferBackup {
    const char* operation = backupoperation::Read;
    const MemoryImage& image;
    const Records& records;
    int model = 0;
    bool hasAtis = false;
    std::string destination;
    std::string port;

    // Keeps the image and its configuration-file text in the store, with
    // the outcome's word (backupoutcome).
    std::optional<BackupEntry> keep(BackupStore& store, const std::string& outcome,
                                    std::string* reason = nullptr) const;
};

} // namespace zmp
