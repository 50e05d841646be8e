#pragma once

#include "model/memoryimage.h"
#include "model/models.h"
#include "model/records.h"

namespace zmp {

// What both renderings of the configuration report are made from.
// The records are not const: rendering an expansion frequency snaps it to
// the channel raster and keeps the snapped value, as the channel lists do.
struct ReportInput {
    Records& records;
    const MemoryImage& image; // the user MMSI entry counter lives only in the image
    int model = ModelMr4400;
    bool hasAtis = false;
};

} // namespace zmp
