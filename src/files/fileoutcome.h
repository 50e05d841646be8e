#pragma once

#include <string>
#include <utility>

#include "message/message.h"

namespace zmp {

// What a file operation hands back to its caller: whether it succeeded and,
// when the user is to be told, the message to show. The core never shows it
// itself; the editor and zmp-cli each have their own way.
struct FileOutcome {
    bool ok = true;
    Message message; // empty text: nothing to show

    static FileOutcome success() { return {}; }
    static FileOutcome failure(std::string text, std::string title, MessageIcon icon, std::string detail = {})
    {
        return {false,
                {std::move(title), std::move(text), icon, MessageButtons::Ok, MessageAnswer::Ok,
                 std::move(detail)}};
    }
    // A failure already reported by someone else (the reset's own check).
    static FileOutcome silentFailure() { return {false, {}}; }
};

} // namespace zmp
