#pragma once

#include "ui/dialogservice.h"

namespace zmp {

// The desktop's own file and print dialogs.
class QtDialogService : public DialogService {
  public:
    std::string openFileName(const std::string& filter, const std::string& folder) override;
    std::string saveFileName(const std::string& filter, const std::string& folder) override;
    bool choosePrinter(QPrinter& printer) override;
    bool printerAvailable() override;
};

} // namespace zmp
