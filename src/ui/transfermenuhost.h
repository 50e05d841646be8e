#pragma once

#include <vector>

#include "files/radiocomparison.h"

class QString;
class QWidget;

namespace zmp {

class ConfigurationDocument;

// What the Transfer menu needs of the window it serves: the shown page's
// check before a transfer, the page filled again after a clear, the help
// the transfer dialog asks for, the window that shows a comparison with
// the radio, and the window to own the dialogs.
class TransferMenuHost {
  public:
    virtual ~TransferMenuHost() = default;

    virtual QWidget& hostWindow() = 0;
    virtual ConfigurationDocument& document() const = 0;
    // Validates the shown page; false keeps the user on it.
    virtual bool leavePageCheck() = 0;
    virtual void refreshCurrentPage() = 0;
    // Opens the help window at a context number, or says there is no help
    // in a box with this caption.
    virtual void showHelp(int context, const QString& caption) = 0;
    virtual void showComparison(std::vector<ComparedSetting> settings) = 0;
};

} // namespace zmp
