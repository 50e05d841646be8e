#include "link/portcontrol.h"

#include "link/linkwords.h"
#include "message/messagetexts.h"

namespace zmp {

bool PortControl::portInit() const
{
    context_.status(linkword::SlowSettings);
    return reopen(linkword::SlowSettings, msg::SourcePortInit);
}

bool PortControl::portInitCp() const
{
    context_.status(transferSettings());
    return reopen(transferSettings(), msg::SourcePortInitCp);
}

bool PortControl::portOpen() const
{
    if (context_.port.isOpen()) return true;
    return openAt(transferSettings(), msg::SourcePortOpen);
}

void PortControl::close() const
{
    if (context_.port.isOpen()) context_.port.close();
}

void PortControl::flush() const
{
    context_.port.flush();
}

std::string PortControl::transferSettings() const
{
    return context_.flags.SlowLink ? linkword::SlowSettings : linkword::FastSettings;
}

bool PortControl::reopen(const std::string& settings, const char* source) const
{
    close();
    return openAt(settings, source);
}

bool PortControl::openAt(const std::string& settings, const char* source) const
{
    context_.port.setPortNumber(context_.options.portNumber);
    context_.port.setSettings(settings);
    if (context_.port.open()) return true;
    const PortError error = context_.port.lastError();
    context_.logError(source, error.number, error.description);
    return false;
}

} // namespace zmp
