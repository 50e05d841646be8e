#pragma once

#include <string>

namespace zmp {

// The flag columns of the channel lists.
enum class ListColumn { Tx, Low, Up, Dup, Mem, Cmp, N, Enable };

// The column's marker when the flag is set ("TX", "LOW", "UP", "DUP", "MEM", "CMP", "N ", "ENABLE"),
// its filler of dashes of the same width otherwise ("--", "---", ..., "------").
std::string columnMarker(ListColumn column, bool set);

// A small code field: (value AND 3) as a number when bit 2 of the value is set, "--" otherwise.
std::string codeFieldText(int value);

} // namespace zmp
