#pragma once

#include <string>

#include "ui/editorstate.h"

class QWidget;

namespace zmp {

class ConfigurationDocument;

// What the File menu needs of the window it serves: the document, the
// shown page's check before anything replaces or writes the records, and
// the window itself to make busy and to own the dialogs.
class FileMenuHost {
  public:
    virtual ~FileMenuHost() = default;

    virtual QWidget& hostWindow() = 0;
    virtual EditorState& state() const = 0;
    virtual ConfigurationDocument& document() const = 0;
    // Validates the shown page; false keeps the user on it.
    virtual bool leavePageCheck() = 0;
    virtual void selectNodeByKey(const std::string& key) = 0;
    // Makes a new image; the tree and pages follow the document's reset.
    virtual void rebuild(bool withDestination) = 0;
    // A line in the status bar that confirms what a command did.
    virtual void showStatus(const std::string& text) = 0;
};

} // namespace zmp
