#include "exchange/csvfile.h"

#include "exchange/tableexchange.h"
#include "files/filereading.h"

namespace zmp {

std::optional<std::string> readCsvFile(const std::string& path, std::string& text)
{
    constexpr std::size_t ChunkSize = 1 << 16;
    FileError error;
    const long long size = regularFileSize(path, error);
    if (size > static_cast<long long>(TableExchange::MaxTextSize))
        return std::string("too large for a table");
    const auto append = [&text](std::string_view chunk) {
        text.append(chunk);
        return true;
    };
    if (size >= 0 && readFileChunks(path, ChunkSize, append, error)) return std::nullopt;
    return error.description;
}

} // namespace zmp
