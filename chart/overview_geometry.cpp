#include "chart/overview_geometry.h"

#include <algorithm>
#include <array>

#include "data/record_time.h"

namespace helvarra {
namespace {

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
    : OverviewTimeScale(std::span<const FluxTable* const>(std::array{&table}), plot) {}

OverviewTimeScale::OverviewTimeScale(std::span<const FluxTable* const> tables, const Rect& plot)
    : left_(plot.left), columns_(std::max(1, plot.Width())) {
  std::optional<SecondRange> span;
  for (const FluxTable* table : tables) {
    if (table->empty()) continue;
    const SecondRange t{RecordTime(table->records.front()), RecordTime(table->records.back())};
    span = span ? SecondRange{std::min(span->first, t.first), std::max(span->last, t.last)} : t;
  }
  if (!span) return;
  start_ = span->first;
  seconds_ = std::max<std::int64_t>(1, span->last - start_ + 1);
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

// The strips of the plot, top to bottom, a label line above each.
std::vector<Rect> StripRects(const Rect& plot, std::size_t count) {
  if (count <= 1) return {plot};
  const int n = static_cast<int>(count);
  const int each = std::max(1, (plot.Height() - (n - 1) * kOverviewStripGap) / n - kOverviewStripLabelHeight);
  std::vector<Rect> strips;
  for (int i = 0; i < n; ++i) {
    const int top = plot.top + i * (each + kOverviewStripLabelHeight + kOverviewStripGap) + kOverviewStripLabelHeight;
    strips.push_back({plot.left, top, plot.right, top + each});
  }
  return strips;
}

OverviewLayout MakeOverviewLayout(Size picture, std::span<const FluxTable* const> tables) {
  const Rect plot = OverviewPlotRect(picture);
  return {plot, StripRects(plot, tables.size()), OverviewTimeScale(tables, plot)};
}

std::optional<std::size_t> OverviewStripAt(const OverviewLayout& layout, int y) {
  const int label = layout.strips.size() > 1 ? kOverviewStripLabelHeight : 0;
  for (std::size_t i = 0; i < layout.strips.size(); ++i)
    if (y >= layout.strips[i].top - label && y < layout.strips[i].bottom) return i;
  return std::nullopt;
}

std::optional<std::size_t> OverviewRowNear(const FluxTable& table, const OverviewLayout& layout, int x) {
  const Rect& plot = layout.plot;
  if (table.empty() || x < plot.left || x >= plot.right) return std::nullopt;
  const SecondRange s = layout.scale.SecondsOf(x - plot.left);
  // Distances doubled, so that the middle of the seconds is a whole number.
  const std::int64_t middle2 = s.first + s.last;
  const std::size_t after = FirstRowFrom(table, HalfUp(middle2));
  if (after == 0) return after;
  if (after == table.size()) return after - 1;
  const std::int64_t before2 = middle2 - 2 * RecordTime(table[after - 1]);
  const std::int64_t after2 = 2 * RecordTime(table[after]) - middle2;
  return after2 < before2 ? after : after - 1;
}

SecondRange OverviewSecondsBetween(const OverviewLayout& layout, int x1, int x2) {
  const Rect& plot = layout.plot;
  const int from = std::clamp(std::min(x1, x2), plot.left, plot.right - 1) - plot.left;
  const int to = std::clamp(std::max(x1, x2), plot.left, plot.right - 1) - plot.left;
  return {layout.scale.SecondsOf(from).first, layout.scale.SecondsOf(to).last};
}

// One table alone.
std::optional<std::size_t> OverviewRowAt(const FluxTable& table, Size picture, int x) {
  const FluxTable* one[] = {&table};
  return OverviewRowNear(table, MakeOverviewLayout(picture, one), x);
}

int OverviewRowX(const FluxTable& table, Size picture, std::size_t row) {
  const Rect plot = OverviewPlotRect(picture);
  if (row >= table.size()) return plot.left;
  return OverviewTimeScale(table, plot).X(RecordTime(table[row]));
}

std::optional<RowRange> OverviewRowsBetween(const FluxTable& table, Size picture, int x1, int x2) {
  const FluxTable* one[] = {&table};
  return RowsInSeconds(table, OverviewSecondsBetween(MakeOverviewLayout(picture, one), x1, x2));
}

}  // namespace helvarra
