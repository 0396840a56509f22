#pragma once
// A Learmonth file over the turn of 2023 into 2024: one record a second from
// 2023-12-31 23:50:00 to 2024-01-01 00:10:00, every value 0.

#include <cstddef>

#include "data/flux_table.h"

namespace helvarra::test {

// The row of the record `offset` seconds after midnight (before it: negative).
constexpr std::size_t MidnightRow(int offset) { return static_cast<std::size_t>(600 + offset); }

inline FluxTable MidnightTable() {
  FluxTable table;
  for (int offset = -600; offset <= 600; ++offset) {
    FluxRecord& r = table.records.emplace_back();
    const int second = (offset + 86400) % 86400;
    r.station = {'A', 'P', 'L', 'M'};
    r.year = offset < 0 ? 2023 : 2024, r.month = offset < 0 ? 12 : 1, r.day = offset < 0 ? 31 : 1;
    r.hour = second / 3600, r.minute = second / 60 % 60, r.second = second % 60;
  }
  return table;
}

}  // namespace helvarra::test
