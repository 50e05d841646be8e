#pragma once

#include <filesystem>
#include <string>

#include "model/memoryimage.h"
#include "model/records.h"
#include "support/filebytes.h"
#include "support/scratchfolder.h"

namespace zmp::datatest {

// A new MR4400 configuration: the records and the image every reset starts from.
struct NewConfiguration {
    Records records;
    MemoryImage image;
};
NewConfiguration newConfiguration(int model);

// Records whose every field held by the configuration file differs from a new
// configuration's; the fields the file does not hold keep the new configuration's.
Records variedRecords(int model);

// Expects a and b equal in every field the configuration file holds.
void expectSameFileFields(const Records& a, const Records& b, bool withAtis);

} // namespace zmp::datatest
