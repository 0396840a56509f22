#include "chart/trace_plotter.h"

#include "chart/chart_layout.h"

#include <utility>
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

// One record's strokes, at the column of its offset.
void DrawRecord(DrawingSurface& s, const ChartStyle& style, const ChartWindowRequest& r, const FluxRecord& record,
                int offset, Rows& prevRow) {
  const int x = OffsetX(offset);
  for (int k = 0; k < kChannelCount; ++k) {
    const auto i = static_cast<std::size_t>(k);
    if (!r.shown[i]) continue;
    const int row = FluxRow(record.Value(k));
    if (prevRow[i] >= 0 && row >= 0 && prevRow[i] <= kHighestStartRow) {
      s.SelectPen(style.m_penChannel[i]);
      s.MovePen(x, RowY(prevRow[i]));
      s.DrawLineTo(x, RowY(row));
    }
    prevRow[i] = row;
  }
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
                                         int startMinute, int x1, int x2) {
  if (x1 > x2) std::swap(x1, x2);
  const int startSecond = startMinute * 60;
  std::optional<RowRange> rows;
  for (std::size_t i = firstRow; i <= lastRow && i < table.size(); ++i) {
    const FluxRecord& record = table[i];
    if (startSecond == (record.MinuteOfDay() + 1) * 60) continue;
    const int x = OffsetX(AfterStart(0, record.SecondOfDay() - startSecond, kSecondsPerDay));
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
  DrawTimeAxis(s, style, r.startMinute);

  Rows prevRow{};
  for (int k = 0; k < kChannelCount; ++k) prevRow[static_cast<std::size_t>(k)] = FluxRow(r.windowRecord.Value(k));
  const int startSecond = r.startMinute * 60;
  int prevOffset = 0;
  ChartWindowResult result;
  for (std::size_t i = r.firstRow; i < r.table.size(); ++i) {
    const FluxRecord& record = r.table[i];
    ++result.recordsRead;
    result.lastRow = i;
    int offset = record.SecondOfDay() - startSecond;
    // Records of the minute that fixed the window are not drawn.
    if (startSecond != (record.MinuteOfDay() + 1) * 60) {
      offset = AfterStart(0, offset, kSecondsPerDay);  // a time before the start is after midnight
      if (offset - prevOffset <= kGapSeconds) DrawRecord(s, style, r, record, offset, prevRow);
      prevOffset = offset;
    }
    if (offset >= kWindowSeconds) return result;
  }
  result.tableEnded = true;
  return result;
}

}  // namespace helvarra
