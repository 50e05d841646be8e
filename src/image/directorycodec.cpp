#include "image/directorycodec.h"

#include <algorithm>

#include "image/fieldcodec.h"
#include "image/imagemap.h"

namespace zmp {

namespace {

int coveredCount(const DirectoryLayout& layout, const Directory& directory)
{
    return std::min(layout.entryCount, static_cast<int>(directory.size()));
}

int entryAddress(const DirectoryLayout& layout, int index)
{
    return layout.base + address::DirectoryStride * index;
}

void clearEntry(DirectoryEntry& entry)
{
    entry.Enable = false;
    entry.Mmsid.clear();
    entry.TagName.clear();
}

} // namespace

void decodeDirectory(const MemoryImage& image, const DirectoryLayout& layout, Directory& directory)
{
    const int count = coveredCount(layout, directory);
    for (int i = 0; i < count; ++i) {
        DirectoryEntry& entry = directory[static_cast<std::size_t>(i)];
        const int a = entryAddress(layout, i);
        entry.Mmsid = decodeDigits(image, a);
        entry.TagName = decodeText(image, a + address::DirectoryNameOffset, address::DirectoryNameLength);
    }
    applyPackedListRule(directory);
}

void encodeDirectory(MemoryImage& image, const DirectoryLayout& layout, const Directory& directory)
{
    const int count = coveredCount(layout, directory);
    for (int i = 0; i < count; ++i) {
        const DirectoryEntry& entry = directory[static_cast<std::size_t>(i)];
        const int a = entryAddress(layout, i);
        encodeDigits(image, a, entry.Mmsid, DigitForm::Mmsi);
        encodeText(image, a + address::DirectoryNameOffset, address::DirectoryNameLength, entry.TagName);
    }
}

void applyPackedListRule(Directory& directory)
{
    auto firstFree = std::find_if(directory.begin(), directory.end(),
                                  [](const DirectoryEntry& entry) { return entry.Mmsid.empty(); });
    for (auto it = directory.begin(); it != firstFree; ++it)
        it->Enable = true;
    std::for_each(firstFree, directory.end(), clearEntry);
}

void emptyDirectory(Directory& directory)
{
    for (DirectoryEntry& entry : directory) {
        clearEntry(entry);
        entry.MemberFlags.fill(false);
    }
}

} // namespace zmp
