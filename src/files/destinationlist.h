#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zmp {

// The destination files of the program folder: a destination name, then
// the model's suffix ("_1130" or "-M_1130"), then ".ini".
class DestinationList {
  public:
    static constexpr int MaxNames = 10;

    // The destination names of the first ten matching files found, sorted
    // without regard to case.
    static std::vector<std::string> names(const std::filesystem::path& programDir, int model);
    // The file name up to its first "_", in upper case ("EU-M_1130.ini" gives "EU-M").
    static std::string nameOfFile(const std::string& fileName);
    // The file of a destination name: the model's mark ("-M") is removed
    // from the end of a name longer than it, then the suffix and ".ini"
    // are added.
    static std::string fileNameOf(const std::string& name, int model);
    // The file in the program folder with that name, found without regard
    // to case as on the systems the files were made for.
    static std::optional<std::filesystem::path> locate(const std::filesystem::path& programDir,
                                                       const std::string& fileName);
    // Shell sort (gap halved from count / 2), comparing without regard to case.
    static void sortIgnoringCase(std::vector<std::string>& names);

  private:
    static bool matches(const std::string& fileName, int model);
};

} // namespace zmp
