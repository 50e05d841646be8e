#pragma once

#include <map>
#include <string>

#include "fleet/fleetradio.h"
#include "fleet/fleetstation.h"
#include "link/linkhost.h"
#include "link/transferflags.h"

namespace zmp {

// The link's host on a station's thread: nobody to ask, so a question is
// answered Retry (each at most three times) and otherwise Cancel; the
// phase and progress go to the fleet; a Cancel of the fleet is held in
// the transfer's own flags until the link winds down.
class StationHost : public LinkHost {
  public:
    StationHost(const FleetJob& job, TransferFlags& flags) : job_(job), flags_(flags) {}

    MessageAnswer showMessage(const Message& message) override;
    void showStatus(const std::string& text) override;
    void showProgress(int percent) override;
    void setBusy(bool) override {}
    void processEvents() override;
    void sleep(int ms) override;
    std::int64_t nowMs() override;

    // The last message that was not "Complete!!", with its detail: why the radio failed.
    const std::string& failure() const { return failure_; }
    void setPhase(FleetPhase phase);

    static constexpr int RetriesPerQuestion = 3;

  private:
    const FleetJob& job_;
    TransferFlags& flags_;
    FleetPhase phase_ = FleetPhase::Reading;
    std::string failure_;
    std::map<std::string, int> retries_;
};

} // namespace zmp
