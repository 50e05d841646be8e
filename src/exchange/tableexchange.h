#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "exchange/exchangetable.h"
#include "model/records.h"

namespace zmp {

// A channel table or directory as a CSV text (UTF-8, RFC 4180, a header
// row, one row per record), and back.
class TableExchange {
  public:
    // No table comes near this size; a larger file is not one of ours.
    static constexpr std::size_t MaxTextSize = 1 << 20;

    static std::string exportCsv(const Records& records, ExchangeTable table);

    // Reads the text into the table. Every row is checked with the editor's
    // rules; every problem is listed as "line N, column NAME: reason" and,
    // when there is any, the records are left exactly as they were. A cell
    // that holds what the export writes for the record changes nothing.
    static std::vector<std::string> importCsv(Records& records, ExchangeTable table, std::string_view text);
};

} // namespace zmp
