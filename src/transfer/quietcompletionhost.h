#pragma once

#include "link/linkhost.h"

namespace zmp {

// The host of a read that is a step of another transfer (the copy of the
// radio kept before a program): everything passes through except the
// read's own "Complete!!", which is not the transfer's outcome.
class QuietCompletionHost : public LinkHost {
  public:
    explicit QuietCompletionHost(LinkHost& host) : host_(host) {}

    MessageAnswer showMessage(const Message& message) override;
    void showStatus(const std::string& text) override { host_.showStatus(text); }
    void showProgress(int percent) override { host_.showProgress(percent); }
    void showPhase(const TransferPhase& phase) override { host_.showPhase(phase); }
    void setBusy(bool busy) override { host_.setBusy(busy); }
    void processEvents() override { host_.processEvents(); }
    void sleep(int ms) override { host_.sleep(ms); }
    std::int64_t nowMs() override { return host_.nowMs(); }

  private:
    LinkHost& host_;
};

} // namespace zmp
