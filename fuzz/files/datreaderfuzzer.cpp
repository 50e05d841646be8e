// Feeds arbitrary bytes to the configuration-file parser and the tolerant
// filling of the records.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/configfilereader.h"
#include "files/sectiontable.h"
#include "image/newimage.h"
#include "model/models.h"

#include "../support/resetrecords.h"

using zmp::fuzz::resetRecords;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The first byte splits the input in two pieces, so line ends falling
    // across a buffer boundary are exercised too.
    const std::size_t split = size == 0 ? 0 : data[0] % (size + 1);
    zmp::SectionTable table;
    table.feed(text.substr(0, split));
    table.feed(text.substr(split));
    table.finish();
    if (!table.ok()) return 0;
    zmp::Records records = resetRecords();
    const bool hasAtis = size % 2 == 0;
    zmp::ConfigFileReader::fill(table, records, hasAtis);
    for (const zmp::ChannelRecord& channel : records.usa)
        if (channel.Duplex && !channel.DuplexCapable) __builtin_trap();
    return 0;
}
