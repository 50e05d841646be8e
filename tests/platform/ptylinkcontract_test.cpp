// The link contract end to end: the serial-port adapter against
// zmp-radio-sim's radio over a pseudo-terminal.
#include "linkptyrig.h"
#include "support/linkcontract.h"

namespace zmp::test {

ZMP_INSTANTIATE_LINK_CONTRACT(Pty, (RigMaker{&PtyLinkRig::make}));

} // namespace zmp::test
