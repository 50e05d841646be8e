#include "support/patternedradio.h"

#include <string>

#include "model/models.h"

namespace zmp::test {

MemoryImage patternedRadio()
{
    MemoryImage memory;
    for (int a = 0; a < memory.size(); ++a)
        memory[a] = std::uint8_t((a * 7 + (a >> 8)) & 0xFF);
    for (int a : {ModelCodeAddress, ImageSize - 2}) {
        memory[a] = std::uint8_t(ModelCode >> 8);
        memory[a + 1] = std::uint8_t(ModelCode & 0xFF);
    }
    const std::string product = ProductCode;
    for (std::size_t i = 0; i < product.size(); ++i)
        memory[ProductCodeAddress + int(i)] = std::uint8_t(product[i]);
    return memory;
}

} // namespace zmp::test
