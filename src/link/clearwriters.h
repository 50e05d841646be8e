#pragma once

#include <string>
#include <vector>

#include "link/failureguard.h"
#include "link/radiolink.h"
#include "model/memoryimage.h"

namespace zmp {

// The writers of the clear operations. Each reports a failed write itself;
// the flags tell the caller how it ended.
class ClearWriters {
  public:
    ClearWriters(const RadioLink& link, const MemoryImage& image)
        : link_(link), image_(image), guard_(link.context(), link.ports())
    {
    }

    // One write request a byte; the outcome is that of the last byte.
    // source and title name the writer: "frmRadio.ClearData" with "Clear Data",
    // or "frmRadio.ClearDataATIS" with "Clear Data ATIS".
    void clearBytes(const std::vector<int>& addresses, const char* source, const char* title) const;
    // 64-byte writes of the blocks inside first..last; the progress runs over the whole memory.
    void clearAny(int first, int last) const;
    // 32-byte writes from first to last, on the port left open by the checks.
    void clearAny2(int first, int last) const;
    // 64-byte writes of the directory and log area.
    void clearAll() const;

    static constexpr int OutsidePauseMs = 10;

  private:
    void writeBytes(const std::vector<int>& addresses, const char* title) const;
    void writeAny(int first, int last) const;
    void writeAny2(int first, int last) const;
    void writeAll() const;
    // Closes the port; a failure is reported under title, a success settles.
    void finish(const char* title, bool fullProgress) const;

    const RadioLink& link_;
    const MemoryImage& image_;
    FailureGuard guard_;
};

} // namespace zmp
