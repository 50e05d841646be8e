#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "codec/builtintables.h"
#include "codec/channelplan.h"
#include "codec/weatherchannels.h"

namespace zmp {
namespace {

int enabledCount(const ChannelTable& table)
{
    int count = 0;
    for (const ChannelRecord& record : table)
        count += record.Enable ? 1 : 0;
    return count;
}

const ChannelRecord& recordOf(const ChannelTable& table, const std::string& label)
{
    for (const ChannelRecord& record : table)
        if (channelPlan()[static_cast<std::size_t>(record.Position)].Label == label) return record;
    throw std::runtime_error("no row " + label);
}

TEST(ChannelPlan, rowsCarryLabelsAndFrequenciesOfBothHalves)
{
    const ChannelPlan& plan = channelPlan();
    ASSERT_EQ(plan.size(), 240u);
    EXPECT_EQ(plan[0].Label, "00");
    EXPECT_DOUBLE_EQ(plan[0].TxFrequency, 156.0);
    EXPECT_EQ(plan[32].Label, "16");
    EXPECT_NEAR(plan[32].TxFrequency, 156.8, 1e-9);
    EXPECT_NEAR(plan[32].DuplexRxFrequency, 161.4, 1e-9);
    EXPECT_EQ(plan[33].Label, "16A");
    EXPECT_NEAR(plan[33].RxFrequency, 156.8, 1e-9);
    EXPECT_EQ(plan[33].DuplexRxFrequency, 0.0);
    EXPECT_FALSE(plan[33].DuplexCapable);
    EXPECT_EQ(plan[120].Label, "60");
    EXPECT_NEAR(plan[120].RxFrequency, 156.025, 1e-9);
    EXPECT_NEAR(plan[120].DuplexRxFrequency, 160.625, 1e-9);
    EXPECT_TRUE(plan[120].DuplexCapable);
    EXPECT_EQ(plan[176].Label, "88");
    EXPECT_NEAR(plan[176].TxFrequency, 157.425, 1e-9);
    EXPECT_EQ(plan[238].Label, "119");
    EXPECT_EQ(plan[239].Label, "119A");
    EXPECT_NEAR(plan[239].TxFrequency, 156.025 + 0.05 * 59, 1e-9);
}

TEST(ChannelPlan, frequenciesAreAccumulatedAndEveryRowHasASimplexTwin)
{
    const ChannelPlan& plan = channelPlan();
    double expected = 156.025;
    for (std::size_t row = 120; row < plan.size(); row += 2) {
        EXPECT_EQ(plan[row].TxFrequency, expected) << "row " << row; // exact: the same additions
        EXPECT_EQ(plan[row].RxFrequency, plan[row + 1].RxFrequency);
        EXPECT_EQ(plan[row].DuplexRxFrequency, plan[row].TxFrequency + 4.6);
        EXPECT_EQ(plan[row + 1].Label, plan[row].Label + "A");
        expected += 0.05;
    }
    EXPECT_EQ(&channelPlan(), &plan);
}

TEST(BuiltInTables, holdTheListedChannelCounts)
{
    EXPECT_EQ(enabledCount(builtInUsaTable()), 51);
    EXPECT_EQ(enabledCount(builtInIntTable()), 57);
    EXPECT_EQ(enabledCount(builtInCanTable()), 59);
}

TEST(BuiltInTables, usaChannel15IsReceiveOnlyAndNotDuplexCapable)
{
    const ChannelTable usa = builtInUsaTable();
    ChannelRecord ch15;
    ch15.Position = 30;
    ch15.Enable = true;
    ch15.ReceiveOnly = true;
    ch15.ChTag = "COMMERCIAL";
    ASSERT_TRUE(channelPlan()[30].DuplexCapable);
    EXPECT_TRUE(usa[30] == ch15);
}

TEST(BuiltInTables, listedFlagsAndExactNames)
{
    const ChannelTable usa = builtInUsaTable();
    EXPECT_EQ(recordOf(usa, "13").ChTag, "BRG/BRG");
    EXPECT_TRUE(recordOf(usa, "13").LowPower);
    EXPECT_EQ(recordOf(usa, "06").ChTag, "SAFTY");
    EXPECT_TRUE(recordOf(usa, "20").Duplex);
    EXPECT_FALSE(recordOf(usa, "20A").Duplex);
    EXPECT_EQ(recordOf(usa, "20A").ChTag, "PORT OPR");
    EXPECT_EQ(recordOf(usa, "88A").ChTag, "COMMERCIAL");
    EXPECT_TRUE(recordOf(usa, "70").ReceiveOnly);

    const ChannelTable intl = builtInIntTable();
    EXPECT_FALSE(recordOf(intl, "13").LowPower);
    EXPECT_TRUE(recordOf(intl, "15").LowPower);
    EXPECT_FALSE(recordOf(intl, "15").ReceiveOnly);
    EXPECT_TRUE(recordOf(intl, "15").TxEnable);
    EXPECT_EQ(recordOf(intl, "04").ChTag, "INTL");

    const ChannelTable can = builtInCanTable();
    EXPECT_EQ(recordOf(can, "06").ChTag, "SAFETY");
    EXPECT_TRUE(recordOf(can, "20").Duplex);
    EXPECT_TRUE(recordOf(can, "20").LowPower);
    EXPECT_TRUE(recordOf(can, "83").Duplex);
    EXPECT_EQ(recordOf(can, "83A").ChTag, "CCG");
    EXPECT_EQ(recordOf(can, "64A").ChTag, "COMMERCIAL");
}

TEST(BuiltInTables, unlistedRowsAreDisabledUnnamedAndMayTransmit)
{
    for (const ChannelTable& table : {builtInUsaTable(), builtInIntTable(), builtInCanTable()}) {
        ASSERT_EQ(table.size(), 240u);
        for (std::size_t row = 0; row < table.size(); ++row) {
            const ChannelRecord& record = table[row];
            EXPECT_EQ(record.Position, static_cast<int>(row));
            if (row >= 178) { // "89" and above
                EXPECT_FALSE(record.Enable) << "row " << row;
                EXPECT_TRUE(record.ChTag.empty()) << "row " << row;
            }
            if (!record.Enable) {
                EXPECT_TRUE(record.TxEnable);
                EXPECT_FALSE(record.ReceiveOnly || record.Duplex || record.LowPower || record.PowUp);
                EXPECT_EQ(record.DuplexCapable, channelPlan()[row].DuplexCapable);
            }
        }
    }
}

TEST(BuiltInTables, buildingTwiceGivesTheSameRecords)
{
    const ChannelTable first = builtInUsaTable();
    ChannelTable edited = builtInUsaTable();
    edited[0].Enable = true;
    const ChannelTable second = builtInUsaTable();
    EXPECT_TRUE(first == second);
    EXPECT_EQ(enabledCount(second), 51);
}

TEST(WeatherChannels, tenReceiveOnlyEntriesAndTheirTable)
{
    const std::vector<WxChannel>& list = weatherChannels();
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list[0].Label, "WX01[162.550MHz]");
    EXPECT_EQ(list[0].FrequencyText, "162.550MHZ");
    EXPECT_EQ(list[7].Label, "WX08[161.650MHz]");
    EXPECT_EQ(list[9].Label, "WX10[163.275MHz]");
    EXPECT_DOUBLE_EQ(list[9].RxFrequency, 163.275);
    std::set<std::string> labels;
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i].Number, static_cast<int>(i + 1));
        EXPECT_EQ(list[i].DuplexRxFrequency, list[i].RxFrequency);
        EXPECT_EQ(list[i].TxFrequency, 0.0);
        labels.insert(list[i].Label);
    }
    EXPECT_EQ(labels.size(), 10u);

    const ChannelTable wx = builtInWxTable();
    ASSERT_EQ(wx.size(), static_cast<std::size_t>(WxChannelCount));
    for (std::size_t i = 0; i < wx.size(); ++i) {
        EXPECT_EQ(wx[i].Position, static_cast<int>(i + 1));
        EXPECT_TRUE(wx[i].Enable);
        EXPECT_FALSE(wx[i].LowPower || wx[i].PowUp);
    }
}

} // namespace
} // namespace zmp
