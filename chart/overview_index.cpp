#include "chart/overview_index.h"

#include <climits>

#include "data/record_time.h"

namespace helvarra {
namespace {

OverviewBlock Summarise(std::span<const FluxRecord> rows, RecordClock& clock) {
  OverviewBlock b;
  b.low.fill(INT32_MAX);
  b.high.fill(INT32_MIN);
  b.firstDrawn.fill(kNoDrawnRow);
  b.lastDrawn.fill(kNoDrawnRow);
  b.first = clock.TimeOf(rows.front());
  b.forward = true;
  std::int64_t previous = b.first;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::int64_t t = clock.TimeOf(rows[i]);
    b.forward = b.forward && t >= previous;
    previous = t;
    for (std::size_t k = 0; k < kChannelCount; ++k) {
      const std::int32_t v = rows[i].values[k];
      if (v < kLowestFluxSfu) continue;  // a hole holds 0
      b.low[k] = std::min(b.low[k], v);
      b.high[k] = std::max(b.high[k], v);
      if (b.firstDrawn[k] == kNoDrawnRow) b.firstDrawn[k] = static_cast<std::uint8_t>(i);
      b.lastDrawn[k] = static_cast<std::uint8_t>(i);
    }
  }
  b.last = previous;
  return b;
}

}  // namespace

OverviewIndex::OverviewIndex(const FluxTable& table) : table_(&table) {
  const std::span<const FluxRecord> records(table.records);
  RecordClock clock;
  blocks_.reserve(records.size() / kOverviewBlockRows);
  for (std::size_t at = 0; at + kOverviewBlockRows <= records.size(); at += kOverviewBlockRows)
    blocks_.push_back(Summarise(records.subspan(at, kOverviewBlockRows), clock));
}

}  // namespace helvarra
