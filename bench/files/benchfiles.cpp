// Speed of the configuration file: writing and reading a full
// configuration, and reading files of growing size (which must scale
// linearly and stay within bounded memory).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "codec/errorlog.h"
#include "files/configfilereader.h"
#include "files/configfilewriter.h"
#include "image/newimage.h"
#include "model/models.h"

namespace {

namespace fs = std::filesystem;
using namespace zmp;

struct Workspace {
    Workspace() : folder(fs::temp_directory_path() / ("zmp-bench-files-" + std::to_string(::getpid())))
    {
        fs::create_directories(folder);
    }
    ~Workspace() { fs::remove_all(folder); }
    fs::path folder;
};

Workspace& workspace()
{
    static Workspace space;
    return space;
}

const Records& resetRecords()
{
    static const Records records = [] {
        Records made;
        MemoryImage image;
        makeNewImage(ModelMr4400, made, image);
        return made;
    }();
    return records;
}

// Every table full: 720 group channels, 10 WX, 64 EXP, 112 directory entries.
Records fullRecords()
{
    Records records = resetRecords();
    for (ChannelTable* table : {&records.usa, &records.intl, &records.can, &records.wx, &records.exp})
        for (std::size_t i = 0; i < table->size(); ++i) {
            (*table)[i].Enable = true;
            (*table)[i].ChTag = "CHANNEL " + std::to_string(i);
        }
    for (std::size_t n = 0; n < records.exp.size(); ++n) {
        records.exp[n].CHDisplayL = std::to_string(10 + n);
        records.exp[n].Rxfreq = 100.0 + (56.0055 + 0.0125 * static_cast<double>(n));
        records.exp[n].Txfreq = 100.0 + (60.6 + 0.0125 * static_cast<double>(n));
    }
    for (Directory* directory : {&records.memoryId, &records.groupId})
        for (std::size_t n = 0; n < directory->size(); ++n)
            (*directory)[n] = {true, "NAME " + std::to_string(n), std::to_string(211000000 + n), {}};
    return records;
}

void composeFullConfiguration(benchmark::State& state)
{
    const Records records = fullRecords();
    for (auto _ : state)
        benchmark::DoNotOptimize(ConfigFileWriter::compose(records, ModelMr4400, true));
}
BENCHMARK(composeFullConfiguration)->Unit(benchmark::kMillisecond);

// Includes the temporary file, the flush to disk and the rename.
void writeFullConfiguration(benchmark::State& state)
{
    const Records records = fullRecords();
    ProcessFlags flags;
    const ErrorLog log(workspace().folder.string(), false);
    const FileContext context{ModelMr4400, true, flags, log};
    const std::string path = (workspace().folder / "full.dat").string();
    for (auto _ : state)
        if (!ConfigFileWriter::write(path, records, context).ok) state.SkipWithError("write failed");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fs::file_size(path)));
}
BENCHMARK(writeFullConfiguration)->Unit(benchmark::kMillisecond);

void readFile(benchmark::State& state, const std::string& path)
{
    Records records;
    ProcessFlags flags;
    const ErrorLog log(workspace().folder.string(), false);
    const FileContext context{ModelMr4400, true, flags, log};
    for (auto _ : state) {
        const FileOutcome outcome =
            ConfigFileReader::read(path, records, context, [&records] { records = resetRecords(); });
        if (!outcome.ok) state.SkipWithError("read failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fs::file_size(path)));
}

void readFullConfiguration(benchmark::State& state)
{
    const fs::path path = workspace().folder / "read-full.dat";
    std::ofstream(path, std::ios::binary) << ConfigFileWriter::compose(fullRecords(), ModelMr4400, true);
    readFile(state, path.string());
}
BENCHMARK(readFullConfiguration)->Unit(benchmark::kMillisecond);

// A full configuration followed by repeated sections until the file has
// the requested size: later sections of a known name add no entries.
void readScalesWithFileSize(benchmark::State& state)
{
    const auto size = static_cast<std::size_t>(state.range(0));
    const fs::path path = workspace().folder / ("scaling-" + std::to_string(size) + ".dat");
    {
        std::string text = ConfigFileWriter::compose(fullRecords(), ModelMr4400, true);
        const std::string padding = "[CHWX0]\r\nEnable=1\r\nScanMemory=0\r\nChTag=#PADDING PADDING\r\n";
        std::ofstream out(path, std::ios::binary);
        out << text;
        for (std::size_t written = text.size(); written < size; written += padding.size())
            out << padding;
    }
    readFile(state, path.string());
    state.SetComplexityN(state.range(0));
    fs::remove(path);
}
BENCHMARK(readScalesWithFileSize)
    ->RangeMultiplier(4)
    ->Range(1 << 18, 1 << 27)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
