#pragma once

#include <gtest/gtest.h>

#include <string>

#include "model/records.h"

namespace zmp::test {

// Where two configurations differ, one line per differing record, each
// record spelled out in full; empty when they are equal.
std::string recordsDifference(const Records& expected, const Records& actual);

// Whole records compared with ==, so that a field added to them takes part
// at once; a failure names what differs. Use as EXPECT_TRUE(sameRecords(a, b)).
::testing::AssertionResult sameRecords(const Records& expected, const Records& actual);

} // namespace zmp::test
