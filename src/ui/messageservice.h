#pragma once

#include <string>

#include "message/message.h"

namespace zmp {

// The one way the editor shows a message box. The desktop answers with a
// real box; tests answer with a script and read back what was asked.
class MessageService {
  public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(const Message& message) = 0;

    void inform(const std::string& title, const std::string& text, MessageIcon icon,
                const std::string& detail = {})
    {
        show({title, text, icon, MessageButtons::Ok, MessageAnswer::Ok, detail});
    }
    // A message of the core, when it has anything to say.
    void tell(const Message& message)
    {
        if (!message.text.empty()) show(message);
    }
};

} // namespace zmp
