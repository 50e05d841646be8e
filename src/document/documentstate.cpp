#include "document/documentstate.h"

namespace zmp {

std::string DocumentState::title() const
{
    return titleText(model);
}

} // namespace zmp
