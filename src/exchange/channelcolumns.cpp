#include "exchange/channelcolumns.h"

#include "codec/channelplan.h"
#include "codec/frequencyformat.h"
#include "codec/weatherchannels.h"
#include "rules/fieldrules.h"

namespace zmp {

namespace {

using Problem = std::optional<std::string>;
using Column = ExchangeColumn<ChannelRecord>;

template <bool ChannelRecord::*Field>
std::string showFlag(const ChannelRecord& channel, int)
{
    return flagText(channel.*Field);
}

template <bool ChannelRecord::*Field>
Problem storeFlag(ChannelRecord& channel, const std::string& text)
{
    const std::optional<bool> value = flagFromText(text);
    if (!value) return "not 1 or 0";
    channel.*Field = *value;
    return std::nullopt;
}

Problem storeTxEnable(ChannelRecord& channel, const std::string& text)
{
    if (channel.ReceiveOnly) return "the channel is receive only";
    return storeFlag<&ChannelRecord::TxEnable>(channel, text);
}

Problem storeDuplex(ChannelRecord& channel, const std::string& text)
{
    if (!channel.DuplexCapable) return "the channel has no duplex pair";
    return storeFlag<&ChannelRecord::Duplex>(channel, text);
}

Problem storeScanMemory(ChannelRecord& channel, const std::string& text)
{
    if (channel.Position == Channel70Position) return "channel 70 has no scan memory";
    return storeFlag<&ChannelRecord::ScanMemory>(channel, text);
}

std::string showName(const ChannelRecord& channel, int)
{
    return channel.ChTag;
}

Problem storeName(ChannelRecord& channel, const std::string& text)
{
    if (auto problem = nameProblem(text, ChannelNameLength)) return problem;
    channel.ChTag = text;
    return std::nullopt;
}

// The weather page's name field takes any character.
Problem storeWeatherName(ChannelRecord& channel, const std::string& text)
{
    if (auto problem = nameProblem(text, ChannelNameLength, true)) return problem;
    channel.ChTag = text;
    return std::nullopt;
}

std::string showPlanLabel(const ChannelRecord& channel, int)
{
    const ChannelPlan& plan = channelPlan();
    const auto row = static_cast<std::size_t>(channel.Position);
    return row < plan.size() ? plan[row].Label : std::string();
}

std::string showWeatherLabel(const ChannelRecord&, int number)
{
    const auto& list = weatherChannels();
    const auto row = static_cast<std::size_t>(number - 1);
    return row < list.size() ? list[row].Label : std::string();
}

std::string showNumber(const ChannelRecord&, int number)
{
    return std::to_string(number);
}

Problem storeFixed(ChannelRecord&, const std::string&)
{
    return fixedCell("the channel");
}

std::string showDisplay(const ChannelRecord& channel, int)
{
    return channel.CHDisplayL;
}

bool displayCharacters(const std::string& text)
{
    for (const char c : text)
        if (!isDisplayKey(static_cast<unsigned char>(c))) return false;
    return true;
}

Problem storeDisplay(ChannelRecord& channel, const std::string& text)
{
    if (!text.empty() && text.size() != 2) return "two characters or none";
    if (!displayCharacters(text)) return "only digits, letters and spaces";
    channel.CHDisplayL = text;
    return std::nullopt;
}

std::string showSuffix(const ChannelRecord& channel, int)
{
    return channel.CHDisplayR;
}

Problem storeSuffix(ChannelRecord& channel, const std::string& text)
{
    if (text.size() > 1) return "one character or none";
    if (!displayCharacters(text)) return "only digits, letters and spaces";
    channel.CHDisplayR = text;
    return std::nullopt;
}

template <double ChannelRecord::*Field>
std::string showFrequency(const ChannelRecord& channel, int)
{
    return channel.*Field == 0.0 ? std::string() : expFrequencyText(channel.*Field);
}

template <double ChannelRecord::*Field>
Problem storeFrequency(ChannelRecord& channel, const std::string& text)
{
    for (const char c : text)
        if (!isFrequencyKey(static_cast<unsigned char>(c))) return "not a frequency in MHz";
    const std::optional<double> value = acceptedExpFrequency(text);
    if (!value) return "not a frequency from 137 to 174 MHz on a 25 kHz step";
    channel.*Field = *value;
    return std::nullopt;
}

} // namespace

const ExchangeColumns<ChannelRecord>& planChannelColumns()
{
    static const ExchangeColumns<ChannelRecord> columns{
        Column{"CH", &showPlanLabel, &storeFixed},
        Column{"Enable", &showFlag<&ChannelRecord::Enable>, &storeFlag<&ChannelRecord::Enable>},
        Column{"Tx Enable", &showFlag<&ChannelRecord::TxEnable>, &storeTxEnable},
        Column{"Low Power Only", &showFlag<&ChannelRecord::LowPower>, &storeFlag<&ChannelRecord::LowPower>},
        Column{"Power Up", &showFlag<&ChannelRecord::PowUp>, &storeFlag<&ChannelRecord::PowUp>},
        Column{"Duplex", &showFlag<&ChannelRecord::Duplex>, &storeDuplex},
        Column{"Scan Memory", &showFlag<&ChannelRecord::ScanMemory>, &storeScanMemory},
        Column{"CH Name", &showName, &storeName},
    };
    return columns;
}

const ExchangeColumns<ChannelRecord>& weatherChannelColumns()
{
    static const ExchangeColumns<ChannelRecord> columns{
        Column{"CH", &showWeatherLabel, &storeFixed},
        Column{"Enable", &showFlag<&ChannelRecord::Enable>, &storeFlag<&ChannelRecord::Enable>},
        Column{"Scan", &showFlag<&ChannelRecord::ScanMemory>, &storeFlag<&ChannelRecord::ScanMemory>},
        Column{"CH Name", &showName, &storeWeatherName},
    };
    return columns;
}

const ExchangeColumns<ChannelRecord>& expChannelColumns()
{
    static const ExchangeColumns<ChannelRecord> columns{
        Column{"CH", &showNumber, &storeFixed},
        Column{"Enable", &showFlag<&ChannelRecord::Enable>, &storeFlag<&ChannelRecord::Enable>},
        Column{"CH Display", &showDisplay, &storeDisplay},
        Column{"CH Suffix", &showSuffix, &storeSuffix},
        Column{"Rx Frequency", &showFrequency<&ChannelRecord::Rxfreq>,
               &storeFrequency<&ChannelRecord::Rxfreq>},
        Column{"Tx Frequency", &showFrequency<&ChannelRecord::Txfreq>,
               &storeFrequency<&ChannelRecord::Txfreq>},
        Column{"Low Power Only", &showFlag<&ChannelRecord::LowPower>, &storeFlag<&ChannelRecord::LowPower>},
        Column{"Power Up", &showFlag<&ChannelRecord::PowUp>, &storeFlag<&ChannelRecord::PowUp>},
        Column{"Scan Memory", &showFlag<&ChannelRecord::ScanMemory>, &storeFlag<&ChannelRecord::ScanMemory>},
        Column{"CH Name", &showName, &storeName},
    };
    return columns;
}

std::optional<std::pair<std::string, std::string>> expRowProblem(const ChannelRecord& channel)
{
    if (!channel.Enable) return std::nullopt;
    if (channel.Rxfreq == 0.0)
        return std::pair<std::string, std::string>{"Rx Frequency", "an enabled channel needs one"};
    if (trimSpaces(channel.CHDisplayL).empty())
        return std::pair<std::string, std::string>{"CH Display", "an enabled channel needs one"};
    return std::nullopt;
}

} // namespace zmp
