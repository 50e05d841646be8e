#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "backup/backupentry.h"
#include "cli/clisession.h"
#include "link/operationtype.h"

namespace zmp {

// The zmp-cli commands that talk to the radio through the transfer logic.
// Exit 3 when cancelled (Ctrl+C, or a question answered Cancel), 1 when
// the operation failed; a failed or cancelled read or clear writes no file.
// What read and program transfer is kept in the backups.
class RadioCommands {
  public:
    // read OUT: the start-up image read from the radio, then saved.
    static int runRead(CliSession& session, const std::vector<std::string>& args, std::ostream& out,
                       std::ostream& err, std::istream& in);
    // program IN
    static int runProgram(CliSession& session, const std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err, std::istream& in);
    // clear WHAT [IN] [OUT]
    static int runClear(CliSession& session, const std::vector<std::string>& args, std::ostream& out,
                        std::ostream& err, std::istream& in);

    // The operation a clear WHAT names; nothing for an unknown word.
    static std::optional<OperationType> clearOperation(const std::string& what);
    // The words clear takes, in the order of the radio's operations.
    static std::vector<std::string> clearWords();

    // Reads the radio into the session's start-up image; a complete read is
    // kept as a backup unless --no-backup says otherwise.
    static int readRadio(CliSession& session, std::ostream& err, std::istream& in);

  private:
    static int transfer(CliSession& session, OperationType type, std::ostream& err, std::istream& in);
    // A file read or clear would write after the transfer is found unwritable
    // before it: false, with the reason printed.
    static bool checkWritable(CliSession& session, const std::string& path, std::ostream& err);
    static int saveRead(CliSession& session, const std::string& path, std::ostream& err);
};

} // namespace zmp
