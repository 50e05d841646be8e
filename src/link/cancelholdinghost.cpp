#include "link/cancelholdinghost.h"

namespace zmp {

void CancelHoldingHost::processEvents()
{
    host_.processEvents();
    reassert();
}

void CancelHoldingHost::sleep(int ms)
{
    host_.sleep(ms);
    reassert();
}

void CancelHoldingHost::reassert()
{
    if (held_) flags_.CancelFlag = true;
}

} // namespace zmp
