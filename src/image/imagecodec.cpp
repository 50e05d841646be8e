#include "image/imagecodec.h"

#include "image/channeltablecodec.h"
#include "image/directorycodec.h"
#include "image/groupcodec.h"
#include "image/settingscodec.h"

namespace zmp {

void ImageCodec::decode(const MemoryImage& image, Records& records)
{
    decodeUsableGroups(image, records);
    decodeSettings(image, records);
    decodeChannelTable(image, UsaLayout, records.usa);
    decodeChannelTable(image, IntLayout, records.intl);
    decodeChannelTable(image, CanLayout, records.can);
    decodeChannelTable(image, WxLayout, records.wx);
    decodeDirectory(image, MemoryIdLayout, records.memoryId);
    decodeDirectory(image, GroupIdLayout, records.groupId);
    decodeChannelTable(image, ExpLayout, records.exp);
}

void ImageCodec::encode(Records& records, int model, MemoryImage& image)
{
    applyEmptyGroupRule(records, model);
    encodeUsableGroups(image, records);
    encodeSettings(image, records);
    encodeChannelTable(image, UsaLayout, records.usa);
    encodeChannelTable(image, IntLayout, records.intl);
    encodeChannelTable(image, CanLayout, records.can);
    encodeChannelTable(image, WxLayout, records.wx);
    encodeDirectory(image, MemoryIdLayout, records.memoryId);
    encodeDirectory(image, GroupIdLayout, records.groupId);
    encodeChannelTable(image, ExpLayout, records.exp);
}

} // namespace zmp
