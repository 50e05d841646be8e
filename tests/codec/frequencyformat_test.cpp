#include <gtest/gtest.h>

#include <limits>

#include "codec/channelplan.h"
#include "codec/frequencyformat.h"

namespace zmp {
namespace {

TEST(PlanFrequencyText, threeDecimalsOrDashes)
{
    EXPECT_EQ(planFrequencyText(156.8), "156.800");
    EXPECT_EQ(planFrequencyText(channelPlan()[176].TxFrequency), "157.425");
    EXPECT_EQ(planFrequencyText(56.5), "056.500");
    EXPECT_EQ(planFrequencyText(0.0), "---.---");
    EXPECT_EQ(planFrequencyText(-1.0), "---.---");
}

TEST(PlanFrequencyText, columnsFollowDuplexAndReceiveOnly)
{
    const ChannelPlanEntry& ch20 = channelPlan()[40];
    ChannelRecord record;
    EXPECT_EQ(planRxFrequencyText(ch20, record), "157.000");
    EXPECT_EQ(planTxFrequencyText(ch20, record), "157.000");
    record.Duplex = true;
    EXPECT_EQ(planRxFrequencyText(ch20, record), "161.600");
    record.Duplex = false;
    record.ReceiveOnly = true;
    EXPECT_EQ(planRxFrequencyText(ch20, record), "157.000");
    EXPECT_EQ(planTxFrequencyText(ch20, record), "---.---");
}

TEST(ChannelGrid, keepsFiveAndTwelveAndAHalfKilohertzStepsAndCutsTheRest)
{
    EXPECT_EQ(snapToChannelGrid(157.0125), 157.0125);
    EXPECT_EQ(snapToChannelGrid(157.425), 157.425);
    EXPECT_EQ(snapToChannelGrid(156.005), 156.005);
    EXPECT_NEAR(snapToChannelGrid(157.0133), 157.01, 1e-9);
    EXPECT_NEAR(snapToChannelGrid(157.0149), 157.01, 1e-9);
    EXPECT_NEAR(snapToChannelGrid(157.0151), 157.015, 1e-9);
}

TEST(ExpFrequencyText, fourDecimalsOfTheSnappedValueOrDashes)
{
    EXPECT_EQ(expFrequencyText(157.425), "157.4250");
    EXPECT_EQ(expFrequencyText(157.0125), "157.0125");
    EXPECT_EQ(expFrequencyText(157.0133), "157.0100");
    EXPECT_EQ(expFrequencyText(0.0), "---.----");
    EXPECT_EQ(expFrequencyText(-5.0), "---.----");
    EXPECT_EQ(expFrequencyText(std::numeric_limits<double>::infinity()), "---.----");
    EXPECT_EQ(expFrequencyText(std::numeric_limits<double>::quiet_NaN()), "---.----");
}

TEST(ChannelGrid, twentyFiveKilohertzStepTest)
{
    EXPECT_TRUE(isOn25kHzStep(156.025));
    EXPECT_TRUE(isOn25kHzStep(160.6));
    EXPECT_FALSE(isOn25kHzStep(156.0125));
    EXPECT_FALSE(isOn25kHzStep(156.01));
    EXPECT_FALSE(isOn25kHzStep(std::numeric_limits<double>::quiet_NaN()));
}

} // namespace
} // namespace zmp
