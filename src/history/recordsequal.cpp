#include "history/recordsequal.h"

namespace zmp {

bool recordsEqual(const Records& a, const Records& b)
{
    return a == b;
}

} // namespace zmp
