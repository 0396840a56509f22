#include "analysis/burst_measure.h"

#include <algorithm>
#include <vector>

#include "data/record_time.h"

namespace helvarra {
namespace {

using ChannelValues = std::array<std::vector<std::int32_t>, kChannelCount>;

// Each channel's flux in the records of the kBackgroundSeconds before `start`.
ChannelValues BackgroundValues(const FluxTable& table, std::int64_t start) {
  ChannelValues values;
  for (const FluxRecord& record : table.records) {
    const std::int64_t t = RecordTime(record);
    if (t < start - kBackgroundSeconds || t >= start) continue;
    for (int k = 0; k < kChannelCount; ++k)
      if (record.IsFlux(k)) values[static_cast<std::size_t>(k)].push_back(record.Value(k));
  }
  return values;
}

std::optional<double> Median(std::vector<std::int32_t>& values) {
  if (values.empty()) return std::nullopt;
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  const std::int64_t upper = *middle;
  if (values.size() % 2 != 0) return static_cast<double>(upper);
  const std::int64_t lower = *std::max_element(values.begin(), middle);
  return static_cast<double>(lower + upper) / 2;
}

void MeasurePeak(const FluxTable& table, std::size_t first, std::size_t last, int k, ChannelMeasure& m) {
  for (std::size_t i = first; i <= last; ++i) {
    if (!table[i].IsFlux(k)) {
      ++m.holes;
    } else if (!m.peakRow || table[i].Value(k) > m.peak) {
      m.peakRow = i;
      m.peak = table[i].Value(k);
    }
  }
}

void MeasureSpan(const FluxTable& table, std::size_t first, std::size_t last, int k, ChannelMeasure& m) {
  if (!m.background || !m.peakRow) return;
  m.peakAboveBackground = m.peak - *m.background;
  const double threshold = *m.background + *m.peakAboveBackground / 2;
  const auto atOrAbove = [&](std::size_t i) { return table[i].IsFlux(k) && table[i].Value(k) >= threshold; };
  std::size_t begin = *m.peakRow, end = *m.peakRow;
  if (!atOrAbove(begin)) return;
  while (begin > first && atOrAbove(begin - 1)) --begin;
  while (end < last && atOrAbove(end + 1)) ++end;
  m.beginRow = begin;
  m.endRow = end;
}

}  // namespace

BurstMeasure MeasureBurst(const FluxTable& table, std::size_t first, std::size_t last) {
  BurstMeasure measure;
  if (table.empty() || first > last || first >= table.size()) return measure;
  last = std::min(last, table.size() - 1);
  ChannelValues background = BackgroundValues(table, RecordTime(table[first]));
  for (int k = 0; k < kChannelCount; ++k) {
    ChannelMeasure& m = measure[static_cast<std::size_t>(k)];
    m.background = Median(background[static_cast<std::size_t>(k)]);
    MeasurePeak(table, first, last, k, m);
    MeasureSpan(table, first, last, k, m);
  }
  return measure;
}

}  // namespace helvarra
