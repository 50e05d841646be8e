#include "files/imagefile.h"

#include <cstring>

#include "codec/checksum.h"
#include "files/atomicfile.h"
#include "files/filereading.h"
#include "image/imagecodec.h"
#include "image/imagepreparation.h"
#include "message/messagetexts.h"
#include "model/fillingscope.h"
#include "model/models.h"

namespace zmp {
namespace {

constexpr std::size_t ReadChunkSize = 64 * 1024;

int wordAt(const MemoryImage& image, int address)
{
    return image[address] * 256 + image[address + 1];
}

// Reads at most one byte more than an image holds, so a file that grew
// after its size was checked is still recognised as the wrong size.
bool readImageBytes(const std::string& path, const MemoryImage& image, std::string& bytes, FileError& error)
{
    const std::size_t limit = static_cast<std::size_t>(image.size()) + 1;
    bytes.clear();
    bytes.reserve(limit);
    return readFileChunks(
        path, ReadChunkSize,
        [&bytes, limit](std::string_view chunk) {
            bytes.append(chunk.substr(0, limit - bytes.size()));
            return bytes.size() < limit;
        },
        error);
}

FileOutcome fail(const FileContext& context, const char* message, std::string caption, MessageIcon icon,
                 std::string detail)
{
    context.flags.ErrorFlag = true;
    context.flags.CancelFlag = true;
    return FileOutcome::failure(message, std::move(caption), icon, std::move(detail));
}

FileOutcome failUnreadable(const FileContext& context, const std::string& path, const FileError& error)
{
    context.log.write(msg::ReadHexFileAsSource, error.logText());
    return fail(context, msg::FileReadError, titleText(context.model), MessageIcon::Warning,
                error.reasonFor(path));
}

FileOutcome refusedContent(const FileContext& context, const std::string& path, ImageFile::Check check)
{
    if (check == ImageFile::Check::WrongSize)
        return fail(context, msg::BadFile, titleText(context.model), MessageIcon::Critical,
                    path + ": " + ImageFile::wrongSizeReason());
    return fail(context, msg::ModelTypeError, msg::ReadTitle, MessageIcon::Critical,
                path + ": " + ImageFile::wrongModelCodeReason());
}

FileOutcome writeImage(const std::string& path, const MemoryImage& image, const FileContext& context)
{
    const std::string_view bytes(reinterpret_cast<const char*>(image.bytes.data()),
                                 static_cast<std::size_t>(image.size()));
    FileError error;
    if (!writeFileAtomically(path, bytes, &error)) {
        context.log.write(msg::SaveHexFileAsSource, error.logText());
        return fail(context, msg::FileSaveError, titleText(context.model), MessageIcon::Warning,
                    error.reasonFor(path));
    }
    return FileOutcome::success();
}

} // namespace

std::string ImageFile::wrongSizeReason()
{
    return "Not an image file of " + std::to_string(ImageSize) + " bytes";
}

std::string ImageFile::wrongModelCodeReason()
{
    return "Wrong model code";
}

std::string ImageFile::whyRefused(const std::string& path, int model)
{
    MemoryImage image;
    std::string bytes;
    FileError error;
    if (!readImageBytes(path, image, bytes, error)) return error.reasonFor(path);
    switch (install(bytes, model, image)) {
    case Check::WrongSize:
        return path + ": " + wrongSizeReason();
    case Check::WrongModelCode:
        return path + ": " + wrongModelCodeReason();
    case Check::Accepted:
        break;
    }
    return {};
}

bool ImageFile::modelCodeCheck(const MemoryImage& image, int model)
{
    const auto [first, second] = modelCodeAddresses(image);
    if (first < 0 || second < 0 || first + 1 >= ImageSize || second + 1 >= ImageSize) return false;
    const int code = wordAt(image, first);
    return isKnownModel(model) && code == wordAt(image, second) && code == ModelCode;
}

ImageFile::Check ImageFile::install(std::string_view bytes, int model, MemoryImage& image)
{
    if (bytes.size() != static_cast<std::size_t>(image.size())) return Check::WrongSize;
    MemoryImage candidate = image;
    std::memcpy(candidate.bytes.data(), bytes.data(), bytes.size());
    if (!modelCodeCheck(candidate, model)) return Check::WrongModelCode;
    image = candidate;
    return Check::Accepted;
}

bool ImageFile::hasImageSize(const std::string& path, const MemoryImage& image)
{
    FileError error;
    return regularFileSize(path, error) == image.size();
}

FileOutcome ImageFile::save(const std::string& path, Records& records, MemoryImage& image,
                            const FileContext& context, ImageSaveMode mode)
{
    context.flags.ErrorFlag = false;
    const FillingScope filling(context.flags);
    if (mode == ImageSaveMode::Raw) return writeImage(path, image, context);
    Records preparedRecords = records;
    MemoryImage prepared = image;
    prepareImage(preparedRecords, context.model, prepared, PrepareTarget::ImageFile);
    FileOutcome outcome = writeImage(path, prepared, context);
    if (outcome.ok) {
        records = std::move(preparedRecords);
        image = prepared;
    }
    return outcome;
}

FileOutcome ImageFile::open(const std::string& path, Records& records, MemoryImage& image,
                            const FileContext& context)
{
    context.flags.ErrorFlag = false;
    FileError error;
    const long long size = regularFileSize(path, error);
    if (size < 0) return failUnreadable(context, path, error);
    if (size != image.size()) return refusedContent(context, path, Check::WrongSize);
    const FillingScope filling(context.flags);
    std::string bytes;
    if (!readImageBytes(path, image, bytes, error)) return failUnreadable(context, path, error);
    const Check check = install(bytes, context.model, image);
    if (check != Check::Accepted) return refusedContent(context, path, check);
    ImageCodec::decode(image, records);
    return FileOutcome::success();
}

bool ImageFile::loadSilently(const std::string& path, Records& records, MemoryImage& image,
                             const FileContext& context)
{
    FileError error;
    const long long size = regularFileSize(path, error);
    if (size < 0 && error.number != EISDIR && error.number != EINVAL) {
        context.flags.ErrorFlag = true;
        context.flags.CancelFlag = true;
        context.log.write(msg::FileReadIniSource, error.logText());
        return false;
    }
    if (size != image.size()) return false;
    context.flags.ErrorFlag = false;
    bool accepted = false;
    {
        const FillingScope filling(context.flags);
        std::string bytes;
        accepted = readImageBytes(path, image, bytes, error) &&
                   install(bytes, context.model, image) == Check::Accepted;
    }
    if (!accepted) {
        context.flags.ErrorFlag = true;
        return false;
    }
    ImageCodec::decode(image, records);
    return true;
}

} // namespace zmp
