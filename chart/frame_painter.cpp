#include "chart/frame_painter.h"

#include "chart/chart_layout.h"
#include "chart/cursor_readout.h"
#include "data/stations.h"

namespace helvarra {
namespace {

// FLUX DENSITY - SFU, one character a line, blanks included.
constexpr std::string_view kVerticalTitle = "FLUX DENSITY - SFU";
constexpr int kVerticalTitleX = 10, kVerticalTitleY = 130, kVerticalTitleStep = 15;

// The panel's lines: the file name right of the plot, to the window's edge;
// the start texts from where a paint draws them to where opening's end; the
// end texts; the station's name.
constexpr int kFileNameX = 690, kFileNameY = 50, kFileNameCells = 14;
constexpr int kStartY = 545, kStartTimeY = 560, kStartCells = 10;
constexpr int kEndX = 530, kEndCells = 9;
constexpr int kStationX = 690, kStationY = 10, kStationCells = 14;

std::string Blanks(int cells) { return std::string(static_cast<std::size_t>(cells), ' '); }

void BlankPanelLines(DrawingSurface& s) {
  s.PutText(kFileNameX, kFileNameY, Blanks(kFileNameCells));
  for (int y : {kStartY, kStartTimeY}) {
    s.PutText(kPaintStartTextX, y, Blanks(kStartCells));
    s.PutText(kEndX, y, Blanks(kEndCells));
  }
}

}  // namespace

void DrawDecadeLabels(DrawingSurface& s) {
  int exponent = 1;
  for (int v = 10; v <= 100000; v *= 10, ++exponent)
    s.PutText(62 - 8 * exponent, 569 - 100 * exponent, std::to_string(v));
}

void DrawFileLabels(DrawingSurface& s) {
  s.PutText(110, 545, "File");
  s.PutText(110, 560, "Start");
  s.PutText(605, 545, "File");
  s.PutText(605, 560, "End");
}

void DrawFrameLabels(DrawingSurface& s, const ChartStyle& style) {
  s.SelectFont(style.m_fontSmall);
  for (std::size_t i = 0; i < kVerticalTitle.size(); ++i)
    s.PutText(kVerticalTitleX, kVerticalTitleY + kVerticalTitleStep * static_cast<int>(i), kVerticalTitle.substr(i, 1));
  s.PutText(305, 535, "UNIVERSAL TIME (UT)");
  DrawFileLabels(s);
  DrawDecadeLabels(s);
}

void DrawFilePanel(DrawingSurface& s, const ChartStyle& style, const FilePanel& panel, int startTextX) {
  BlankPanelLines(s);
  s.PutText(690, 35, "File Name: ");
  s.PutText(kFileNameX, kFileNameY, panel.fileName);
  s.PutText(startTextX, kStartY, panel.startDate);
  s.PutText(startTextX, kStartTimeY, panel.startTime);
  s.PutText(kEndX, kStartY, panel.endDate);
  s.PutText(kEndX, kStartTimeY, panel.endTime);
  s.SelectFont(style.m_fontLarge);
  s.PutText(kStationX, kStationY, LookupStation(panel.stationCode));
}

void BlankFilePanel(DrawingSurface& s, const ChartStyle& style) {
  s.SetBackgroundColour(style.m_crBackground);
  s.SelectFont(style.m_fontSmall);
  BlankPanelLines(s);
  s.PutText(690, 35, Blanks(11));
  BlankReadoutLines(s, kReadoutBlanks);
  s.SelectFont(style.m_fontLarge);
  s.PutText(kStationX, kStationY, Blanks(kStationCells));
}

void DrawEmptyPlot(DrawingSurface& s, const ChartStyle& style) {
  s.SelectBrush(style.m_brPlot);
  s.DrawRectangle(style.m_rcPlot);
  s.FrameRectangle(style.m_rcPlot, style.m_brPlot);
}

}  // namespace helvarra
