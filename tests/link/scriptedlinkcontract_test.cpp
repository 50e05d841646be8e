// The link contract against the scripted port and the radio in memory.
#include "scriptedcontractrig.h"
#include "support/linkcontract.h"

namespace zmp::test {

ZMP_INSTANTIATE_LINK_CONTRACT(Scripted, (RigMaker{&ScriptedContractRig::make}));

} // namespace zmp::test
