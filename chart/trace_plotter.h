#pragma once
// The 30-minute chart window: the plot and the time-axis strip cleared, the
// decade grid, the minute ticks with their labels, then one vertical stroke
// per record and visible channel, from the channel's previous row to its new
// one. It is given the window's start, a UT instant, and the row it starts
// reading at, and finds the window's records by their times; it draws what
// it is given and decides nothing for the window.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "chart/chart_style.h"
#include "data/flux_table.h"

namespace helvarra {

// The minute of the day at the left edge of the window a record fixes: the
// minute after the record's own, so 1..1440 for a valid time.
inline int StartMinuteOf(const FluxRecord& record) { return record.MinuteOfDay() + 1; }

struct ChartWindowRequest {
  const FluxTable& table;
  std::int64_t start;              // the left edge: second 0 of the minute after the fixing record's
  std::size_t firstRow;            // where the record loop starts reading: the fixing record's row
  const FluxRecord& windowRecord;  // the record that fixes the window: its start rows
  std::array<bool, kChannelCount> shown;
};

struct ChartWindowResult {
  std::size_t recordsRead = 0;         // by the record loop, the records of the fixing minute included
  std::optional<std::size_t> lastRow;  // the last record it read
  std::optional<RowRange> shown;       // the first and last it read outside the fixing minute
  bool tableEnded = false;             // the table ended before 1800 seconds
};

// Draws the window. From `firstRow` on, in row order: a record of the fixing
// minute (the minute before the start) is not drawn; a record more than 6
// seconds after the one drawn before it is not drawn; strokes from or to
// negative rows or from rows above 500 are not drawn. The loop ends with the
// first record 1800 seconds or more after the start, or one before the
// start outside the fixing minute, or the end of the table.
ChartWindowResult DrawChartWindow(DrawingSurface& s, const ChartStyle& style, const ChartWindowRequest& request);

// The records the window starting at `start` shows whose column lies
// between x1 and x2 (either way round), of those the record loop read (from
// `firstRow` to `lastRow`). Nothing where there is none.
std::optional<RowRange> ChartRowsBetween(const FluxTable& table, std::size_t firstRow, std::size_t lastRow,
                                         std::int64_t start, int x1, int x2);

// The plot black and the time-axis strip in the background colour, each
// border included; then the decade grid.
void ClearChart(DrawingSurface& s, const ChartStyle& style);
void DrawDecadeGrid(DrawingSurface& s, const ChartStyle& style);

}  // namespace helvarra
