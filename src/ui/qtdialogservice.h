#pragma once

#include "ui/dialogservice.h"

namespace zmp {

// The desktop's own file, print and input dialogs.
class QtDialogService : public DialogService {
  public:
    std::string openFileName(const std::string& filter, const std::string& folder) override;
    std::string saveFileName(const std::string& filter, const std::string& folder) override;
    bool choosePrinter(QPrinter& printer) override;
    bool printerAvailable() override;
    std::string askText(const std::string& title, const std::string& label, const std::string& text) override;
    int chooseItem(const std::string& title, const std::string& label,
                   const std::vector<std::string>& items) override;
};

} // namespace zmp
