#pragma once

#include <string>
#include <utility>

#include "message/message.h"

namespace zmp {

// What a file operation hands back to its caller: whether it succeeded and,
// when the user is to be told, the message box to show. The core never
// shows it itself; the editor and zmp-cli each have their own way.
struct FileOutcome {
    bool ok = true;
    std::string message;  // empty: nothing to show
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    // Why, and which file: shown after the message, which stays as it is.
    std::string detail;

    static FileOutcome success() { return {}; }
    static FileOutcome failure(std::string message, std::string caption, MessageIcon icon, std::string detail = {})
    {
        return {false, std::move(message), std::move(caption), icon, std::move(detail)};
    }
    // A failure already reported by someone else (the reset's own check).
    static FileOutcome silentFailure() { return {false, {}, {}, MessageIcon::None, {}}; }
};

}  // namespace zmp
