#pragma once

#include <array>
#include <optional>
#include <string>

namespace zmp {

// The lists that can be exchanged with a spreadsheet.
enum class ExchangeTable { Usa, Intl, Can, Wx, Exp, MemoryId, GroupId };

inline constexpr std::array<ExchangeTable, 7> ExchangeTables{
    ExchangeTable::Usa, ExchangeTable::Intl,     ExchangeTable::Can,    ExchangeTable::Wx,
    ExchangeTable::Exp, ExchangeTable::MemoryId, ExchangeTable::GroupId};

// The command-line name: "usa", "intl", "can", "wx", "exp", "memory-id", "group-id".
std::string exchangeTableId(ExchangeTable table);
std::optional<ExchangeTable> exchangeTableFromId(const std::string& id);
// The editor's name of the list: "USA channels", "Individual Directory", ...
std::string exchangeTableCaption(ExchangeTable table);

} // namespace zmp
