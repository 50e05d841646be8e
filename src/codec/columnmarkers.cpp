#include "codec/columnmarkers.h"

namespace zmp {

namespace {

struct Marker {
    const char* set;
    const char* unset;
};

Marker markerOf(ListColumn column)
{
    switch (column) {
    case ListColumn::Tx:
        return {"TX", "--"};
    case ListColumn::Low:
        return {"LOW", "---"};
    case ListColumn::Up:
        return {"UP", "--"};
    case ListColumn::Dup:
        return {"DUP", "---"};
    case ListColumn::Mem:
        return {"MEM", "---"};
    case ListColumn::Cmp:
        return {"CMP", "---"};
    case ListColumn::N:
        return {"N ", "--"};
    case ListColumn::Enable:
        return {"ENABLE", "------"};
    }
    return {"", ""};
}

} // namespace

std::string columnMarker(ListColumn column, bool set)
{
    const Marker marker = markerOf(column);
    return set ? marker.set : marker.unset;
}

std::string codeFieldText(int value)
{
    constexpr int CodePresent = 4;
    return (value & CodePresent) != 0 ? std::to_string(value & 3) : "--";
}

} // namespace zmp
