#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "cli/qtportfactory.h"
#include "clitestsupport.h"
#include "radiosim/radioimage.h"
#include "radiosim/radiosim.h"
#include "support/runningradio.h"

namespace zmp::test {

// zmp-cli against the emulated radio on a pseudo-terminal, through the
// real serial-port adapter.
class CliRadioFixture : public ::testing::Test, public CliFixtureBase {
  protected:
    CliRadioFixture() { environment.makePort = qtPortFactory(store); }
    ~CliRadioFixture() override { stopRadio(); }

    void startRadio(const MemoryImage& memory, radiosim::SimOptions options = {})
    {
        options.baud = 0;
        radio_ = std::make_unique<RunningRadio>(memory, options);
        sim = &radio_->sim;
    }
    void stopRadio()
    {
        if (radio_) radio_->stop();
    }
    CliResult runRadio(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--yes", "--port", sim->devicePath()});
        CliResult result = run(args);
        stopRadio();
        return result;
    }
    static MemoryImage radioNamed(const std::string& groupName)
    {
        MemoryImage memory = radiosim::RadioImage::fresh();
        for (std::size_t i = 0; i < groupName.size(); ++i)
            memory[307 + static_cast<int>(i)] = groupName[i];
        return memory;
    }

    // The running radio's emulator; its protocol may be read once stopRadio() has returned.
    radiosim::RadioSim* sim = nullptr;

  private:
    std::unique_ptr<RunningRadio> radio_;
};

} // namespace zmp::test
