#include "exchange/exchangetable.h"

namespace zmp {

std::string exchangeTableId(ExchangeTable table)
{
    switch (table) {
    case ExchangeTable::Usa:
        return "usa";
    case ExchangeTable::Intl:
        return "intl";
    case ExchangeTable::Can:
        return "can";
    case ExchangeTable::Wx:
        return "wx";
    case ExchangeTable::Exp:
        return "exp";
    case ExchangeTable::MemoryId:
        return "memory-id";
    case ExchangeTable::GroupId:
        return "group-id";
    }
    return {};
}

std::optional<ExchangeTable> exchangeTableFromId(const std::string& id)
{
    for (const ExchangeTable table : ExchangeTables)
        if (exchangeTableId(table) == id) return table;
    return std::nullopt;
}

std::string exchangeTableCaption(ExchangeTable table)
{
    switch (table) {
    case ExchangeTable::Usa:
        return "USA channels (Group1)";
    case ExchangeTable::Intl:
        return "International channels (Group2)";
    case ExchangeTable::Can:
        return "Canada channels (Group3)";
    case ExchangeTable::Wx:
        return "Weather channels";
    case ExchangeTable::Exp:
        return "EXP channels";
    case ExchangeTable::MemoryId:
        return "Individual Directory";
    case ExchangeTable::GroupId:
        return "Group Directory";
    }
    return {};
}

} // namespace zmp
