#pragma once

#include "link/failureguard.h"
#include "link/radiolink.h"
#include "model/memoryimage.h"

namespace zmp {

// The model-code and product-code checks that run before every read,
// program and clear. Failure sets ErrorFlag; neither closes the port.
class IdentityCheck {
  public:
    IdentityCheck(const RadioLink& link, const MemoryImage& image, int model)
        : link_(link), image_(image), model_(model), guard_(link.context(), link.ports())
    {
    }

    void checkModel() const;
    void checkProduct() const;
    // Both checks, the second only when the first passed; true when both passed.
    bool run() const;

  private:
    void readModelCodes() const;
    void compareProduct(const MemoryImage& scratch) const;
    bool reportedBlockFailure() const;

    const RadioLink& link_;
    const MemoryImage& image_;
    int model_;
    FailureGuard guard_;
};

} // namespace zmp
