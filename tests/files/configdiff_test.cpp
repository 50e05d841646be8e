#include <gtest/gtest.h>

#include "files/configdiff.h"

namespace zmp {
namespace {

std::vector<std::string> lines(const std::vector<ConfigDiff::Difference>& differences)
{
    std::vector<std::string> result;
    for (const auto& difference : differences)
        result.push_back(ConfigDiff::line(difference) + (difference.differs ? "" : " (same)"));
    return result;
}

// Every key is compared, in a's order then b's own; one MMSI in its nine-
// and its ten-digit form is the same MMSI.
TEST(ConfigDiff, comparesEveryKeyOfBothSides)
{
    const std::string a = "[Common Setup]\r\nSCAN=1\r\nDual Watch=0\r\n[CHMMSID1]\r\nMmsid=2111234560\r\n";
    const std::string b = "[Common Setup]\r\nSCAN=1\r\nDual Watch=1\r\n[CHMMSID1]\r\nMmsid=211123456\r\n"
                          "[CHMMSID2]\r\nMmsid=211123457\r\n";
    EXPECT_EQ(lines(ConfigDiff::compareAll(ConfigDiff::entries(a), ConfigDiff::entries(b))),
              (std::vector<std::string>{"Common Setup SCAN: 1 -> 1 (same)", "Common Setup Dual Watch: 0 -> 1",
                                        "CHMMSID1 Mmsid: 2111234560 -> 211123456 (same)",
                                        "CHMMSID2 Mmsid:  -> 211123457"}));
    EXPECT_EQ(lines(ConfigDiff::compareTexts(a, b)),
              (std::vector<std::string>{"Common Setup Dual Watch: 0 -> 1", "CHMMSID2 Mmsid:  -> 211123457"}));
}

} // namespace
} // namespace zmp
