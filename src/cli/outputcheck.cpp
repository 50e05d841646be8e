#include "cli/outputcheck.h"

#include "document/filekind.h"
#include "files/fileerror.h"
#include "files/textvalue.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace zmp {

namespace {

namespace fs = std::filesystem;

std::string systemReason(int number)
{
    return std::strerror(number != 0 ? number : EIO);
}

// Opening for appending writes nothing and leaves the times alone.
std::string existingFileProblem(const fs::path& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (fs::is_directory(status)) return systemReason(EISDIR);
    // A save replaces the file, which a device or a pipe cannot be.
    if (!fs::is_regular_file(status)) return FileError::notRegularFile().description;
    errno = 0;
    std::FILE* file = std::fopen(path.string().c_str(), "ab");
    if (!file) return systemReason(errno);
    std::fclose(file);
    return {};
}

std::string folderProblem(const fs::path& folder, const fs::path& name)
{
    const fs::path probe = folder / ("." + name.string() + ".zmp-check");
    errno = 0;
    std::FILE* file = std::fopen(probe.string().c_str(), "wbx");
    if (!file) return systemReason(errno);
    std::fclose(file);
    std::error_code ignored;
    fs::remove(probe, ignored);
    return {};
}

// A device or pipe is not judged by its name: the save refuses it with the
// real reason. "-" is no file: the commands that write to standard output
// never check it, the others refuse it.
bool takesAnyFormat(const std::string& out)
{
    std::error_code error;
    const fs::file_status status = fs::status(out, error);
    return fs::is_character_file(status) || fs::is_block_file(status) || fs::is_fifo(status);
}

std::string formatProblem(const std::string& out, OutputCheck::Writes writes)
{
    const FileKind kind = fileKindOf(out);
    switch (writes) {
    case OutputCheck::Writes::Configuration:
        if (out == "-")
            return "a configuration is not written to standard output: name a .dat, .hex, .ini or .txt file "
                   "instead of -";
        if (kind != FileKind::Unknown) return {};
        return "unknown output file type (.dat, .hex, .ini or .txt): " + out;
    case OutputCheck::Writes::Report:
        if (kind == FileKind::Report) return {};
        return "a report is written to a .txt file: " + out;
    case OutputCheck::Writes::Csv:
        if (TextValue::upper(fs::path(out).extension().string()) == ".CSV") return {};
        return "a table is exported to a .csv file: " + out;
    }
    return {};
}

bool sameFile(const std::string& out, const std::string& input)
{
    std::error_code error;
    return out == input || fs::equivalent(out, input, error);
}

} // namespace

std::string OutputCheck::usageProblem(const std::string& out, const std::vector<std::string>& inputs,
                                      Writes writes)
{
    for (const auto& input : inputs)
        if (sameFile(out, input)) return "the output would overwrite the input: " + out;
    return takesAnyFormat(out) ? std::string() : formatProblem(out, writes);
}

std::string OutputCheck::problem(const std::string& path)
{
    const fs::path target(path);
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(target, error)) && !fs::exists(target, error))
        return FileError::danglingLink().description;
    if (fs::exists(target, error)) {
        const std::string reason = existingFileProblem(target);
        if (!reason.empty()) return reason;
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    return folderProblem(folder, target.filename());
}

} // namespace zmp
