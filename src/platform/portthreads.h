#pragma once

#include <functional>
#include <vector>

namespace zmp {

// Runs each body on a QThread of its own and returns once all have ended:
// a serial port opened on a thread needs one of Qt's for its notifiers.
void runOnPortThreads(const std::vector<std::function<void()>>& bodies);

} // namespace zmp
