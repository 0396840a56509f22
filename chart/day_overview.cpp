#include "chart/day_overview.h"

#include <algorithm>
#include <vector>

#include "chart/chart_layout.h"
#include "chart/overview_axes.h"
#include "chart/overview_columns.h"
#include "data/record_time.h"

namespace helvarra {
namespace {

void FillRect(DrawingSurface& s, const Rect& r, Colour colour) {
  s.SelectPen(MakePen(PenStyle::Solid, 1, colour));
  s.SelectBrush(MakeSolidBrush(colour));
  s.DrawRectangle(r);
}

// The picture around the plot.
void FillMargins(DrawingSurface& s, Size size, const Rect& plot, Colour colour) {
  FillRect(s, {0, 0, size.width, plot.top}, colour);
  FillRect(s, {0, plot.bottom, size.width, size.height}, colour);
  FillRect(s, {0, plot.top, plot.left, plot.bottom}, colour);
  FillRect(s, {plot.right, plot.top, size.width, plot.bottom}, colour);
}

// The columns a stretch of rows takes, from its first record's second to its
// last's, rows past the table's end left out; nothing for none left.
std::optional<ColumnRange> ColumnsOfRows(const FluxTable& table, const OverviewTimeScale& scale,
                                         const std::optional<RowRange>& rows) {
  if (!rows || std::min(rows->first, rows->last) >= table.size()) return std::nullopt;
  const std::int64_t a = RecordTime(table[std::min(rows->first, rows->last)]);
  const std::int64_t b = RecordTime(table[std::min(std::max(rows->first, rows->last), table.size() - 1)]);
  return scale.ColumnsOf({std::min(a, b), std::max(a, b)});
}

// The plot's columns, each in the colour of what it is behind the traces.
std::vector<PlotBand> PlotBands(const OverviewRequest& r, const ChartStyle& style, const OverviewTimeScale& scale,
                                const Rect& plot) {
  std::vector<Colour> colours(static_cast<std::size_t>(plot.Width()), style.m_crPlot);
  auto paint = [&](const std::optional<RowRange>& rows, Colour colour) {
    if (const auto c = ColumnsOfRows(r.table, scale, rows))
      std::fill(colours.begin() + c->first, colours.begin() + c->last + 1, colour);
  };
  paint(r.shaded, kOverviewShadeColour);
  paint(r.selected, kOverviewSelectionColour);
  std::vector<PlotBand> bands;
  for (std::size_t c = 0; c < colours.size(); ++c) {
    const int x = plot.left + static_cast<int>(c);
    if (bands.empty() || bands.back().colour != colours[c]) bands.push_back({x, x, colours[c]});
    bands.back().right = x + 1;
  }
  return bands;
}

void DrawSelectionEdges(DrawingSurface& s, const OverviewRequest& r, const OverviewTimeScale& scale, const Rect& plot) {
  const auto c = ColumnsOfRows(r.table, scale, r.selected);
  if (!c) return;
  s.SelectPen(MakePen(PenStyle::Solid, 1, kOverviewSelectionEdgeColour));
  for (int column : {c->first, c->last}) {
    s.MovePen(plot.left + column, plot.top);
    s.DrawLineTo(plot.left + column, plot.bottom);
  }
}

void DrawTraces(DrawingSurface& s, const ChartStyle& style, const OverviewRequest& r, const OverviewTimeScale& scale,
                const Rect& plot) {
  ColumnSpans spans;
  GatherColumnSpans(r.table, scale, r.shown, spans);
  for (std::size_t k = 0; k < kChannelCount; ++k) {
    s.SelectPen(MakePen(PenStyle::Solid, 1, style.m_crChannel[k]));
    for (std::size_t c = 0; c < spans[k].size(); ++c) {
      const ValueSpan span = spans[k][c];
      if (span.Empty()) continue;
      const int x = plot.left + static_cast<int>(c);
      s.MovePen(x, OverviewRowY(plot, FluxRow(span.high)));
      s.DrawLineTo(x, OverviewRowY(plot, FluxRow(span.low)) + 1);
    }
  }
}

}  // namespace

void DrawDayOverview(DrawingSurface& s, const ChartStyle& style, const OverviewRequest& r) {
  const Rect plot = OverviewPlotRect(r.size);
  const OverviewTimeScale scale(r.table, plot);
  const std::vector<PlotBand> bands = PlotBands(r, style, scale, plot);
  FillMargins(s, r.size, plot, style.m_crBackground);
  for (const PlotBand& band : bands) FillRect(s, {band.left, plot.top, band.right, plot.bottom}, band.colour);
  DrawOverviewFluxAxis(s, style, plot, bands);
  if (r.table.empty()) return;
  DrawOverviewTimeAxis(s, style, r.size, plot, scale);
  DrawSelectionEdges(s, r, scale, plot);
  DrawTraces(s, style, r, scale, plot);
}

}  // namespace helvarra
