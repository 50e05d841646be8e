#pragma once

#include "image/newimage.h"
#include "model/memoryimage.h"
#include "model/models.h"
#include "model/records.h"

namespace zmp::fuzz {

// The records of a new MR4400 image, made once: what a reader that fails
// must leave unchanged.
inline const Records& resetRecords()
{
    static const Records records = [] {
        Records made;
        MemoryImage image;
        makeNewImage(ModelMr4400, made, image);
        return made;
    }();
    return records;
}

} // namespace zmp::fuzz
