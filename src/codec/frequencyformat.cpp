#include "codec/frequencyformat.h"

#include <array>
#include <charconv>
#include <cmath>

namespace zmp {

namespace {

constexpr double HundredHertzPerMHz = 10000.0;
constexpr double FiveKiloHertz = 0.005;

// The number of 100 Hz steps, halves rounded to even (the default rounding mode).
double hundredHertzSteps(double mhz)
{
    return std::nearbyint(mhz * HundredHertzPerMHz);
}

bool isMultipleOf(double steps, double step)
{
    return std::fmod(steps, step) == 0.0;
}

bool hasFrequency(double mhz)
{
    return mhz > 0.0 && std::isfinite(mhz);
}

// Fixed-point text with at least three integer digits. The decimal point is always ".",
// whatever the user's locale, so the lists read the same everywhere.
std::string frequencyText(double mhz, int decimals)
{
    std::array<char, 400> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), mhz, std::chars_format::fixed, decimals);
    std::string text(buffer.data(), result.ptr);
    const std::size_t integerDigits = text.find('.');
    if (integerDigits < 3) text.insert(0, 3 - integerDigits, '0');
    return text;
}

} // namespace

std::string planFrequencyText(double mhz)
{
    return hasFrequency(mhz) ? frequencyText(mhz, 3) : "---.---";
}

std::string planRxFrequencyText(const ChannelPlanEntry& row, const ChannelRecord& channel)
{
    return planFrequencyText(channel.Duplex ? row.DuplexRxFrequency : row.RxFrequency);
}

std::string planTxFrequencyText(const ChannelPlanEntry& row, const ChannelRecord& channel)
{
    return channel.ReceiveOnly ? "---.---" : planFrequencyText(row.TxFrequency);
}

double snapToChannelGrid(double mhz)
{
    const double steps = hundredHertzSteps(mhz);
    if (isMultipleOf(steps, 50.0) || isMultipleOf(steps, 125.0)) return mhz;
    // Whole 100 Hz steps divided once, so the result is the double nearest
    // the grid frequency and its shortest text has at most four decimals.
    return std::floor(mhz / FiveKiloHertz) * 50.0 / HundredHertzPerMHz;
}

void snapExpFrequencies(ChannelTable& exp)
{
    for (ChannelRecord& channel : exp) {
        if (hasFrequency(channel.Rxfreq)) channel.Rxfreq = snapToChannelGrid(channel.Rxfreq);
        if (hasFrequency(channel.Txfreq)) channel.Txfreq = snapToChannelGrid(channel.Txfreq);
    }
}

std::string expFrequencyText(double mhz)
{
    return hasFrequency(mhz) ? frequencyText(snapToChannelGrid(mhz), 4) : "---.----";
}

bool isOn25kHzStep(double mhz)
{
    return isMultipleOf(hundredHertzSteps(mhz), 250.0);
}

} // namespace zmp
