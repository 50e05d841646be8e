#include "image/imagepreparation.h"

#include <algorithm>
#include <optional>

#include "codec/checksum.h"
#include "image/channelusability.h"
#include "image/fieldcodec.h"
#include "image/imagecodec.h"
#include "image/imagemap.h"

namespace zmp {

namespace {

constexpr int PlanGroupCount = 3;
constexpr int ModeGroupChannel = 0;
constexpr int ModeWeather = 1;
constexpr std::uint8_t NoAtisByte = 0xFF;

std::optional<int> firstEnabled(const ChannelTable& table)
{
    const auto it = std::find_if(table.begin(), table.end(), [](const ChannelRecord& r) { return r.Enable; });
    if (it == table.end()) return std::nullopt;
    return static_cast<int>(it - table.begin());
}

// From a disabled current group, the radio moves on to the next enabled one.
void settleCurrentGroup(MemoryImage& image)
{
    const int current = image[address::CurrentGroup];
    if (current >= PlanGroupCount || isGroupEnabled(image, current)) return;
    for (int step = 1; step < PlanGroupCount; ++step) {
        const int next = (current + step) % PlanGroupCount;
        if (isGroupEnabled(image, next)) {
            image[address::CurrentGroup] = static_cast<std::uint8_t>(next);
            return;
        }
    }
}

void settleGroupChannel(const Records& records, MemoryImage& image)
{
    settleCurrentGroup(image);
    const int group = image[address::CurrentGroup];
    if (group >= PlanGroupCount || isChannelUsable(image, group, decodeWord(image, address::CurrentChannel)))
        return;
    std::optional<int> channel = firstEnabled(groupTable(records, group));
    if (!channel) {
        if (const auto exp = firstEnabled(records.exp)) channel = ExpChannelBase + *exp;
    }
    if (!channel) return;
    encodeWord(image, address::CurrentChannel, *channel);
    encodeWord(image, address::CurrentChannelCopy, *channel);
}

void settleWeatherChannel(const Records& records, MemoryImage& image)
{
    if (isWeatherChannelUsable(image, image[address::CurrentWeather])) return;
    const auto channel = firstEnabled(records.wx);
    if (!channel) return;
    image[address::CurrentWeather] = static_cast<std::uint8_t>(*channel);
    encodeWord(image, address::CurrentChannel, *channel);
}

void settleCurrentChannel(const Records& records, MemoryImage& image)
{
    const int mode = image[address::CurrentMode];
    if (mode == ModeGroupChannel)
        settleGroupChannel(records, image);
    else if (mode == ModeWeather)
        settleWeatherChannel(records, image);
}

void clearUnusableChannelWords(MemoryImage& image)
{
    for (int group = 0; group < PlanGroupCount; ++group) {
        for (int k = 0; k < address::GroupChannelWordCount; ++k) {
            const int a = address::GroupChannelWords + address::GroupChannelWordStride * group + 2 * k;
            if (!isChannelUsable(image, group, decodeWord(image, a))) encodeWord(image, a, NoChannel);
        }
    }
}

bool hasAtisCode(const MemoryImage& image)
{
    for (int i = 0; i < DigitStringBytes; ++i)
        if (image[address::AtisCode + i] != NoAtisByte) return true;
    return false;
}

} // namespace

void prepareImage(Records& records, int model, MemoryImage& image, PrepareTarget target)
{
    ImageCodec::encode(records, model, image);
    settleCurrentChannel(records, image);
    clearUnusableChannelWords(image);
    const bool hasMmsi = records.userMmsi.find_first_not_of(' ') != std::string::npos;
    image[address::UserMmsiCounter] = hasMmsi ? 1 : 0;
    image[address::Checksum] = byteSum(image, address::ChecksumFirst, address::ChecksumCount);
    if (target == PrepareTarget::Radio && hasAtisCode(image)) image[address::AtisCodeCounter] = 1;
}

} // namespace zmp
