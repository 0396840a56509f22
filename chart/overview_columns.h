#pragma once
// What the day overview draws of each channel in each column of its plot:
// the smallest and the largest value there, gathered in one pass over the
// records with no logarithm taken, so that only these become pixel rows.
//
// A column takes the values of the records whose second is in it. A value
// is joined to the channel's previous value when that is at most 6 seconds
// earlier: the previous value is taken into the new value's column too, and
// into the columns between where a second spans several. A hole, or a value
// below 5 SFU, is left out, and a channel's values more than 6 seconds apart
// are not joined, so nothing is drawn across such a gap.

#include <array>
#include <climits>
#include <cstdint>
#include <vector>

#include "chart/overview_geometry.h"
#include "chart/overview_index.h"

namespace helvarra {

struct ValueSpan {
  std::int32_t low = INT32_MAX, high = INT32_MIN;  // none while low > high

  bool Empty() const { return low > high; }
  void Take(std::int32_t value) {
    if (value < low) low = value;
    if (value > high) high = value;
  }
};

// For each channel, one span a column; no spans for a channel not shown.
using ColumnSpans = std::array<std::vector<ValueSpan>, kChannelCount>;

// The spans of the shown channels, written over `spans` (its storage kept);
// the table's index, if given, spares reading every record.
void GatherColumnSpans(const FluxTable& table, const OverviewTimeScale& scale,
                       const std::array<bool, kChannelCount>& shown, ColumnSpans& spans,
                       const OverviewIndex* index = nullptr);

}  // namespace helvarra
