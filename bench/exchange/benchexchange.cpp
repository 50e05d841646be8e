// Speed of the marine checks of a full configuration and of the import of
// a 240-row channel table; both run on every edit or import in the editor
// and must stay well under 10 ms.
#include <benchmark/benchmark.h>

#include "checks/marinechecks.h"
#include "exchange/tableexchange.h"
#include "image/newimage.h"
#include "model/memoryimage.h"
#include "model/models.h"

namespace {

using namespace zmp;

// Every directory entry and channel in use, so that every check has work.
Records fullRecords()
{
    Records records;
    MemoryImage image;
    makeNewImage(ModelMr4400, records, image);
    records.userMmsi = "3669876540";
    records.atisCode = "9211123456";
    for (std::size_t i = 0; i < records.memoryId.size(); ++i)
        records.memoryId[i] = {true, "SHIP" + std::to_string(i), std::to_string(232000000 + i), {}};
    for (std::size_t i = 0; i < records.groupId.size(); ++i)
        records.groupId[i] = {true, "GROUP" + std::to_string(i), "0232" + std::to_string(10000 + i), {}};
    for (auto& group : records.groups)
        group.Enable = true;
    for (auto& channel : records.usa)
        channel.Enable = true;
    return records;
}

void checkFullConfiguration(benchmark::State& state)
{
    const Records records = fullRecords();
    for (auto _ : state)
        benchmark::DoNotOptimize(MarineChecks::run(records));
}
BENCHMARK(checkFullConfiguration)->Unit(benchmark::kMicrosecond);

// Every row differs from the records, so every cell runs its rule.
void importUsaTable(benchmark::State& state)
{
    Records source = fullRecords();
    for (auto& channel : source.usa)
        channel.ChTag = "NAME " + std::to_string(channel.Position);
    const std::string csv = TableExchange::exportCsv(source, ExchangeTable::Usa);
    const Records start = fullRecords();
    for (auto _ : state) {
        Records records = start;
        const auto errors = TableExchange::importCsv(records, ExchangeTable::Usa, csv);
        if (!errors.empty()) state.SkipWithError(errors.front().c_str());
        benchmark::DoNotOptimize(records);
    }
}
BENCHMARK(importUsaTable)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
