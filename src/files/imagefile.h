#pragma once

#include <string>
#include <string_view>

#include "files/filecontext.h"
#include "files/fileoutcome.h"
#include "model/memoryimage.h"
#include "model/records.h"

namespace zmp {

enum class ImageSaveMode {
    Prepared, // records encoded and the image prepared for a file (no ATIS counter step)
    Raw       // the image exactly as it stands
};

// The image file: the memory image byte for byte, exactly its size, no
// header. Destination files have the same format. Every read and write is
// one buffered transfer; a refused file never changes the image.
class ImageFile {
  public:
    enum class Check { Accepted, WrongSize, WrongModelCode };

    // Both model-code words equal ModelCode and the model is a known one.
    static bool modelCodeCheck(const MemoryImage& image, int model);
    // Checks bytes as an image file's content for model; only when they
    // are accepted does image receive them.
    static Check install(std::string_view bytes, int model, MemoryImage& image);
    // The file's length equals the image size.
    static bool hasImageSize(const std::string& path, const MemoryImage& image);

    // Writes the image to path atomically. Prepared mode prepares copies of
    // the records and the image and keeps them only once the file is
    // written, so a failed save changes nothing. Failure: "FileSave Error!!",
    // log "frmMain.SaveHexFileAs", ErrorFlag and CancelFlag set.
    static FileOutcome save(const std::string& path, Records& records, MemoryImage& image,
                            const FileContext& context, ImageSaveMode mode = ImageSaveMode::Prepared);

    // The user's open: "bad file!!" for a file of another length,
    // "ModelType Error !!" (caption "Read from Radio") for a wrong model
    // code, "FileRead Error!!" (log "frmMain.ReadHexFileAs") when the path
    // cannot be read. On success the image is installed and decoded into
    // the records. Every failure sets ErrorFlag and CancelFlag.
    static FileOutcome open(const std::string& path, Records& records, MemoryImage& image,
                            const FileContext& context);

    // The silent load of a destination file: true only when the image was
    // installed and decoded. A missing file sets ErrorFlag and CancelFlag
    // and logs "frmMain.FileReadIni"; a file of the wrong size gives false
    // alone; a read failure or a wrong model code sets ErrorFlag.
    static bool loadSilently(const std::string& path, Records& records, MemoryImage& image,
                             const FileContext& context);
    // Why the file at path is no image for model: the path and the reason,
    // or "" when it would be accepted.
    static std::string whyRefused(const std::string& path, int model);

    static std::string wrongSizeReason();
    static std::string wrongModelCodeReason();
};

} // namespace zmp
