#include "support/runningradio.h"

namespace zmp::test {

RunningRadio::RunningRadio(const MemoryImage& memory, const radiosim::SimOptions& options,
                           const std::string& log)
    : sim(memory, options)
{
    if (!log.empty()) logOpened_ = sim.openLog(log);
    thread_ = std::thread([this] { hungUp_ = sim.run(); });
}

RunningRadio::~RunningRadio()
{
    stop();
}

void RunningRadio::stop()
{
    if (!thread_.joinable()) return;
    sim.stop();
    thread_.join();
}

void RunningRadio::waitUntilEnded()
{
    if (thread_.joinable()) thread_.join();
}

radiosim::SimOptions RunningRadio::unpaced()
{
    radiosim::SimOptions options;
    options.baud = 0;
    return options;
}

} // namespace zmp::test
