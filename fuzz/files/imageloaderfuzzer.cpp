// Feeds arbitrary bytes to the image-file checks and, when they accept
// them, to the decode into the records; then opens them as an image file
// the way Ctrl+F2 does (size check, model check, decode), served from
// memory through the file-system seam.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "../support/memoryfilesystem.h"
#include "files/imagefile.h"
#include "image/imagecodec.h"
#include "model/models.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const int model : {zmp::ModelMr4400, zmp::ModelMr4400M, 5}) {
        zmp::MemoryImage image;
        image.fill(0x5A);
        const zmp::ImageFile::Check check = zmp::ImageFile::install(bytes, model, image);
        if (check != zmp::ImageFile::Check::Accepted) {
            // A refused file must leave the image as it was.
            if (image[0] != 0x5A || image[zmp::ImageSize - 1] != 0x5A) __builtin_trap();
            continue;
        }
        if (!zmp::ImageFile::modelCodeCheck(image, model)) __builtin_trap();
        zmp::Records records;
        zmp::ImageCodec::decode(image, records);
    }
    zmp::fuzz::MemoryFileSystem files;
    files.files["in.hex"] = std::string(bytes);
    zmp::ProcessFlags flags;
    const zmp::ErrorLog log("/nonexistent", false);
    const zmp::FileContext context{zmp::ModelMr4400, true, flags, log};
    zmp::Records records;
    zmp::MemoryImage image;
    image.fill(0x5A);
    const zmp::FileOutcome outcome = zmp::ImageFile::open("/any/in.hex", records, image, context);
    if (outcome.ok == flags.ErrorFlag) __builtin_trap();
    if (!outcome.ok && (image[0] != 0x5A || image[zmp::ImageSize - 1] != 0x5A)) __builtin_trap();
    return 0;
}
