#pragma once

#include "ui/messagerequest.h"

namespace zmp {

// The one way the editor shows a message box. The desktop answers with a
// real box; tests answer with a script and read back what was asked.
class MessageService {
  public:
    virtual ~MessageService() = default;
    virtual BoxAnswer show(const MessageRequest& request) = 0;

    void inform(const std::string& title, const std::string& text, BoxIcon icon, const std::string& detail = {})
    {
        show({title, text, icon, BoxButtons::Ok, BoxAnswer::Ok, detail});
    }
};

} // namespace zmp
