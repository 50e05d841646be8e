#include "link/failureguard.h"

#include <exception>
#include <string>

#include "message/messagetexts.h"

namespace zmp {

void FailureGuard::run(const char* source, const std::function<void()>& body) const
{
    run(source, context_.caption, body);
}

void FailureGuard::run(const char* source, const std::string& failureTitle,
                       const std::function<void()>& body) const
{
    try {
        body();
    } catch (const PortLostError& error) {
        lose(source, error, failureTitle);
    } catch (const LinkError& error) {
        fail(source, error.number(), error.what());
    } catch (const std::exception& error) {
        fail(source, InternalErrorNumber, error.what());
    }
}

void FailureGuard::fail(const char* source, int number, const std::string& description) const
{
    context_.logError(source, number, description);
    context_.flags.CancelFlag = true;
    context_.flags.ErrorFlag = true;
    ports_.close();
    context_.message(std::to_string(number) + "\n\n" + description, source, MessageIcon::Critical);
}

void FailureGuard::lose(const char* source, const PortLostError& error, const std::string& failureTitle) const
{
    context_.logError(source, error.number(), error.device() + ": " + error.what());
    context_.flags.ErrorFlag = true;
    ports_.close();
    Message message{failureTitle, msg::CommunicationError, MessageIcon::Critical};
    message.detail =
        msg::ConnectionLostPrefix + error.device() + msg::ConnectionLostSuffix + " " + msg::CheckRadio;
    context_.host.showMessage(message);
}

} // namespace zmp
