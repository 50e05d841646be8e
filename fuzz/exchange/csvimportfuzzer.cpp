// Feeds arbitrary bytes to the CSV import of every table: it must report
// problems or import, never crash, and leave the records untouched when it
// reports any.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exchange/tableexchange.h"
#include "history/recordsequal.h"
#include "image/newimage.h"
#include "model/memoryimage.h"
#include "model/models.h"

#include "../support/resetrecords.h"

using zmp::fuzz::resetRecords;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    // The first byte chooses the table, the rest is the file.
    const zmp::ExchangeTable table = zmp::ExchangeTables[data[0] % zmp::ExchangeTables.size()];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    // A failed import leaves the records as they were, so they are copied
    // afresh only after an import that succeeded: copying them for every
    // input took most of the time.
    static zmp::Records records = resetRecords();
    const auto problems = zmp::TableExchange::importCsv(records, table, text);
    if (problems.empty()) {
        records = resetRecords();
        return 0;
    }
    if (!zmp::recordsEqual(records, resetRecords())) std::abort();
    return 0;
}
