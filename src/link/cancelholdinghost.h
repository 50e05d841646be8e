#pragma once

#include "link/linkhost.h"
#include "link/transferflags.h"

namespace zmp {

// The host of a running operation, holding a Cancel once it was pressed.
// The link clears CancelFlag at the start of every command attempt and
// data reception; a Cancel served in a pause just before one of them
// would be lost, and the operation would run on. Held here, it is set
// again after every event pass and every pause, so the next wait of the
// link ends as cancelled whenever the user pressed Cancel.
class CancelHoldingHost : public LinkHost {
  public:
    CancelHoldingHost(LinkHost& host, TransferFlags& flags) : host_(host), flags_(flags) {}

    void hold() { held_ = true; }
    void forget() { held_ = false; }

    MessageAnswer showMessage(const Message& message) override { return host_.showMessage(message); }
    void showStatus(const std::string& text) override { host_.showStatus(text); }
    void showProgress(int percent) override { host_.showProgress(percent); }
    void showPhase(const TransferPhase& phase) override { host_.showPhase(phase); }
    void setBusy(bool busy) override { host_.setBusy(busy); }
    void processEvents() override;
    void sleep(int ms) override;
    std::int64_t nowMs() override { return host_.nowMs(); }

  private:
    void reassert();

    LinkHost& host_;
    TransferFlags& flags_;
    bool held_ = false;
};

} // namespace zmp
