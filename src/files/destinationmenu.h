#pragma once

#include <array>
#include <string>

namespace zmp {

struct DestinationMenuItem {
    std::string caption;
    bool visible = false;
    bool checked = false;
};

// The Destination menu as plain data: eleven items, those without a name
// hidden; the editor shows it, zmp-cli lists it.
struct DestinationMenu {
    static constexpr int ItemCount = 11;

    bool enabled = false;
    std::array<DestinationMenuItem, ItemCount> items{};

    // The checked item, -1 when none is.
    int checkedItem() const
    {
        for (int k = 0; k < ItemCount; ++k)
            if (items[static_cast<std::size_t>(k)].checked) return k;
        return -1;
    }
    void uncheckAll()
    {
        for (auto& item : items)
            item.checked = false;
    }
};

} // namespace zmp
