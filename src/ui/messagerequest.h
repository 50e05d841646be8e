#pragma once

#include <string>

namespace zmp {

enum class BoxIcon { None, Information, Warning, Critical, Question };
enum class BoxButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class BoxAnswer { Ok, Cancel, Yes, No, Retry };

// One modal message box: everything the editor ever asks or tells the user.
struct MessageRequest {
    std::string title;
    std::string text;
    BoxIcon icon = BoxIcon::None;
    BoxButtons buttons = BoxButtons::Ok;
    BoxAnswer defaultAnswer = BoxAnswer::Ok;
    std::string detail = {}; // a line of our own under the text: the reason, the device
};

} // namespace zmp
