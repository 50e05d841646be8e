#include <gtest/gtest.h>

#include "codec/tonetables.h"

namespace zmp {
namespace {

TEST(ToneTables, countsAndExactTexts)
{
    const std::vector<std::string>& ctcss = ctcssTones();
    ASSERT_EQ(ctcss.size(), 51u);
    EXPECT_EQ(ctcss[0], "Off");
    EXPECT_EQ(ctcss[1], "67.0Hz");
    EXPECT_EQ(ctcss[13], "100.0Hz");
    EXPECT_EQ(ctcss[43], "210.7Hz");
    EXPECT_EQ(ctcss[44], "218.1Hz");
    EXPECT_EQ(ctcss[50], "254.1Hz");

    const std::vector<std::string>& dcs = dcsCodes();
    ASSERT_EQ(dcs.size(), 105u);
    EXPECT_EQ(dcs[0], "Off");
    EXPECT_EQ(dcs[1], "023");
    EXPECT_EQ(dcs[17], "114");
    EXPECT_EQ(dcs[104], "754");
    for (std::size_t i = 2; i < dcs.size(); ++i) {
        EXPECT_LT(dcs[i - 1], dcs[i]) << "entry " << i; // ascending, no repeats
        EXPECT_EQ(dcs[i].find_first_not_of("01234567"), std::string::npos) << dcs[i];
    }
}

} // namespace
} // namespace zmp
