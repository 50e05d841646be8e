#include "transfer/quietcompletionhost.h"

#include "message/messagetexts.h"

namespace zmp {

MessageAnswer QuietCompletionHost::showMessage(const Message& message)
{
    if (message.text == msg::Complete) return MessageAnswer::Ok;
    return host_.showMessage(message);
}

} // namespace zmp
