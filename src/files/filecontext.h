#pragma once

#include <functional>

#include "codec/errorlog.h"
#include "model/processflags.h"

namespace zmp {

// What every file operation works with besides its data: the selected
// model, the process flags it reports through, the error log, and an
// optional hook that keeps the caller's window responsive during long loops.
struct FileContext {
    int model = 0;
    bool hasAtis = false;
    ProcessFlags& flags;
    const ErrorLog& log;
    std::function<void()> pendingEvents = {};
};

} // namespace zmp
