#pragma once
// Radio bursts found at each frequency of one station's records, by the rule
// of docs/FORMATS.md "Bursts found": flux standing above the quiet level of
// the minutes before by more than the threshold (analysis/burst_threshold.h)
// for at least kLeastRunRecords records in a row, runs less than
// kJoinSeconds apart taken as one burst.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "data/flux_record.h"

namespace helvarra {

// The quiet level at second t is taken from the records in
// [t - kQuietLagSeconds - kQuietSeconds, t - kQuietLagSeconds), and only
// where they hold at least kLeastQuietValues values of flux.
inline constexpr int kQuietSeconds = 600;
inline constexpr int kQuietLagSeconds = 60;
inline constexpr std::size_t kLeastQuietValues = 60;
inline constexpr int kLeastRunRecords = 5;
inline constexpr int kJoinSeconds = 60;

struct FoundBurst {
  int channel = 0;
  // Rows of the records searched: the first record of the first run, the
  // highest flux between (the first of equals), the last record of the last.
  std::size_t beginRow = 0, peakRow = 0, endRow = 0;
  std::int64_t begin = 0, end = 0;  // RecordTime of the begin and end rows
  double background = 0;            // the quiet level at the begin; may end in .5
  std::int32_t peak = 0;
  double peakAboveBackground = 0;
  int stations = 1;  // that saw it, this one included (ConfirmBursts)

  bool operator==(const FoundBurst&) const = default;
};

// Every burst in records of one station in UT order, ordered by begin, then
// channel.
std::vector<FoundBurst> FindBursts(std::span<const FluxRecord> records);

}  // namespace helvarra
