#pragma once

#include <optional>
#include <string>

#include "files/destinationcontroller.h"
#include "files/filecontext.h"
#include "files/fileoutcome.h"
#include "model/memoryimage.h"
#include "model/processflags.h"
#include "model/records.h"

namespace zmp {

// The new-image operation of start-up, New and the model switch: the
// model's default image and built-in tables, then its destination list
// and the remembered (or the chosen) destination loaded into the image
// and the records. A model other than the MR4400 and the MR4400M is
// refused with "Unknown model!!" and nothing changes. The filling flag is
// set meanwhile; a failure also sets the error flag.
// The loader of the Destination menu: the silent image-file load into the
// records and image, for the context's current model. All three must
// outlive the controller that holds the loader.
DestinationController::Loader silentImageLoader(Records& records, MemoryImage& image,
                                                const FileContext& context);

FileOutcome newImageWithDestination(int model, const std::string& title, DestinationController& destinations,
                                    Records& records, MemoryImage& image, ProcessFlags& flags,
                                    const std::optional<std::string>& chosenName = std::nullopt);

} // namespace zmp
