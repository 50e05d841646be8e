// Decodes, encodes and prepares arbitrary images. Beyond not crashing, an
// encoded image must be a fixed point of decode followed by encode.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "image/imagecodec.h"
#include "image/imagepreparation.h"
#include "model/models.h"

namespace {

zmp::MemoryImage imageFrom(const std::uint8_t* data, std::size_t size)
{
    zmp::MemoryImage image;
    image.fill(0xFF);
    std::copy_n(data, std::min(size, image.bytes.size()), image.bytes.begin());
    return image;
}

// A byte after the image chooses the model and the preparation target.
std::uint8_t optionsFrom(const std::uint8_t* data, std::size_t size)
{
    return size > static_cast<std::size_t>(zmp::ImageSize) ? data[zmp::ImageSize] : 0;
}

// Records are large: building a fresh set for every decode cost most of an
// input's time in page faults and clearing. Each role keeps one set across
// inputs and starts it from blank records by assignment, which reuses its
// memory.
zmp::Records& blank(zmp::Records& records)
{
    static const zmp::Records blankRecords;
    records = blankRecords;
    return records;
}

void checkFixedPoint(const zmp::MemoryImage& encoded, int model)
{
    static zmp::Records records;
    zmp::ImageCodec::decode(encoded, blank(records));
    zmp::MemoryImage again = encoded;
    zmp::ImageCodec::encode(records, model, again);
    if (again.bytes != encoded.bytes) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const zmp::MemoryImage original = imageFrom(data, size);
    const std::uint8_t options = optionsFrom(data, size);
    const int model = (options & 1) != 0 ? zmp::ModelMr4400 : zmp::ModelMr4400M;
    const auto target = (options & 2) != 0 ? zmp::PrepareTarget::ImageFile : zmp::PrepareTarget::Radio;

    static zmp::Records records;
    zmp::ImageCodec::decode(original, blank(records));
    zmp::MemoryImage encoded = original;
    zmp::ImageCodec::encode(records, model, encoded);
    checkFixedPoint(encoded, model);

    zmp::MemoryImage prepared = original;
    zmp::prepareImage(records, model, prepared, target);
    return 0;
}
