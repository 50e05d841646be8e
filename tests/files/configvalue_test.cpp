#include <gtest/gtest.h>

#include <optional>

#include "files/configvalue.h"

namespace zmp {
namespace {

TEST(ConfigValue, flagsReadNamesAndNumbers)
{
    const std::pair<const char*, std::optional<bool>> cases[] = {
        {"1", true},
        {"0", false},
        {"-1", true},
        {"True", true},
        {"true", true},
        {"FALSE", false},
        {"2.5", true},
        {"0.0", false},
        {"0,0", false},
        {"", std::nullopt},
        {"yes", std::nullopt},
        {"1x", std::nullopt},
        {"Truex", std::nullopt},
        {"- 1", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ConfigValue::toFlag(text), expected) << '"' << text << '"';
}

TEST(ConfigValue, integersRoundHalvesToEvenAndRefuseOutOfRange)
{
    const std::pair<const char*, std::optional<std::int16_t>> cases[] = {
        {"3", 3},
        {"-3", -3},
        {"+7", 7},
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {"2,6", 3},
        {"1e2", 100},
        {"32767", 32767},
        {"-32768", -32768},
        {"32768", std::nullopt},
        {"32767.5", std::nullopt},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"1 2", std::nullopt},
        {"0x10", std::nullopt},
        {".", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ConfigValue::toInt16(text), expected) << '"' << text << '"';
    EXPECT_EQ(ConfigValue::toInt32("70000"), 70000);
    EXPECT_EQ(ConfigValue::toInt32("-1"), -1);
    EXPECT_EQ(ConfigValue::toInt32("3000000000"), std::nullopt);
}

TEST(ConfigValue, frequenciesAcceptPointOrComma)
{
    EXPECT_EQ(ConfigValue::toFrequency("156.025"), 156.025);
    EXPECT_EQ(ConfigValue::toFrequency("156,025"), 156.025);
    EXPECT_EQ(ConfigValue::toFrequency("0"), 0.0);
    EXPECT_EQ(ConfigValue::toFrequency(".5"), 0.5);
    EXPECT_EQ(ConfigValue::toFrequency("1.56025E2"), 156.025);
    for (const char* bad : {"", "abc", "156.025MHz", "inf", "nan", "1e999", "156.0.25", "156,02,5"})
        EXPECT_EQ(ConfigValue::toFrequency(bad), std::nullopt) << bad;
}

TEST(ConfigValue, frequencyTextHidesTheBinaryNoiseOfTheDecode)
{
    const double decoded = 100.0 + 56.0055; // the decode's addition: 156.00549999999998
    ASSERT_NE(decoded, 156.0055);
    EXPECT_EQ(ConfigValue::frequency(decoded), "156.0055");
    EXPECT_EQ(ConfigValue::frequency(161.6), "161.6");
    EXPECT_EQ(ConfigValue::frequency(157.4250), "157.425");
    EXPECT_EQ(ConfigValue::frequency(0.0), "0");
    EXPECT_EQ(ConfigValue::toFrequency(ConfigValue::frequency(decoded)), 156.0055);
}

TEST(ConfigValue, leadingIntegerTakesTheNumberTheTextBeginsWith)
{
    EXPECT_EQ(ConfigValue::leadingInteger("12"), 12);
    EXPECT_EQ(ConfigValue::leadingInteger("12abc"), 12);
    EXPECT_EQ(ConfigValue::leadingInteger("2.5 rows"), 2);
    EXPECT_EQ(ConfigValue::leadingInteger("300"), 300);
    EXPECT_EQ(ConfigValue::leadingInteger("-1"), -1);
    EXPECT_EQ(ConfigValue::leadingInteger("abc"), std::nullopt);
    EXPECT_EQ(ConfigValue::leadingInteger("99999999999"), std::nullopt);
}

} // namespace
} // namespace zmp
