#include "support/contractrig.h"

namespace zmp::test {

std::vector<SeenRequest> ContractRig::requestsOf(SeenRequest::Kind kind) const
{
    std::vector<SeenRequest> found;
    for (const SeenRequest& request : requests())
        if (request.kind == kind) found.push_back(request);
    return found;
}

} // namespace zmp::test
