#pragma once

#include <string_view>
#include <utility>
#include <vector>

namespace zmp::radiosim {

// A set of 1-based ordinals written as "3", "3,7" or "5-9,12": which
// frames or replies a fault applies to.
class IndexSet {
  public:
    // False (and the set unchanged) when the text is not such a list.
    bool parse(std::string_view text);
    bool contains(int index) const;
    bool empty() const { return ranges_.empty(); }

  private:
    std::vector<std::pair<int, int>> ranges_;
};

} // namespace zmp::radiosim
