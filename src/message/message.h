#pragma once

#include <string>

namespace zmp {

enum class MessageIcon { None, Information, Warning, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry };

// One message box, whoever words it and whoever shows it: the core hands it
// up, the editor shows it in a box, zmp-cli prints it on stderr.
struct Message {
    std::string title;
    // The system's own words, shown first and as they are.
    std::string text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
    // A line of our own under the text (the reason, the file, the device),
    // kept apart so that the text itself never changes.
    std::string detail = {};

    bool operator==(const Message&) const = default;
};

} // namespace zmp
