#include "chart/chart_style.h"

#include "chart/chart_layout.h"

namespace helvarra {

void MakeChartFonts(ChartStyle& style, const DrawingSurface& windowSurface) {
  style.m_fontSmall = MakePointFont(kSmallFontFace, kSmallFontTenths, windowSurface);
  style.m_fontLarge = MakePointFont(kLargeFontFace, kLargeFontTenths, windowSurface);
}

void MakeChartColours(ChartStyle& style, Colour background) {
  for (int k = 0; k < kChannelCount; ++k) {
    const auto i = static_cast<std::size_t>(k);
    style.m_crChannel[i] = Channel(k).colour;
    style.m_penChannel[i] = MakePen(PenStyle::Solid, kTracePenWidth, style.m_crChannel[i]);
  }
  style.m_crText = kTextColour;
  style.m_penMinorTick = MakePen(PenStyle::Solid, 1, style.m_crText);
  style.m_crGrid = kGridColour;
  style.m_penGrid = MakePen(PenStyle::Dotted, 1, style.m_crGrid);
  style.m_penMajorTick = MakePen(PenStyle::Solid, 1, style.m_crGrid);
  style.m_crPlot = kPlotColour;
  style.m_crBackground = background;
  style.m_brPlot = MakeSolidBrush(style.m_crPlot);
  style.m_rcPlot = kPlotRect;
  style.m_brBackground = MakeSolidBrush(style.m_crBackground);
  style.m_rcTimeAxis = kTimeAxisRect;
}

}  // namespace helvarra
