#pragma once

#include "ui/messageservice.h"

class QWidget;

namespace zmp {

// Message boxes as the desktop shows them, parented to the active window.
class QtMessageService : public MessageService {
  public:
    MessageAnswer show(const Message& request) override;
};

} // namespace zmp
