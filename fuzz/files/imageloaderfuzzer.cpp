// Feeds arbitrary bytes to the image-file checks of every model, then opens
// them as an image file the way Ctrl+F2 does (size check, model check,
// decode), served from memory through the file-system seam. The decode
// does not depend on the model, so the bytes are decoded once, by the open.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "../support/memoryfilesystem.h"
#include "files/imagefile.h"
#include "model/models.h"

namespace {

bool untouched(const zmp::MemoryImage& image)
{
    return image[0] == 0x5A && image[zmp::ImageSize - 1] == 0x5A;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    zmp::MemoryImage image;
    for (const int model : {zmp::ModelMr4400, zmp::ModelMr4400M, 5}) {
        image.fill(0x5A);
        const zmp::ImageFile::Check check = zmp::ImageFile::install(bytes, model, image);
        // A refused file must leave the image as it was.
        if (check != zmp::ImageFile::Check::Accepted && !untouched(image)) __builtin_trap();
        if (check == zmp::ImageFile::Check::Accepted && !zmp::ImageFile::modelCodeCheck(image, model))
            __builtin_trap();
    }
    zmp::fuzz::MemoryFileSystem files;
    files.files["in.hex"] = std::string(bytes);
    zmp::ProcessFlags flags;
    const zmp::ErrorLog log("/nonexistent", false);
    const int model = size > 0 && (data[size - 1] & 1) ? zmp::ModelMr4400M : zmp::ModelMr4400;
    const zmp::FileContext context{model, true, flags, log};
    zmp::Records records;
    image.fill(0x5A);
    const zmp::FileOutcome outcome = zmp::ImageFile::open("/any/in.hex", records, image, context);
    if (outcome.ok == flags.ErrorFlag) __builtin_trap();
    if (!outcome.ok && !untouched(image)) __builtin_trap();
    return 0;
}
