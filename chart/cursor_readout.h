#pragma once
// A click inside the plot: the channel whose colour the clicked pixel has,
// and the flux and time the point stands for, in three lines right of the
// plot. The chart's scales run backwards.

#include <cstdint>

#include "chart/chart_layout.h"
#include "chart/chart_style.h"

namespace helvarra {

// Erases the read-out's three lines with blanks of the given widths.
void BlankReadoutLines(DrawingSurface& s, const ReadoutBlanks& widths);

// The read-out of a click at (x, y) in a window whose left edge is the UT
// instant `start` (data/record_time.h): the lines blanked, then, inside the
// plot, the channel (if the pixel has a channel's colour), the flux and the
// time of day the point stands for.
void DrawCursorReadout(DrawingSurface& s, const ChartStyle& style, int x, int y, std::int64_t start);

}  // namespace helvarra
