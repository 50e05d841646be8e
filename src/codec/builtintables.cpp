#include "codec/builtintables.h"

#include <span>
#include <string_view>

#include "codec/channelplan.h"
#include "codec/weatherchannels.h"

namespace zmp {

namespace {

enum BuiltInFlag : unsigned { NoFlag = 0, Dup = 1, Low = 2, RxOnly = 4 };

struct BuiltInChannel {
    std::string_view label; // channel label of the plan, e.g. "07A"
    const char* name;
    unsigned flags = NoFlag;
};

// clang-format off
constexpr BuiltInChannel UsaChannels[] = {
    {"01A", "VTS"}, {"05A", "VTS"}, {"06", "SAFTY"}, {"07A", "COMMERCIAL"}, {"08", "COMMERCIAL"},
    {"09", "CALLING"}, {"10", "COMMERCIAL"}, {"11", "VTS"}, {"12", "VTS"}, {"13", "BRG/BRG", Low},
    {"14", "VTS"}, {"15", "COMMERCIAL", RxOnly}, {"16", "DISTRESS"}, {"17", "SAR", Low},
    {"18A", "COMMERCIAL"}, {"19A", "COMMERCIAL"}, {"20", "PORT OPR", Dup}, {"20A", "PORT OPR"},
    {"21A", "CCG"}, {"22A", "USCG"}, {"23A", "USCG"}, {"24", "TELEPHONE", Dup}, {"25", "TELEPHONE", Dup},
    {"26", "TELEPHONE", Dup}, {"27", "TELEPHONE", Dup}, {"28", "TELEPHONE", Dup}, {"63A", "VTS"},
    {"65A", "PORT OPR"}, {"66A", "PORT OPR"}, {"67", "BRG/BRG", Low}, {"68", "SHIP-SHIP"},
    {"69", "PLEASURE"}, {"70", "DSC", RxOnly}, {"71", "PLEASURE"}, {"72", "SHIP-SHIP"},
    {"73", "PORT OPR"}, {"74", "PORT OPR"}, {"75", "PORT OPR", Low}, {"76", "PORT OPR", Low},
    {"77", "PORT OPR", Low}, {"78A", "SHIP-SHIP"}, {"79A", "SHIP-SHIP"}, {"80A", "SHIP-SHIP"},
    {"81A", "CCG"}, {"82A", "CCG"}, {"83A", "USCG"}, {"84", "TELEPHONE", Dup}, {"85", "TELEPHONE", Dup},
    {"86", "TELEPHONE", Dup}, {"87A", "COMMERCIAL"}, {"88A", "COMMERCIAL"},
};

constexpr BuiltInChannel IntChannels[] = {
    {"01", "TELEPHONE", Dup}, {"02", "TELEPHONE", Dup}, {"03", "TELEPHONE", Dup}, {"04", "INTL", Dup},
    {"05", "INTL", Dup}, {"06", "SAFTY"}, {"07", "INTL", Dup}, {"08", "COMMERCIAL"}, {"09", "CALLING"},
    {"10", "COMMERCIAL"}, {"11", "VTS"}, {"12", "VTS"}, {"13", "BRG/BRG"}, {"14", "VTS"},
    {"15", "COMMERCIAL", Low}, {"16", "DISTRESS"}, {"17", "SAR", Low}, {"18", "INTL", Dup},
    {"19", "INTL", Dup}, {"20", "PORT OPR", Dup}, {"21", "INTL", Dup}, {"22", "INTL", Dup},
    {"23", "INTL", Dup}, {"24", "TELEPHONE", Dup}, {"25", "TELEPHONE", Dup}, {"26", "TELEPHONE", Dup},
    {"27", "TELEPHONE", Dup}, {"28", "TELEPHONE", Dup}, {"60", "TELEPHONE", Dup}, {"61", "INTL", Dup},
    {"62", "INTL", Dup}, {"63", "INTL", Dup}, {"64", "TELEPHONE", Dup}, {"65", "INTL", Dup},
    {"66", "INTL", Dup}, {"67", "BRG/BRG"}, {"68", "SHIP-SHIP"}, {"69", "PLEASURE"}, {"70", "DSC", RxOnly},
    {"71", "PLEASURE"}, {"72", "SHIP-SHIP"}, {"73", "PORT OPR"}, {"74", "PORT OPR"},
    {"75", "PORT OPR", Low}, {"76", "PORT OPR", Low}, {"77", "PORT OPR"}, {"78", "INTL", Dup},
    {"79", "INTL", Dup}, {"80", "INTL", Dup}, {"81", "INTL", Dup}, {"82", "INTL", Dup}, {"83", "INTL", Dup},
    {"84", "TELEPHONE", Dup}, {"85", "TELEPHONE", Dup}, {"86", "TELEPHONE", Dup}, {"87", "PORT OPR"},
    {"88", "PORT OPR"},
};

constexpr BuiltInChannel CanChannels[] = {
    {"01", "TELEPHONE", Dup}, {"02", "TELEPHONE", Dup}, {"03", "TELEPHONE", Dup}, {"04A", "CCG"},
    {"05A", "VTS"}, {"06", "SAFETY"}, {"07A", "COMMERCIAL"}, {"08", "COMMERCIAL"}, {"09", "CALLING"},
    {"10", "COMMERCIAL"}, {"11", "VTS"}, {"12", "VTS"}, {"13", "BRG/BRG", Low}, {"14", "VTS"},
    {"15", "COMMERCIAL", Low}, {"16", "DISTRESS"}, {"17", "SAR", Low}, {"18A", "COMMERCIAL"},
    {"19A", "COMMERCIAL"}, {"20", "PORT OPR", Dup | Low}, {"21A", "CCG"}, {"22A", "USCG"},
    {"23", "INTL", Dup}, {"24", "TELEPHONE", Dup}, {"25", "TELEPHONE", Dup}, {"26", "TELEPHONE", Dup},
    {"27", "TELEPHONE", Dup}, {"28", "TELEPHONE", Dup}, {"60", "TELEPHONE", Dup}, {"61A", "CCG"},
    {"62A", "CCG"}, {"63A", "SHIP-SHIP"}, {"64", "TELEPHONE", Dup}, {"64A", "COMMERCIAL"},
    {"65A", "PORT OPR"}, {"66A", "PORT OPR", Low}, {"67", "BRG/BRG"}, {"68", "SHIP-SHIP"},
    {"69", "PLEASURE"}, {"70", "DSC", RxOnly}, {"71", "PLEASURE"}, {"72", "SHIP-SHIP"},
    {"73", "PORT OPR"}, {"74", "PORT OPR"}, {"75", "PORT OPR", Low}, {"76", "PORT OPR", Low},
    {"77", "PORT OPR", Low}, {"78A", "SHIP-SHIP"}, {"79A", "SHIP-SHIP"}, {"80A", "SHIP-SHIP"},
    {"81A", "CCG"}, {"82A", "CCG"}, {"83", "CCG", Dup}, {"83A", "CCG"}, {"84", "TELEPHONE", Dup},
    {"85", "TELEPHONE", Dup}, {"86", "TELEPHONE", Dup}, {"87", "PORT OPR"}, {"88", "PORT OPR"},
};
// clang-format on

// Channel number k sits at plan row 2k, its "A" row right after it.
int planRowOf(std::string_view label)
{
    int number = 0;
    std::size_t i = 0;
    for (; i < label.size() && label[i] >= '0' && label[i] <= '9'; ++i)
        number = number * 10 + (label[i] - '0');
    return 2 * number + (i < label.size() && label[i] == 'A' ? 1 : 0);
}

// One disabled, unnamed record per plan row, transmitting allowed.
ChannelTable planTable()
{
    const ChannelPlan& plan = channelPlan();
    ChannelTable table(plan.size());
    for (std::size_t row = 0; row < plan.size(); ++row) {
        table[row].Position = static_cast<std::int16_t>(row);
        table[row].DuplexCapable = plan[row].DuplexCapable;
        table[row].TxEnable = true;
    }
    return table;
}

void applyBuiltIn(ChannelRecord& record, const BuiltInChannel& channel)
{
    record.Enable = true;
    record.ChTag = channel.name;
    record.Duplex = (channel.flags & Dup) != 0;
    record.LowPower = (channel.flags & Low) != 0;
    record.ReceiveOnly = (channel.flags & RxOnly) != 0;
    record.TxEnable = !record.ReceiveOnly;
    if (record.ReceiveOnly) record.DuplexCapable = false;
}

ChannelTable builtInTable(std::span<const BuiltInChannel> channels)
{
    ChannelTable table = planTable();
    for (const BuiltInChannel& channel : channels)
        applyBuiltIn(table.at(static_cast<std::size_t>(planRowOf(channel.label))), channel);
    return table;
}

} // namespace

ChannelTable builtInUsaTable()
{
    return builtInTable(UsaChannels);
}
ChannelTable builtInIntTable()
{
    return builtInTable(IntChannels);
}
ChannelTable builtInCanTable()
{
    return builtInTable(CanChannels);
}

ChannelTable builtInWxTable()
{
    ChannelTable table;
    for (const WxChannel& channel : weatherChannels()) {
        ChannelRecord record;
        record.Position = static_cast<std::int16_t>(channel.Number);
        record.Enable = true;
        table.push_back(record);
    }
    return table;
}

} // namespace zmp
