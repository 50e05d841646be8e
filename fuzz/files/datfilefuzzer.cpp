// Reads arbitrary bytes as a configuration file, the whole way the Open
// command does: the reset, the MODELTYPE check through the profile reader,
// the sections and the records. The bytes are served from memory through
// the file-system seam, so nothing touches the disk.
#include <cstddef>
#include <cstdint>
#include <string>

#include "../support/memoryfilesystem.h"
#include "files/configfilereader.h"
#include "image/newimage.h"
#include "model/models.h"

#include "../support/resetrecords.h"

using zmp::fuzz::resetRecords;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    zmp::fuzz::MemoryFileSystem files;
    files.files["in.dat"] = std::string(reinterpret_cast<const char*>(data), size);
    const int model = size % 2 == 0 ? zmp::ModelMr4400 : zmp::ModelMr4400M;
    zmp::ProcessFlags flags;
    const zmp::ErrorLog log("/nonexistent", false);
    const zmp::FileContext context{model, size % 3 != 0, flags, log};
    // The records are kept from one input to the next: a read assigns the
    // reset records over them before it fills anything, and what a read
    // refused before the reset must not have touched is marked here.
    static zmp::Records records;
    records.usa[0].ChTag = "BEFORE";
    bool reset = false;
    const zmp::FileOutcome outcome = zmp::ConfigFileReader::read("/any/in.dat", records, context, [&] {
        reset = true;
        records = resetRecords();
    });
    if (outcome.ok == flags.ErrorFlag) __builtin_trap();
    // A refusal before the reset leaves the records alone; one after it leaves the reset records.
    if (!outcome.ok && !reset && records.usa[0].ChTag != "BEFORE") __builtin_trap();
    if (!outcome.ok && reset && records.usa[0].ChTag != resetRecords().usa[0].ChTag) __builtin_trap();
    for (const zmp::ChannelRecord& channel : records.usa)
        if (channel.Duplex && !channel.DuplexCapable) __builtin_trap();
    return 0;
}
