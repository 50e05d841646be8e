#include <gtest/gtest.h>

#include "files/configdiff.h"

namespace zmp {
namespace {

std::vector<std::string> lines(const std::vector<ConfigDiff::Difference>& differences)
{
    std::vector<std::string> result;
    for (const auto& difference : differences)
        result.push_back(ConfigDiff::line(difference));
    return result;
}

// The radio cannot hold the ATIS groups: after a read they differ from the
// editor's every time, which is no difference of the radio.
TEST(ConfigDiff, comparisonWithTheRadioLeavesOutWhatTheImageCannotHold)
{
    const std::string radio = "[Common Setup]\r\nDual Watch=0\r\n[ATIS Setup (Common)]\r\n"
                              "Usable ATIS CH Group0=0\r\nAtis Code=#\r\nUsable ATIS Kikker CH Group3=0\r\n";
    const std::string editor =
        "[Common Setup]\r\nDual Watch=1\r\n[ATIS Setup (Common)]\r\n"
        "Usable ATIS CH Group0=1\r\nAtis Code=#123\r\nUsable ATIS Kikker CH Group3=1\r\n";
    EXPECT_EQ(lines(ConfigDiff::compareWithRadio(radio, editor)),
              (std::vector<std::string>{"Common Setup Dual Watch: 0 -> 1",
                                        "ATIS Setup (Common) Atis Code:  -> 123"}));
    EXPECT_EQ(lines(ConfigDiff::compareTexts(radio, editor)).size(), 4u) << "two files are compared whole";
}

} // namespace
} // namespace zmp
