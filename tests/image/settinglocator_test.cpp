#include "image/settinglocator.h"

#include <gtest/gtest.h>

#include <utility>

namespace zmp {
namespace {

// What a failed verify names beside the address, in the editor's words.
TEST(SettingLocator, NamesTheSettingOfAByte)
{
    for (const auto& [address, name] : {std::pair{304, "Group1"},
                                        {353, "Exp CH"},
                                        {657, "All Ships Call"},
                                        {662, "Test Call"},
                                        {663, "DSC settings"},
                                        {665, "Received All Ships"},
                                        {670, "Received Geografic"},
                                        {640, "User MMSI"}})
        EXPECT_EQ(settingAt(address), name) << address;
}

} // namespace
} // namespace zmp
