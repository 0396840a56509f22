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
// the compiler takes a record's channels four at a time; whole blocks of the
// index taken as they are summed up.
struct RunSpans {
  std::array<std::int32_t, kChannelCount> low, high;

  RunSpans(std::span<const FluxRecord> records, std::size_t begin, std::size_t end, const OverviewIndex* index) {
    low.fill(INT32_MAX);
    high.fill(INT32_MIN);
    std::size_t i = begin;
    for (; i < end; ++i) {
      if (index != nullptr && i % kOverviewBlockRows == 0 && i + kOverviewBlockRows <= end) {
        const OverviewBlock& b = index->Blocks()[i / kOverviewBlockRows];
        for (std::size_t k = 0; k < kChannelCount; ++k) {
          low[k] = std::min(low[k], b.low[k]);
          high[k] = std::max(high[k], b.high[k]);
        }
        i += kOverviewBlockRows - 1;
        continue;
      }
      Take(records[i]);
    }
  }

  void Take(const FluxRecord& r) {
    for (std::size_t k = 0; k < kChannelCount; ++k) {
      const std::int32_t v = r.values[k];
      const std::int32_t drawn = -static_cast<std::int32_t>(Drawn(v));  // every bit set, or none
      const std::int32_t forLow = (v & drawn) | (INT32_MAX & ~drawn);
      const std::int32_t forHigh = (v & drawn) | (INT32_MIN & ~drawn);
      low[k] = low[k] < forLow ? low[k] : forLow;
      high[k] = high[k] > forHigh ? high[k] : forHigh;
    }
  }
};

// The row of channel k's first (or last) drawn value in rows [begin, end),
// whole blocks of the index read from its summary. There is one.
std::size_t DrawnRow(std::span<const FluxRecord> records, std::size_t begin, std::size_t end, std::size_t k,
                     const OverviewIndex* index, bool last) {
  const auto blockAt = [&](std::size_t i) -> const OverviewBlock* {
    if (index == nullptr || i % kOverviewBlockRows != 0 || i + kOverviewBlockRows > end || i < begin) return nullptr;
    return &index->Blocks()[i / kOverviewBlockRows];
  };
  if (!last) {
    for (std::size_t i = begin; i < end; ++i) {
      if (const OverviewBlock* b = blockAt(i)) {
        if (b->firstDrawn[k] != kNoDrawnRow) return i + b->firstDrawn[k];
        i += kOverviewBlockRows - 1;
      } else if (Drawn(records[i].values[k])) {
        return i;
      }
    }
  }
  for (std::size_t i = end; i-- > begin;) {
    const std::size_t blockStart = i + 1 >= kOverviewBlockRows ? i + 1 - kOverviewBlockRows : end;
    if (const OverviewBlock* b = blockStart < end ? blockAt(blockStart) : nullptr) {
      if (b->lastDrawn[k] != kNoDrawnRow) return blockStart + b->lastDrawn[k];
      i = blockStart;
    } else if (Drawn(records[i].values[k])) {
      return i;
    }
  }
  return begin;
}

// The rows of a run of records in one column.
struct Run {
  std::span<const FluxRecord> records;
  std::size_t begin, end;
  const OverviewIndex* index;
};

// One channel's values of a run of records in one column: joined to the
// channel's last value when that is at most 6 seconds before the first here.
void TakeRun(std::vector<ValueSpan>& spans, LastValue& last, const Run& run, std::size_t k, int column,
             ValueSpan runSpan) {
  const FluxRecord& first = run.records[DrawnRow(run.records, run.begin, run.end, k, run.index, false)];
  ValueSpan& here = spans[static_cast<std::size_t>(column)];
  const std::int64_t step = RecordTime(first) - last.second;
  if (column != last.column && step >= 0 && step <= kGapSeconds) {
    for (int c = last.column + 1; c < column; ++c) spans[static_cast<std::size_t>(c)].Take(last.value);
    here.Take(last.value);
  }
  here.Take(runSpan.low);
  here.Take(runSpan.high);
  const FluxRecord& final = run.records[DrawnRow(run.records, run.begin, run.end, k, run.index, true)];
  last = {RecordTime(final), final.values[k], column};
}

// The end of the run of records from `begin` whose seconds are the
// column's: whole blocks of the index taken where their seconds run forward
// inside the column's.
std::size_t RunEnd(std::span<const FluxRecord> records, std::size_t begin, const SecondRange& seconds,
                   const OverviewIndex* index, RecordClock& clock) {
  std::size_t end = begin + 1;
  while (end < records.size()) {
    if (index != nullptr && end % kOverviewBlockRows == 0 && end + kOverviewBlockRows <= records.size()) {
      const OverviewBlock& b = index->Blocks()[end / kOverviewBlockRows];
      if (b.forward && b.first >= seconds.first && b.last <= seconds.last) {
        end += kOverviewBlockRows;
        continue;
      }
    }
    const std::int64_t next = clock.TimeOf(records[end]);
    if (next < seconds.first || next > seconds.last) break;
    ++end;
  }
  return end;
}

}  // namespace

void GatherColumnSpans(const FluxTable& table, const OverviewTimeScale& scale,
                       const std::array<bool, kChannelCount>& shown, ColumnSpans& spans, const OverviewIndex* index) {
  if (index != nullptr && &index->Table() != &table) index = nullptr;
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
    end = RunEnd(records, begin, scale.SecondsOf(column), index, clock);
    const Run run{records, begin, end, index};
    const RunSpans runSpans(records, begin, end, index);
    for (std::size_t k = 0; k < kChannelCount; ++k) {
      const ValueSpan runSpan{runSpans.low[k], runSpans.high[k]};
      if (shown[k] && !runSpan.Empty()) TakeRun(spans[k], last[k], run, k, column, runSpan);
    }
  }
}

}  // namespace helvarra
