#include "exchange/csvfile.h"

#include "exchange/tableexchange.h"
#include "files/filereading.h"

namespace zmp {

namespace {

constexpr std::size_t ChunkSize = 1 << 16;

std::string tooLarge()
{
    return "too large for a table";
}

} // namespace

std::optional<std::string> readCsvFile(const std::string& path, std::string& text)
{
    FileError error;
    const long long size = regularFileSize(path, error);
    if (size > static_cast<long long>(TableExchange::MaxTextSize)) return tooLarge();
    const auto append = [&text](std::string_view chunk) {
        text.append(chunk);
        return true;
    };
    if (size >= 0 && readFileChunks(path, ChunkSize, append, error)) return std::nullopt;
    return error.description;
}

std::optional<std::string> readCsvStream(std::istream& in, std::string& text)
{
    std::string chunk(ChunkSize, '\0');
    while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
        text.append(chunk, 0, static_cast<std::size_t>(in.gcount()));
        if (text.size() > TableExchange::MaxTextSize) return tooLarge();
    }
    if (in.bad()) return std::string("cannot be read");
    return std::nullopt;
}

} // namespace zmp
