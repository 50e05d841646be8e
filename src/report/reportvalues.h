#pragma once

#include <string>

// Value texts that only the configuration report uses; the shared ones
// (option texts, markers, frequencies, fixed-width fields) are the codec's.
namespace zmp {

// The plan label of a position; empty for a position outside the plan, so
// a damaged record can never index past the plan.
std::string planLabel(int position);

// The CHD column of an expansion channel, always three characters: the
// display characters padded or cut to two, then the last suffix character
// or a space.
std::string expChannelDisplay(const std::string& left, const std::string& right);

// An expansion frequency as the report shows it. A frequency above 0 is
// first snapped to the channel grid, and the snapped value is kept.
std::string snappedExpFrequencyText(double& mhz);

} // namespace zmp
