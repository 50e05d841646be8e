#pragma once

namespace zmp {

// The hourglass for as long as a piece of work runs, taken back however
// the work ends.
class WaitCursor {
  public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace zmp
