#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <QPrinter>

#include "ui/dialogservice.h"
#include "ui/messageservice.h"

namespace zmp::bench {

// Every message box answered with OK, so a timed command never waits on one.
class SilentMessages : public MessageService {
  public:
    MessageAnswer show(const Message&) override { return MessageAnswer::Ok; }
};

// The file dialogs answer with path (empty: cancelled); printing and the input dialogs are refused.
class FixedDialogs : public DialogService {
  public:
    std::string path;
    std::string openFileName(const std::string&, const std::string&) override { return path; }
    std::string saveFileName(const std::string&, const std::string&) override { return path; }
    bool choosePrinter(QPrinter&) override { return false; }
    bool printerAvailable() override { return false; }
    std::string askText(const std::string&, const std::string&, const std::string&) override { return {}; }
    int chooseItem(const std::string&, const std::string&, const std::vector<std::string>&) override
    {
        return -1;
    }
};

// An empty program folder under the temporary folder whose global.ini
// offers the MR4400 with ATIS.
inline std::filesystem::path freshProgramFolder(const std::string& name)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "global.ini") << "[model1]\r\nuse=1\r\natis=True\r\n";
    return folder;
}

} // namespace zmp::bench
