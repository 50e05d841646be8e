#include "files/newimagewithdestination.h"

#include "files/imagefile.h"
#include "image/newimage.h"
#include "message/messagetexts.h"
#include "model/fillingscope.h"
#include "model/models.h"

namespace zmp {

DestinationController::Loader silentImageLoader(Records& records, MemoryImage& image,
                                                const FileContext& context)
{
    return [&records, &image, &context](const std::filesystem::path& file) {
        return ImageFile::loadSilently(file.string(), records, image, context);
    };
}

FileOutcome newImageWithDestination(int model, const std::string& title, DestinationController& destinations,
                                    Records& records, MemoryImage& image, ProcessFlags& flags,
                                    const std::optional<std::string>& chosenName)
{
    // Other model numbers have no default content and an empty file suffix
    // that would take every ".ini" file of the program folder for theirs.
    if (!isKnownModel(model)) {
        flags.ErrorFlag = true;
        return FileOutcome::failure(msg::UnknownModel, title, MessageIcon::Critical);
    }
    const FillingScope filling(flags);
    makeNewImage(model, records, image);
    FileOutcome outcome = destinations.loadListAndRemembered(model, title, chosenName);
    if (!outcome.ok) flags.ErrorFlag = true;
    return outcome;
}

} // namespace zmp
