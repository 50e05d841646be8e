#include "link/failureguard.h"

#include <exception>
#include <string>

#include "link/linkerror.h"

namespace zmp {

void FailureGuard::run(const char* source, const std::function<void()>& body) const
{
    try {
        body();
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
    context_.message(std::to_string(number) + "\n\n" + description, source, LinkIcon::Error);
}

} // namespace zmp
