#include "chart/trace_plotter.h"

#include <utility>
#include <vector>

#include "chart/chart_layout.h"
#include "data/record_time.h"
#include "data/time_of_day.h"

namespace helvarra {
namespace {

void DrawTimeAxis(DrawingSurface& s, const ChartStyle& style, int minute) {
  for (int x = kTraceLeftX; x <= kTraceRightX; x += kTickSpacing) {
    int lowerEnd = kMinorTickEndY;
    if (minute % 5 != 0) {
      s.SelectPen(style.m_penMinorTick);
    } else {
      if (minute % 10 == 0) s.PutText(x + kTickLabelDX, kTickLabelY, HourMinuteText(minute));
      s.SelectPen(style.m_penMajorTick);
      lowerEnd = kMajorTickEndY;
    }
    s.MovePen(x, kTickTopY);
    s.DrawLineTo(x, lowerEnd);
    // After the increment, so a window starting at minute 1440 reads 24:00.
    if (++minute >= kMinutesPerDay) minute -= kMinutesPerDay;
  }
}

using Rows = std::array<int, kChannelCount>;

// One record's strokes, at the column of its offset, added to `strokes`.
void AddRecordStrokes(const ChartWindowRequest& r, const FluxRecord& record, int offset, Rows& prevRow,
                      std::vector<Stroke>& strokes, const std::int16_t* rows) {
  const auto x = static_cast<std::int16_t>(OffsetX(offset));
  for (int k = 0; k < kChannelCount; ++k) {
    const auto i = static_cast<std::size_t>(k);
    if (!r.shown[i]) continue;
    const int row = FluxRowIn(rows, record.Value(k));
    if (prevRow[i] >= 0 && row >= 0 && prevRow[i] <= kHighestStartRow)
      strokes.push_back(
          {x, static_cast<std::int16_t>(RowY(prevRow[i])), static_cast<std::int16_t>(RowY(row)), static_cast<std::uint8_t>(k)});
    prevRow[i] = row;
  }
}

// The record's offset from the start, or nothing for a record of the fixing
// minute. A record before the start outside that minute lies a day on: it
// is not drawn and it ends the window.
std::optional<std::int64_t> OffsetOf(std::int64_t t, const FluxRecord& record, std::int64_t start) {
  if (t - record.second + 60 == start) return std::nullopt;
  return t >= start ? t - start : std::int64_t{kSecondsPerDay};
}

}  // namespace

void ClearChart(DrawingSurface& s, const ChartStyle& style) {
  s.SelectBrush(style.m_brPlot);
  s.DrawRectangle(style.m_rcPlot);
  s.FrameRectangle(style.m_rcPlot, style.m_brPlot);
  s.SelectBrush(style.m_brBackground);
  s.DrawRectangle(style.m_rcTimeAxis);
  s.FrameRectangle(style.m_rcTimeAxis, style.m_brBackground);
}

void DrawDecadeGrid(DrawingSurface& s, const ChartStyle& style) {
  s.SelectPen(style.m_penGrid);
  for (int decade = 10; decade <= 100000; decade *= 10) {
    s.MovePen(kTraceLeftX, DecadeY(decade));
    s.DrawLineTo(kTraceRightX, DecadeY(decade));
  }
}

std::optional<RowRange> ChartRowsBetween(const FluxTable& table, std::size_t firstRow, std::size_t lastRow,
                                         std::int64_t start, int x1, int x2) {
  if (x1 > x2) std::swap(x1, x2);
  std::optional<RowRange> rows;
  RecordClock clock;
  for (std::size_t i = firstRow; i <= lastRow && i < table.size(); ++i) {
    const std::optional<std::int64_t> offset = OffsetOf(clock.TimeOf(table[i]), table[i], start);
    if (!offset) continue;
    const int x = OffsetX(static_cast<int>(*offset));
    if (x < x1 || x > x2) continue;
    if (!rows) rows = RowRange{i, i};
    rows->last = i;
  }
  return rows;
}

ChartWindowResult DrawChartWindow(DrawingSurface& s, const ChartStyle& style, const ChartWindowRequest& r) {
  s.SetBackgroundColour(style.m_crBackground);
  s.SelectFont(style.m_fontSmall);
  ClearChart(s, style);
  DrawDecadeGrid(s, style);
  DrawTimeAxis(s, style, StartMinuteOf(r.windowRecord));

  Rows prevRow{};
  for (int k = 0; k < kChannelCount; ++k) prevRow[static_cast<std::size_t>(k)] = FluxRow(r.windowRecord.Value(k));
  static thread_local std::vector<Stroke> strokes;
  strokes.clear();
  const std::int16_t* const rowTable = FluxRowTable();
  std::int64_t prevOffset = 0;
  RecordClock clock;
  ChartWindowResult result;
  result.tableEnded = true;
  for (std::size_t i = r.firstRow; i < r.table.size(); ++i) {
    const FluxRecord& record = r.table[i];
    ++result.recordsRead;
    result.lastRow = i;
    const std::optional<std::int64_t> offset = OffsetOf(clock.TimeOf(record), record, r.start);
    if (!offset) continue;  // the fixing minute: not drawn
    if (!result.shown) result.shown = RowRange{i, i};
    result.shown->last = i;
    if (*offset - prevOffset <= kGapSeconds)
      AddRecordStrokes(r, record, static_cast<int>(*offset), prevRow, strokes, rowTable);
    prevOffset = *offset;
    if (*offset >= kWindowSeconds) {
      result.tableEnded = false;
      break;
    }
  }
  s.DrawStrokes(style.m_penChannel, strokes);
  return result;
}

}  // namespace helvarra
