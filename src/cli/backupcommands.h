#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "backup/backupentry.h"
#include "backup/backupstore.h"
#include "cli/clisession.h"
#include "transfer/transfer.h"

namespace zmp {

// The automatic backups of zmp-cli: listing them, and keeping the image a
// read brought in or a program sent out.
class BackupCommands {
  public:
    // backups: one line per backup, oldest first, tab-separated: time (UTC),
    // read or programmed, model, MMSI, destination, port, outcome and the
    // path of its .dat file; "-" for an empty field. With --json the same
    // fields by name, null for an empty one.
    static int runList(CliEnvironment& environment, const CliOptions& options, std::ostream& out,
                       std::ostream& err);

    // Keeps the session's image and records as a backup of operation, with
    // the outcome's word. A failure is told on err and changes no exit status.
    static std::optional<BackupEntry> keep(CliSession& session, const char* operation, const char* outcome,
                                           std::ostream& err);
    // The store the transfer keeps its backups in; none when the build keeps none.
    static std::unique_ptr<BackupStore> keepBackups(CliSession& session, Transfer& transfer);
    // The backup the transfer kept, or why it kept none, told the same way.
    static void told(CliSession& session, const Transfer& transfer, std::ostream& err);
    // Where a kept backup's configuration file lies.
    static std::string configPath(CliSession& session, const BackupEntry& entry);

  private:
    static void told(CliSession& session, const std::optional<BackupEntry>& kept, const std::string& problem,
                     std::ostream& err);
};

} // namespace zmp
