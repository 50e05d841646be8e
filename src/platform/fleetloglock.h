#pragma once

#include <QLockFile>

#include <memory>
#include <string>

namespace zmp {

// A fleet log belongs to one fleet program at a time: the log is rewritten
// whole as each radio finishes, so a second run on it would drop the first
// one's lines and program the same radios again. The lock is the file
// LOG.lock beside the log, held until the run ends; one left by a process
// that is gone is taken over.
class FleetLogLock {
  public:
    static std::string lockPath(const std::string& log);

    // Locks log; on failure, the reason (another process holds it, or the
    // lock cannot be created).
    bool lock(const std::string& log, std::string& reason);
    void unlock() { file_.reset(); }

  private:
    std::unique_ptr<QLockFile> file_;
};

} // namespace zmp
