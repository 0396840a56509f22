#include "chart/overview_columns.h"

#include <algorithm>
#include <span>

#include "chart/chart_layout.h"
#include "data/record_time.h"

namespace helvarra {
namespace {

// A channel's value taken last: its second and its column.
struct LastValue {
  std::int64_t second = INT64_MIN / 2;  // far enough back to join nothing
  std::int32_t value = 0;
  int column = -1;
};

// A hole holds 0, so this leaves holes out too.
bool Drawn(std::int32_t value) { return value >= kLowestFluxSfu; }

// The smallest and largest drawn value of each channel over records that
// share a column; low > high where none is drawn. Without a branch, so that
// the compiler takes a record's channels four at a time.
struct RunSpans {
  std::array<std::int32_t, kChannelCount> low, high;

  explicit RunSpans(std::span<const FluxRecord> run) {
    low.fill(INT32_MAX);
    high.fill(INT32_MIN);
    for (const FluxRecord& r : run) {
      for (std::size_t k = 0; k < kChannelCount; ++k) {
        const std::int32_t v = r.values[k];
        const std::int32_t drawn = -static_cast<std::int32_t>(Drawn(v));  // every bit set, or none
        const std::int32_t forLow = (v & drawn) | (INT32_MAX & ~drawn);
        const std::int32_t forHigh = (v & drawn) | (INT32_MIN & ~drawn);
        low[k] = low[k] < forLow ? low[k] : forLow;
        high[k] = high[k] > forHigh ? high[k] : forHigh;
      }
    }
  }
};

// One channel's values of a run of records in one column: joined to the
// channel's last value when that is at most 6 seconds before the first here.
void TakeRun(std::vector<ValueSpan>& spans, LastValue& last, std::span<const FluxRecord> run, std::size_t k, int column,
             ValueSpan runSpan) {
  const auto drawn = [k](const FluxRecord& r) { return Drawn(r.values[k]); };
  const FluxRecord& first = *std::ranges::find_if(run, drawn);
  ValueSpan& here = spans[static_cast<std::size_t>(column)];
  const std::int64_t step = RecordTime(first) - last.second;
  if (column != last.column && step >= 0 && step <= kGapSeconds) {
    for (int c = last.column + 1; c < column; ++c) spans[static_cast<std::size_t>(c)].Take(last.value);
    here.Take(last.value);
  }
  here.Take(runSpan.low);
  here.Take(runSpan.high);
  const FluxRecord& final = *std::ranges::find_if(run.rbegin(), run.rend(), drawn);
  last = {RecordTime(final), final.values[k], column};
}

}  // namespace

void GatherColumnSpans(const FluxTable& table, const OverviewTimeScale& scale,
                       const std::array<bool, kChannelCount>& shown, ColumnSpans& spans) {
  for (std::size_t k = 0; k < kChannelCount; ++k)
    spans[k].assign(shown[k] ? static_cast<std::size_t>(scale.Columns()) : 0, ValueSpan{});
  std::array<LastValue, kChannelCount> last{};
  RecordClock clock;
  const std::span<const FluxRecord> records(table.records);
  for (std::size_t begin = 0, end = 0; begin < records.size(); begin = end) {
    const std::int64_t second = clock.TimeOf(records[begin]);
    end = begin + 1;
    if (!scale.Holds(second)) continue;
    // The run: the records from here on whose seconds are this column's.
    const int column = scale.ColumnOf(second);
    const SecondRange seconds = scale.SecondsOf(column);
    while (end < records.size()) {
      const std::int64_t next = clock.TimeOf(records[end]);
      if (next < seconds.first || next > seconds.last) break;
      ++end;
    }
    const std::span<const FluxRecord> run = records.subspan(begin, end - begin);
    const RunSpans runSpans(run);
    for (std::size_t k = 0; k < kChannelCount; ++k) {
      const ValueSpan runSpan{runSpans.low[k], runSpans.high[k]};
      if (shown[k] && !runSpan.Empty()) TakeRun(spans[k], last[k], run, k, column, runSpan);
    }
  }
}

}  // namespace helvarra
