#pragma once
// The day overview's geometry, for a picture of any size: where its plot
// stands, divided into one strip a station, labelled, where several stations
// are open; its time scale, shared by the strips (from the first record of
// any station to the last, each column an equal slice of the seconds
// between); and each strip's flux scale (the chart's flux rows, about 4 SFU
// at its bottom to 1.2 million at its top). And what the window asks of it
// for a click or a drag: the strip at a y, the record at an x, the x of a
// record, the records between two x. Everything here is pure.
//
// The records are taken to run forward in time, as a series' do; the record
// searches assume it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "chart/drawing_surface.h"
#include "data/flux_table.h"
#include "data/time_search.h"

namespace helvarra {

// Columns of the plot, counted from its left edge, both included.
struct ColumnRange {
  int first = 0, last = 0;
};

// The margins around the plot: the flux labels left of it, the time axis
// under it, room for half a time label right of it.
inline constexpr int kOverviewLeftMargin = 64, kOverviewTopMargin = 8;
inline constexpr int kOverviewRightMargin = 24, kOverviewBottomMargin = 28;

// The flux scale in the chart's flux rows: -10 (4 SFU) on the plot's bottom
// pixel row, 540 (1.2 million SFU) on its top one.
inline constexpr int kOverviewLowRow = -10, kOverviewHighRow = 540;

Rect OverviewPlotRect(Size picture);

// The y of a flux row (FluxRow) in the plot; a row beyond the scale at its edge.
int OverviewRowY(const Rect& plot, int fluxRow);

class OverviewTimeScale {
 public:
  // From the table's first record to its last; an empty table, or one whose
  // last record is not after its first, takes one second.
  OverviewTimeScale(const FluxTable& table, const Rect& plot);
  // From the first record of any of the tables to the last of any.
  OverviewTimeScale(std::span<const FluxTable* const> tables, const Rect& plot);

  std::int64_t Start() const { return start_; }
  std::int64_t Last() const { return start_ + seconds_ - 1; }
  int Columns() const { return columns_; }
  bool Holds(std::int64_t second) const { return second >= start_ && second - start_ < seconds_; }

  // The column of a second, one before the start or after the last taken as
  // the first or the last.
  int ColumnOf(std::int64_t second) const;
  int X(std::int64_t second) const { return left_ + ColumnOf(second); }
  // The seconds a column stands for: those whose column it is, or, where a
  // second takes more than one column, the second it belongs to.
  SecondRange SecondsOf(int column) const;
  // The columns seconds take, from the first's column to the last's last.
  ColumnRange ColumnsOf(SecondRange seconds) const;

 private:
  // The first column of the second `offset` seconds after the start; the
  // column count for the second after the last.
  int ColumnAt(std::int64_t offset) const { return static_cast<int>(offset * columns_ / seconds_); }
  // The first second whose column is at or after `column`, after the start.
  std::int64_t FirstOffsetOf(int column) const { return (column * seconds_ + columns_ - 1) / columns_; }

  std::int64_t start_ = 0, seconds_ = 1;
  int left_ = 0, columns_ = 1;
};

// With several stations, each strip has a line above it for its station's
// name, and a gap between it and the strip above.
inline constexpr int kOverviewStripLabelHeight = 14, kOverviewStripGap = 6;

// The plot, its strips (top to bottom, one a table; the plot itself for
// one), and their shared time scale.
struct OverviewLayout {
  Rect plot;
  std::vector<Rect> strips;
  OverviewTimeScale scale;
};
OverviewLayout MakeOverviewLayout(Size picture, std::span<const FluxTable* const> tables);

// The strip at y, its label line included; nothing outside every strip.
std::optional<std::size_t> OverviewStripAt(const OverviewLayout& layout, int y);
// The record of a table nearest in time to the middle of the seconds of the
// column at x (the earlier of two as near); nothing outside the plot.
std::optional<std::size_t> OverviewRowNear(const FluxTable& table, const OverviewLayout& layout, int x);
// The seconds of the columns from x1 to x2 (either way round, each taken
// into the plot).
SecondRange OverviewSecondsBetween(const OverviewLayout& layout, int x1, int x2);

// One table alone, as above.
// For a click inside the plot: the record nearest in time to the middle of
// the seconds the column at x stands for (the earlier of two as near).
// Nothing outside the plot or for an empty table.
std::optional<std::size_t> OverviewRowAt(const FluxTable& table, Size picture, int x);
// The x of a record's column.
int OverviewRowX(const FluxTable& table, Size picture, std::size_t row);
// The records of the columns from x1 to x2 (either way round, each taken
// into the plot); nothing where those columns hold none.
std::optional<RowRange> OverviewRowsBetween(const FluxTable& table, Size picture, int x1, int x2);

}  // namespace helvarra
