#include <gtest/gtest.h>

#include "codec/builtintables.h"
#include "codec/channellabels.h"

namespace zmp {
namespace {

TEST(PriorityChannelLabel, planRowsExpChannelsAndOff)
{
    EXPECT_EQ(priorityChannelLabel(-1), "Off");
    EXPECT_EQ(priorityChannelLabel(0), "00");
    EXPECT_EQ(priorityChannelLabel(32), "16");
    EXPECT_EQ(priorityChannelLabel(33), "16A");
    EXPECT_EQ(priorityChannelLabel(239), "119A");
    EXPECT_EQ(priorityChannelLabel(240), "EXP1");
    EXPECT_EQ(priorityChannelLabel(279), "EXP40");
    EXPECT_EQ(priorityChannelLabel(280), "Off");
    EXPECT_EQ(priorityChannelLabel(65535), "Off");
}

TEST(AutoPosChannelLabel, enabledUsaOrExpChannelsOnly)
{
    const ChannelTable usa = builtInUsaTable();
    ChannelTable exp(ExpChannelCount);
    exp[0].Enable = true;
    exp[0].CHDisplayL = "01";
    exp[0].CHDisplayR = "B";
    exp[63].Enable = true;
    exp[63].CHDisplayL = "99";
    exp[1].CHDisplayL = "02";

    EXPECT_EQ(autoPosChannelLabel(32, usa, exp), "16");
    EXPECT_EQ(autoPosChannelLabel(3, usa, exp), "01A");
    EXPECT_EQ(autoPosChannelLabel(0, usa, exp), ""); // channel 00 is not enabled
    EXPECT_EQ(autoPosChannelLabel(4097, usa, exp), "01B");
    EXPECT_EQ(autoPosChannelLabel(4160, usa, exp), "99");
    EXPECT_EQ(autoPosChannelLabel(4098, usa, exp), ""); // EXP 2 is not enabled
    EXPECT_EQ(autoPosChannelLabel(4096, usa, exp), "");
    EXPECT_EQ(autoPosChannelLabel(4161, usa, exp), "");
    EXPECT_EQ(autoPosChannelLabel(-5, usa, exp), "");
    EXPECT_EQ(autoPosChannelLabel(4097, usa, ChannelTable{}), "");
}

} // namespace
} // namespace zmp
