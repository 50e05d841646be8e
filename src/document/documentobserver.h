#pragma once

#include "files/fileoutcome.h"

#include <string>

namespace zmp {

// Told by a ConfigurationDocument what changed, so that a front end shows
// it again. Every call comes after the document's own state is complete.
class DocumentObserver {
  public:
    virtual ~DocumentObserver() = default;

    // A new configuration replaced the records and image (New, a model or
    // destination change, the reset before a configuration file is read).
    // The outcome is what making it had to say: the destination's load.
    virtual void configurationReset(const FileOutcome& outcome) = 0;
    // The records and image were replaced in place by a file the user
    // opened or a destination: what is shown is refreshed where it stands.
    virtual void configurationLoaded() = 0;
    // The records and image came from somewhere other than a file (a read
    // from the radio, a backup): what is shown starts again from the top.
    // step names it as the user's command did: "Read from Radio".
    virtual void configurationReplaced(const std::string& step) = 0;
    // The current file changed its name or was let go.
    virtual void fileChanged() = 0;
};

} // namespace zmp
