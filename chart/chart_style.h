#pragma once
// The colours, pens, brushes, rectangles and fonts every chart drawing uses.
// The main window makes them once, when it is set up, and keeps them for its
// whole life; nothing here changes afterwards.

#include <array>

#include "chart/drawing_surface.h"
#include "data/channels.h"

namespace helvarra {

struct ChartStyle {
  std::array<Colour, kChannelCount> m_crChannel{};
  std::array<Pen, kChannelCount> m_penChannel{};
  Colour m_crText = 0;
  Pen m_penMinorTick;
  Colour m_crGrid = 0;
  Pen m_penGrid;
  Pen m_penMajorTick;
  Colour m_crPlot = 0;
  Colour m_crBackground = 0;  // the window's background: the time axis and every text
  Brush m_brPlot;
  Rect m_rcPlot;
  Brush m_brBackground;
  Rect m_rcTimeAxis;
  Font m_fontSmall;  // "Courier", 10 point: the labels, the panel and the read-out
  Font m_fontLarge;  // "New Roman", 14 point: the station name
};

// The two fonts, measured on a surface of the window.
void MakeChartFonts(ChartStyle& style, const DrawingSurface& windowSurface);
// The rest, in the order the window makes them: each channel's colour and
// pen, the ticks', the grid's, the plot's, then the background's from the
// window's own colour, and the rectangles.
void MakeChartColours(ChartStyle& style, Colour background);

}  // namespace helvarra
