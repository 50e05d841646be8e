#pragma once

#include "model/memoryimage.h"

namespace zmp::test {

// A radio memory whose every byte tells its address apart from its
// neighbours, with the identity the link checks in place: the model code
// at both its copies and the product code.
MemoryImage patternedRadio();

} // namespace zmp::test
