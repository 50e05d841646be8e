#pragma once

#include <filesystem>
#include <string>

#include "model/memoryimage.h"
#include "model/models.h"
#include "model/processflags.h"
#include "model/records.h"

namespace zmp {

// Everything the editor edits and remembers between commands: the image,
// its records, the process flags and the current model and file.
struct EditorState {
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

    std::string title() const { return titleText(model); }
};

} // namespace zmp
