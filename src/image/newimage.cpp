#include "image/newimage.h"

#include <cstring>
#include <initializer_list>

#include "codec/builtintables.h"
#include "image/channeltablecodec.h"
#include "image/directorycodec.h"
#include "image/fieldcodec.h"
#include "image/groupcodec.h"
#include "image/imagecodec.h"
#include "image/imagemap.h"
#include "image/settingscodec.h"
#include "model/models.h"

namespace zmp {

namespace {

constexpr int PlanChannel16 = 32;

void writeBytes(MemoryImage& image, std::initializer_list<int> addresses, std::uint8_t value)
{
    for (int a : addresses)
        image[a] = value;
}

void writeRange(MemoryImage& image, int first, int count, std::uint8_t value)
{
    for (int i = 0; i < count; ++i)
        image[first + i] = value;
}

void writeAscii(MemoryImage& image, int address, const char* text)
{
    for (std::size_t i = 0; i < std::strlen(text); ++i)
        image[address + static_cast<int>(i)] = static_cast<std::uint8_t>(text[i]);
}

// At the start and in the last two bytes of the memory.
void writeModelCode(MemoryImage& image)
{
    encodeWord(image, ModelCodeAddress, ModelCode);
    encodeWord(image, ImageSize - 2, ModelCode);
}

// The operating bytes a fresh radio starts from; the system passes them through.
void writeOperatingDefaults(MemoryImage& image)
{
    writeBytes(image, {130, 131, 161, 162, 163, 165, 167, 169, 170, 175, 189, 191}, 0);
    writeBytes(image, {164, 166}, 30);
    writeBytes(image, {172}, 0xFF);
    writeAscii(image, 311, "RADIO");
    writeAscii(image, 327, "RAM1");
    writeAscii(image, 343, "RAM2");
}

void writeSettingDefaults(MemoryImage& image)
{
    image[address::ResumeTime] = 3;
    for (int g = 0; g < 3; ++g)
        encodeWord(image, address::PriorityChannel + 2 * g, PlanChannel16);
    image[address::UserMmsiCounter] = 0;
    image[address::AtisCodeCounter] = 0;
    image[address::AdvancedCalls] = 0x60;
    writeBytes(image, {address::AdvancedCalls + 1, address::AdvancedCalls + 2}, 0x10);
    image[address::DscFlagByte] = 0xFE;
    writeRange(image, ExpLayout.enableAddress, ExpLayout.bitmapBytes, 0);
    writeRange(image, ExpLayout.scanAddress, ExpLayout.bitmapBytes, 0);
}

void writeDefaultContent(int model, MemoryImage& image)
{
    image.fill(0xFF);
    writeModelCode(image);
    writeOperatingDefaults(image);
    writeSettingDefaults(image);
    if (const ModelTraits* traits = modelTraits(model))
        writeAscii(image, IdentificationAddress, traits->identification);
}

} // namespace

bool makeNewImage(int model, Records& records, MemoryImage& image)
{
    if (!isKnownModel(model)) return false;
    records.usa = builtInUsaTable();
    records.intl = builtInIntTable();
    records.can = builtInCanTable();
    records.wx = builtInWxTable();
    records.memoryId.resize(MemoryIdCount);
    records.groupId.resize(GroupIdCount);
    emptyDirectory(records.memoryId);
    emptyDirectory(records.groupId);
    // What the image does not hold starts from the same values every time,
    // so nothing of an earlier configuration shows in a new one.
    records.settings = SettingValues{};
    records.groups[ExpCh].PriorityCh = 0;
    writeDefaultContent(model, image);
    decodeUsableGroups(image, records);
    decodeSettings(image, records);
    decodeChannelTable(image, ExpLayout, records.exp);
    ImageCodec::encode(records, model, image);
    return true;
}

} // namespace zmp
