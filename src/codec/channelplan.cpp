#include "codec/channelplan.h"

namespace zmp {

namespace {

constexpr double ChannelStep = 0.05; // 50 kHz between channel numbers
constexpr double DuplexShift = 4.6;  // ship transmit to coast transmit

std::string channelNumberText(int number)
{
    const std::string digits = std::to_string(number);
    return number < 10 ? "0" + digits : digits;
}

// Every channel number has a duplex-capable row and a simplex "A" row on the same frequency.
void addChannelRows(ChannelPlan& plan, int number, double frequency)
{
    const std::string label = channelNumberText(number);
    plan.push_back({label, frequency, frequency, frequency + DuplexShift, true});
    plan.push_back({label + "A", frequency, frequency, 0.0, false});
}

// The frequencies are accumulated one step per channel number, so they carry
// the same rounding as the radio's own tables.
void addChannelRun(ChannelPlan& plan, int firstNumber, int lastNumber, double firstFrequency)
{
    double frequency = firstFrequency;
    for (int number = firstNumber; number <= lastNumber; ++number) {
        addChannelRows(plan, number, frequency);
        frequency += ChannelStep;
    }
}

ChannelPlan buildChannelPlan()
{
    ChannelPlan plan;
    plan.reserve(240);
    addChannelRun(plan, 0, 59, 156.0);
    addChannelRun(plan, 60, 119, 156.025);
    return plan;
}

} // namespace

const ChannelPlan& channelPlan()
{
    static const ChannelPlan plan = buildChannelPlan();
    return plan;
}

} // namespace zmp
