#pragma once

#include <optional>
#include <string>

#include "link/linkcontext.h"
#include "model/memoryimage.h"

namespace zmp {

// The User MMSI a radio holds, read before it is programmed: the
// connection, the readiness, model and product checks of every transfer,
// then the one block that holds the number. Nothing when the radio could
// not be read (the link has said why through the host).
class HeldMmsi {
  public:
    // image: the image the radio is checked against (its product codes).
    static std::optional<std::string> read(const LinkContext& context, const MemoryImage& image, int model);
};

} // namespace zmp
