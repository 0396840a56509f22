#include "chart/day_overview.h"

#include <algorithm>
#include <vector>

#include "chart/chart_layout.h"
#include "chart/overview_axes.h"
#include "chart/overview_columns.h"

namespace helvarra {
namespace {

void FillRect(DrawingSurface& s, const Rect& r, Colour colour) {
  s.SelectPen(MakePen(PenStyle::Solid, 1, colour));
  s.SelectBrush(MakeSolidBrush(colour));
  s.DrawRectangle(r);
}

// The picture around the strips, the gaps between them included.
void FillMargins(DrawingSurface& s, Size size, const std::vector<Rect>& strips, Colour colour) {
  const Rect& first = strips.front();
  FillRect(s, {0, 0, size.width, first.top}, colour);
  FillRect(s, {0, strips.back().bottom, size.width, size.height}, colour);
  for (std::size_t i = 0; i < strips.size(); ++i) {
    const Rect& r = strips[i];
    FillRect(s, {0, r.top, r.left, r.bottom}, colour);
    FillRect(s, {r.right, r.top, size.width, r.bottom}, colour);
    if (i + 1 < strips.size()) FillRect(s, {0, r.bottom, size.width, strips[i + 1].top}, colour);
  }
}

// The plot's columns, each in the colour of what it is behind the traces.
std::vector<PlotBand> PlotBands(const OverviewRequest& r, const ChartStyle& style, const OverviewLayout& layout) {
  const Rect& plot = layout.plot;
  std::vector<Colour> colours(static_cast<std::size_t>(plot.Width()), style.m_crPlot);
  auto paint = [&](const std::optional<SecondRange>& seconds, Colour colour) {
    if (!seconds) return;
    const ColumnRange c = layout.scale.ColumnsOf(*seconds);
    std::fill(colours.begin() + c.first, colours.begin() + c.last + 1, colour);
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

void DrawSelectionEdges(DrawingSurface& s, const OverviewRequest& r, const OverviewLayout& layout, const Rect& strip) {
  if (!r.selected) return;
  const ColumnRange c = layout.scale.ColumnsOf(*r.selected);
  s.SelectPen(MakePen(PenStyle::Solid, 1, kOverviewSelectionEdgeColour));
  for (int column : {c.first, c.last}) {
    s.MovePen(strip.left + column, strip.top);
    s.DrawLineTo(strip.left + column, strip.bottom);
  }
}

void DrawTraces(DrawingSurface& s, const ChartStyle& style, const OverviewRequest& r, const FluxTable& table,
                const OverviewIndex* index, const OverviewLayout& layout, const Rect& strip) {
  ColumnSpans spans;
  GatherColumnSpans(table, layout.scale, r.shown, spans, index);
  for (std::size_t k = 0; k < kChannelCount; ++k) {
    s.SelectPen(MakePen(PenStyle::Solid, 1, style.m_crChannel[k]));
    for (std::size_t c = 0; c < spans[k].size(); ++c) {
      const ValueSpan span = spans[k][c];
      if (span.Empty()) continue;
      const int x = strip.left + static_cast<int>(c);
      s.MovePen(x, OverviewRowY(strip, FluxRow(span.high)));
      s.DrawLineTo(x, OverviewRowY(strip, FluxRow(span.low)) + 1);
    }
  }
}

// A triangle pointing down at the maximum's column from the strip's top:
// nine pixels wide, five high.
void DrawBurstMarks(DrawingSurface& s, const ChartStyle& style, const OverviewRequest& r, const OverviewStrip& strip,
                    const OverviewLayout& layout, const Rect& plot) {
  for (const BurstMark& mark : strip.bursts) {
    if (!r.shown[static_cast<std::size_t>(mark.channel)] || !layout.scale.Holds(mark.peak)) continue;
    const int x = layout.scale.X(mark.peak);
    s.SelectPen(MakePen(PenStyle::Solid, 1, style.m_crChannel[static_cast<std::size_t>(mark.channel)]));
    for (int row = 0; row < 5; ++row) {
      s.MovePen(std::max(plot.left, x - 4 + row), plot.top + row);
      s.DrawLineTo(std::min(plot.right, x + 5 - row), plot.top + row);
    }
  }
}

}  // namespace

std::vector<const FluxTable*> TablesOf(const OverviewRequest& request) {
  std::vector<const FluxTable*> tables;
  for (const OverviewStrip& strip : request.strips) tables.push_back(strip.table);
  return tables;
}

void DrawDayOverview(DrawingSurface& s, const ChartStyle& style, const OverviewRequest& r) {
  static const FluxTable kNone;
  std::vector<const FluxTable*> tables = TablesOf(r);
  if (tables.empty()) tables.push_back(&kNone);
  const OverviewLayout layout = MakeOverviewLayout(r.size, tables);
  const std::vector<PlotBand> bands = PlotBands(r, style, layout);
  FillMargins(s, r.size, layout.strips, style.m_crBackground);
  bool any = false;
  for (std::size_t i = 0; i < layout.strips.size(); ++i) {
    const Rect& strip = layout.strips[i];
    for (const PlotBand& band : bands) FillRect(s, {band.left, strip.top, band.right, strip.bottom}, band.colour);
    DrawOverviewFluxAxis(s, style, strip, bands);
    if (tables.size() > 1) DrawOverviewStripName(s, style, strip, r.strips[i].name);
    any = any || !tables[i]->empty();
  }
  if (!any) return;
  DrawOverviewTimeAxis(s, style, r.size, layout.strips.back(), layout.scale);
  for (std::size_t i = 0; i < layout.strips.size(); ++i) {
    DrawSelectionEdges(s, r, layout, layout.strips[i]);
    DrawTraces(s, style, r, *tables[i], i < r.strips.size() ? r.strips[i].index : nullptr, layout, layout.strips[i]);
    if (i < r.strips.size()) DrawBurstMarks(s, style, r, r.strips[i], layout, layout.strips[i]);
  }
}

}  // namespace helvarra
