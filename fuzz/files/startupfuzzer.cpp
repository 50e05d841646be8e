// Feeds arbitrary bytes to the start-up: the first part of the input is
// global.ini, read through the profile reader by the model scan; the rest
// is the destination file the new image loads silently. Both are served
// from memory through the file-system seam.
#include <cstddef>
#include <cstdint>
#include <string>

#include "../support/memoryfilesystem.h"
#include "files/imagefile.h"
#include "files/memorysettingsstore.h"
#include "files/modelscan.h"
#include "model/models.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) return 0;
    const std::string_view input(reinterpret_cast<const char*>(data) + 2, size - 2);
    const std::size_t iniLength = std::min<std::size_t>(data[0] * 256u + data[1], input.size());
    zmp::fuzz::MemoryFileSystem files;
    files.files["global.ini"] = std::string(input.substr(0, iniLength));
    files.files["USA_1130.ini"] = std::string(input.substr(iniLength));

    zmp::MemorySettingsStore store;
    zmp::ModelSelection selection;
    const zmp::FileOutcome outcome =
        zmp::ModelScan::selectAtStartup("/program/global.ini", store, "ZMP", selection);
    if (outcome.ok != (selection.offeredCount > 0)) __builtin_trap();
    if (!outcome.ok) return 0;
    if (selection.model < 1 || selection.model > zmp::ModelMenuItemCount) __builtin_trap();

    zmp::ProcessFlags flags;
    const zmp::ErrorLog log("/nonexistent", false);
    const zmp::FileContext context{zmp::ModelMr4400, selection.atis, flags, log};
    zmp::Records records;
    zmp::MemoryImage image;
    image.fill(0x5A);
    if (!zmp::ImageFile::loadSilently("/program/USA_1130.ini", records, image, context) &&
        (image[0] != 0x5A || image[zmp::ImageSize - 1] != 0x5A))
        __builtin_trap();
    return 0;
}
