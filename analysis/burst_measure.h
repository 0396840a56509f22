#pragma once
// A radio burst measured on each channel over rows of the record table: the
// background before it, its peak, and the half-power span around the peak.
// A hole, or a value below kLowestFluxSfu, is no flux (FluxRecord::IsFlux):
// it is left out of the background and the peak, it breaks the span, and it
// is counted.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "data/channels.h"
#include "data/flux_table.h"

namespace helvarra {

inline constexpr int kBackgroundSeconds = 300;

struct ChannelMeasure {
  // The median of the channel's flux in the kBackgroundSeconds before the
  // first row (by absolute time: start - 300 <= t < start); of an even count,
  // the mean of the middle two, so it may end in .5. None without flux there.
  std::optional<double> background;
  // The first row of the largest flux in the rows, and that flux.
  std::optional<std::size_t> peakRow;
  std::int32_t peak = 0;
  std::optional<double> peakAboveBackground;  // peak - background; none without either
  // The half-power span: the rows around the peak, within the rows measured,
  // whose flux stays at or above background + (peak - background) / 2. None
  // without a background, or when the peak is below the background.
  std::optional<std::size_t> beginRow, endRow;
  std::size_t holes = 0;  // rows whose value is a hole or below kLowestFluxSfu

  bool operator==(const ChannelMeasure&) const = default;
};

using BurstMeasure = std::array<ChannelMeasure, kChannelCount>;

// Each channel measured over rows `first` to `last`, both included. Rows past
// the table's end are not measured; with `first` past `last` nothing is.
BurstMeasure MeasureBurst(const FluxTable& table, std::size_t first, std::size_t last);

}  // namespace helvarra
