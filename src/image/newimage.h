#pragma once

#include "model/memoryimage.h"
#include "model/records.h"

namespace zmp {

// Resets the records and the image to a new configuration of the model:
// built-in channel tables, empty directories, the model's default image
// content decoded into the groups, settings and EXP table, and everything
// encoded back. Only the MR4400 and the MR4400M have a default content;
// for any other model nothing is changed and false is returned.
bool makeNewImage(int model, Records& records, MemoryImage& image);

} // namespace zmp
