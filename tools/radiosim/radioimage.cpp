#include "radiosim/radioimage.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "codec/checksum.h"
#include "model/models.h"

namespace zmp::radiosim {

MemoryImage RadioImage::fresh()
{
    MemoryImage image;
    image.fill(0xFF);
    const auto [first, second] = modelCodeAddresses(image);
    const std::vector<std::uint8_t> code{std::uint8_t(ModelCode >> 8), std::uint8_t(ModelCode & 0xFF)};
    poke(image, first, code);
    poke(image, second, code);
    const std::string product = ProductCode;
    poke(image, ProductCodeAddress, std::vector<std::uint8_t>(product.begin(), product.end()));
    return image;
}

bool RadioImage::load(const std::string& path, MemoryImage& image, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() != std::size_t(ImageSize)) {
        error = path + " holds " + std::to_string(bytes.size()) + " bytes, not " + std::to_string(ImageSize);
        return false;
    }
    for (int i = 0; i < ImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(bytes[std::size_t(i)]);
    return true;
}

bool RadioImage::save(const std::string& path, const MemoryImage& image, std::string& error)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.bytes.data()), image.size());
    out.close();
    if (!out) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

bool RadioImage::poke(MemoryImage& image, int address, const std::vector<std::uint8_t>& bytes)
{
    if (address < 0 || address + int(bytes.size()) > image.size()) return false;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        image[address + int(i)] = bytes[i];
    return true;
}

} // namespace zmp::radiosim
