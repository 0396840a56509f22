#pragma once
// The day overview: the open stations in one picture of any size, on one
// axis of Universal Time from the first record of any of them to the last,
// across midnight and days; one strip a station, labelled with its name
// where there are several; in each a logarithmic flux axis from about 4 SFU
// to 1.2 million SFU with the chart's decades, and each shown channel as the
// smallest to the largest of its values in each column; the main window's
// 30 minutes shaded behind the traces in every strip, and a selected stretch
// likewise with its edges marked. Every pixel holds exactly one of the
// colours drawn. The geometry the window needs for clicks and drags is in
// chart/overview_geometry.h.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "chart/chart_style.h"
#include "chart/overview_geometry.h"
#include "chart/overview_index.h"

namespace helvarra {

// The backgrounds of the shaded and the selected stretch (0x00BBGGRR), and
// the selection's edges.
inline constexpr Colour kOverviewShadeColour = 0x502020;      // dark blue
inline constexpr Colour kOverviewSelectionColour = 0x184060;  // dark brown
inline constexpr Colour kOverviewSelectionEdgeColour = 0xC0C0C0;

// A burst found at a station: its maximum's time and its channel, marked
// over the strip there by a small triangle in the channel's colour.
struct BurstMark {
  std::int64_t peak = 0;
  int channel = 0;
};

// A station's strip: its records, its name (shown where there are several),
// the bursts found in it, and its records' index if one was made.
struct OverviewStrip {
  const FluxTable* table = nullptr;
  std::string_view name;
  std::vector<BurstMark> bursts{};
  const OverviewIndex* index = nullptr;
};

struct OverviewRequest {
  std::vector<OverviewStrip> strips;  // top to bottom
  Size size;                          // of the picture, drawn from (0, 0)
  std::array<bool, kChannelCount> shown{};
  std::optional<SecondRange> shaded;    // the main window's 30 minutes, UT
  std::optional<SecondRange> selected;  // a stretch selected for measuring, UT
};

// The tables of the strips, for the geometry.
std::vector<const FluxTable*> TablesOf(const OverviewRequest& request);

// The picture: the window's background, the strips black with the
// stretches' backgrounds, the axes and the names, the selection's edges,
// then each strip's channels in channel order, each a 1-pixel stroke a
// column, and the marks of its bursts at the shown channels. With no record
// the strips and flux axes are drawn empty.
void DrawDayOverview(DrawingSurface& s, const ChartStyle& style, const OverviewRequest& request);

}  // namespace helvarra
