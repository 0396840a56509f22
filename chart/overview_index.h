#pragma once
// A table's records summed up in blocks of 64 rows, worked out once for a
// series, so that the overview of a month need not read every record for
// every picture: where each block's seconds lie and whether they run
// forward, and for each channel the smallest and largest of its drawn values
// (not holes, not below 5 SFU) and the rows of the first and last of them.
// The overview draws the same pixels with it as without it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "data/flux_table.h"

namespace helvarra {

inline constexpr std::size_t kOverviewBlockRows = 64;
inline constexpr std::uint8_t kNoDrawnRow = 0xFF;

struct OverviewBlock {
  std::int64_t first = 0, last = 0;  // the seconds of its first and last record
  bool forward = false;              // its seconds never go back
  std::array<std::int32_t, kChannelCount> low{}, high{};           // low > high: none drawn
  std::array<std::uint8_t, kChannelCount> firstDrawn{}, lastDrawn{};  // rows within the block
};

class OverviewIndex {
 public:
  // The table's whole blocks (a last one shorter than 64 rows is left out).
  explicit OverviewIndex(const FluxTable& table);

  const FluxTable& Table() const { return *table_; }
  std::span<const OverviewBlock> Blocks() const { return blocks_; }

 private:
  const FluxTable* table_;
  std::vector<OverviewBlock> blocks_;
};

}  // namespace helvarra
