#pragma once

namespace zmp {

// The factor every wait of the link is multiplied by: 1 for real radios.
// The test suite sets ZMP_TEST_TIME_SCALE (between 0.01 and 1) so that
// transfers against the emulator do not sit out the line's real speed.
double linkTimeScale();

// ms, scaled; never below 1 ms for a wait that was not zero.
int scaledMs(int ms);

} // namespace zmp
