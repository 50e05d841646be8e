#pragma once

#include <filesystem>
#include <string>

#include "model/memoryimage.h"
#include "model/models.h"
#include "model/processflags.h"
#include "model/records.h"

namespace zmp {

// The data of one configuration as the front ends see it: the image, its
// records, the process flags and the current model and file. A plain value,
// so that a read can land in a copy (Compare with Radio).
struct DocumentState {
    Records records;
    MemoryImage image;
    ProcessFlags flags;
    int model = ModelMr4400;
    bool hasAtis = false;
    std::filesystem::path programDir;
    std::string currentFilePath;
    // The current file is a raw image (opened with Ctrl+F2): Save must not
    // write the configuration-file text over it.
    bool currentFileIsImage = false;

    std::string title() const;
    // A record changed by an edit of the user's (a page, a command): the
    // configuration now differs from its file. New, open, save and a read
    // clear the flag again through the document.
    void markEdited() { flags.modified = true; }
    // A file step the user left (a file dialog closed without a choice)
    // ends cancelled; one that failed ends with the error and the cancel
    // flags both set.
    void declineFileStep() { flags.CancelFlag = true; }
    void failFileStep()
    {
        flags.ErrorFlag = true;
        flags.CancelFlag = true;
    }
};

} // namespace zmp
