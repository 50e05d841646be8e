#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "backup/backupentry.h"
#include "cli/clisession.h"

namespace zmp {

// The automatic backups of zmp-cli: listing them, and keeping the image a
// read brought in or a program sent out.
class BackupCommands {
  public:
    // backups: one line per backup, oldest first, tab-separated: time (UTC),
    // read or programmed, model, MMSI, destination, port, outcome and the
    // path of its .dat file; "-" for an empty field.
    static int runList(CliEnvironment& environment, std::ostream& out, std::ostream& err);

    // Keeps the session's image and records as a backup of operation, with
    // the outcome the flags tell. A failure is told on err and changes no
    // exit status.
    static std::optional<BackupEntry> keep(CliSession& session, const char* operation,
                                           const ProcessFlags& flags, std::ostream& err);
    // Where a kept backup's configuration file lies.
    static std::string configPath(CliSession& session, const BackupEntry& entry);
};

} // namespace zmp
