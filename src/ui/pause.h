#pragma once

namespace zmp {

// Waits ms milliseconds while the window keeps painting and serving events.
void pauseMs(int ms);

} // namespace zmp
