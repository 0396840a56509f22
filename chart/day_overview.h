#pragma once
// The day overview: a whole file in one picture of any size, on one axis of
// Universal Time from its first record to its last, across midnight where
// the file runs on; a logarithmic flux axis from about 4 SFU to 1.2 million
// SFU with the chart's decades; each shown channel as the smallest to the
// largest of its values in each column; the main window's 30 minutes shaded
// behind the traces, and a selected stretch likewise with its edges marked.
// Every pixel holds exactly one of the colours drawn. The geometry the window
// needs for clicks and drags is in chart/overview_geometry.h.

#include <array>
#include <optional>

#include "chart/chart_style.h"
#include "chart/overview_geometry.h"

namespace helvarra {

// The backgrounds of the shaded and the selected stretch (0x00BBGGRR), and
// the selection's edges.
inline constexpr Colour kOverviewShadeColour = 0x502020;      // dark blue
inline constexpr Colour kOverviewSelectionColour = 0x184060;  // dark brown
inline constexpr Colour kOverviewSelectionEdgeColour = 0xC0C0C0;

struct OverviewRequest {
  const FluxTable& table;
  Size size;  // of the picture, drawn from (0, 0)
  std::array<bool, kChannelCount> shown{};
  // Each from its first record's second to its last's (rows past the
  // table's end left out).
  std::optional<RowRange> shaded;    // the main window's 30 minutes
  std::optional<RowRange> selected;  // a stretch selected for measuring
};

// The picture: the window's background, the plot black with the stretches'
// backgrounds, the axes, the selection's edges, then the channels in channel
// order, each a 1-pixel stroke a column. An empty table draws the empty plot
// and the flux axis.
void DrawDayOverview(DrawingSurface& s, const ChartStyle& style, const OverviewRequest& request);

}  // namespace helvarra
