#pragma once
// The day overview's axes: the flux decades 10 to 100000 SFU as dotted grid
// lines across the plot, labelled left of it; under the plot, a tick at each
// step of Universal Time and an "HH:MM" label at each labelled step, reading
// "00:00" where the file crosses midnight.

#include <string_view>
#include <vector>

#include "chart/chart_style.h"
#include "chart/overview_geometry.h"

namespace helvarra {

// The labels and the ticks: black, as the main chart's axis labels, on the
// window's background.
inline constexpr Colour kOverviewLabelColour = 0x000000;

// A stretch of the plot's columns in one background colour (right exclusive):
// the grid's dotted lines draw their gaps in it.
struct PlotBand {
  int left = 0, right = 0;
  Colour colour = 0;
};

// The small font selected, labels on the background colour. In a strip too
// short for a label at every decade, every other decade is labelled.
void DrawOverviewFluxAxis(DrawingSurface& s, const ChartStyle& style, const Rect& plot,
                          const std::vector<PlotBand>& bands);
// A station's name on the line above its strip, at the strip's left.
void DrawOverviewStripName(DrawingSurface& s, const ChartStyle& style, const Rect& strip, std::string_view name);
void DrawOverviewTimeAxis(DrawingSurface& s, const ChartStyle& style, Size picture, const Rect& plot,
                          const OverviewTimeScale& scale);

}  // namespace helvarra
