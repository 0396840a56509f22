#include "chart/overview_geometry.h"

#include <algorithm>

#include "data/record_time.h"

namespace helvarra {
namespace {

// The first record at or after a second, and the first after it.
std::size_t FirstRowFrom(const FluxTable& table, std::int64_t second) {
  const auto it = std::ranges::lower_bound(table.records, second, {}, RecordTime);
  return static_cast<std::size_t>(it - table.records.begin());
}
std::size_t FirstRowAfter(const FluxTable& table, std::int64_t second) {
  const auto it = std::ranges::upper_bound(table.records, second, {}, RecordTime);
  return static_cast<std::size_t>(it - table.records.begin());
}

// Half of a number, rounded up (division rounds toward zero).
constexpr std::int64_t HalfUp(std::int64_t n) { return n >= 0 ? (n + 1) / 2 : n / 2; }

}  // namespace

Rect OverviewPlotRect(Size picture) {
  const int right = std::max(kOverviewLeftMargin + 1, picture.width - kOverviewRightMargin);
  const int bottom = std::max(kOverviewTopMargin + 1, picture.height - kOverviewBottomMargin);
  return {kOverviewLeftMargin, kOverviewTopMargin, right, bottom};
}

int OverviewRowY(const Rect& plot, int fluxRow) {
  const int row = std::clamp(fluxRow, kOverviewLowRow, kOverviewHighRow);
  return plot.bottom - 1 - (row - kOverviewLowRow) * (plot.Height() - 1) / (kOverviewHighRow - kOverviewLowRow);
}

OverviewTimeScale::OverviewTimeScale(const FluxTable& table, const Rect& plot)
    : left_(plot.left), columns_(std::max(1, plot.Width())) {
  if (table.empty()) return;
  start_ = RecordTime(table.records.front());
  seconds_ = std::max<std::int64_t>(1, RecordTime(table.records.back()) - start_ + 1);
}

int OverviewTimeScale::ColumnOf(std::int64_t second) const {
  return ColumnAt(std::clamp<std::int64_t>(second - start_, 0, seconds_ - 1));
}

SecondRange OverviewTimeScale::SecondsOf(int column) const {
  const std::int64_t last = FirstOffsetOf(column + 1) - 1;
  return {start_ + std::min(FirstOffsetOf(column), last), start_ + last};
}

ColumnRange OverviewTimeScale::ColumnsOf(SecondRange s) const {
  const std::int64_t afterLast = std::clamp<std::int64_t>(s.last - start_ + 1, 1, seconds_);
  return {ColumnOf(s.first), std::max(ColumnOf(s.last), ColumnAt(afterLast) - 1)};
}

std::optional<std::size_t> OverviewRowAt(const FluxTable& table, Size picture, int x) {
  const Rect plot = OverviewPlotRect(picture);
  if (table.empty() || x < plot.left || x >= plot.right) return std::nullopt;
  const SecondRange s = OverviewTimeScale(table, plot).SecondsOf(x - plot.left);
  // Distances doubled, so that the middle of the seconds is a whole number.
  const std::int64_t middle2 = s.first + s.last;
  const std::size_t after = FirstRowFrom(table, HalfUp(middle2));
  if (after == 0) return after;
  if (after == table.size()) return after - 1;
  const std::int64_t before2 = middle2 - 2 * RecordTime(table[after - 1]);
  const std::int64_t after2 = 2 * RecordTime(table[after]) - middle2;
  return after2 < before2 ? after : after - 1;
}

int OverviewRowX(const FluxTable& table, Size picture, std::size_t row) {
  const Rect plot = OverviewPlotRect(picture);
  if (row >= table.size()) return plot.left;
  return OverviewTimeScale(table, plot).X(RecordTime(table[row]));
}

std::optional<RowRange> OverviewRowsBetween(const FluxTable& table, Size picture, int x1, int x2) {
  const Rect plot = OverviewPlotRect(picture);
  const OverviewTimeScale scale(table, plot);
  const int from = std::clamp(std::min(x1, x2), plot.left, plot.right - 1) - plot.left;
  const int to = std::clamp(std::max(x1, x2), plot.left, plot.right - 1) - plot.left;
  const std::size_t first = FirstRowFrom(table, scale.SecondsOf(from).first);
  const std::size_t end = FirstRowAfter(table, scale.SecondsOf(to).last);
  if (first >= end) return std::nullopt;
  return RowRange{first, end - 1};
}

}  // namespace helvarra
