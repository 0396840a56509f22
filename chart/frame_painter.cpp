#include "chart/frame_painter.h"

#include <vector>

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
constexpr int kFileNameX = 690, kFileNameY = kPanelFileNameLine.top, kFileNameCells = 13;
constexpr int kLongFileNameX = kPanelFileNameLine.left;  // right of the plot's border column, 680
constexpr int kStartY = 545, kStartTimeY = 560, kStartCells = 10;
constexpr int kEndX = 530, kEndCells = 9;
constexpr int kStationX = 690, kStationY = 10, kStationCells = 14;

std::string Blanks(int cells) { return std::string(static_cast<std::size_t>(cells), ' '); }

// The characters of a UTF-8 text: where each starts.
std::vector<std::size_t> CharacterStarts(std::string_view text) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
  return starts;
}

void BlankFileNameLine(DrawingSurface& s) { s.PutText(kLongFileNameX, kFileNameY, Blanks(kPanelFileNameCells + 1)); }

void PutFileName(DrawingSurface& s, std::string_view name) {
  const std::string text = PanelFileNameText(name);
  const bool wide = CharacterStarts(text).size() > static_cast<std::size_t>(kFileNameCells);
  s.PutText(wide ? kLongFileNameX : kFileNameX, kFileNameY, text);
}

void BlankPanelLines(DrawingSurface& s) {
  BlankFileNameLine(s);
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
  PutFileName(s, panel.fileName);
  s.PutText(startTextX, kStartY, panel.startDate);
  s.PutText(startTextX, kStartTimeY, panel.startTime);
  s.PutText(kEndX, kStartY, panel.endDate);
  s.PutText(kEndX, kStartTimeY, panel.endTime);
  s.SelectFont(style.m_fontLarge);
  s.PutText(kStationX, kStationY, LookupStation(panel.stationCode));
}

std::string PanelFileNameText(std::string_view name) {
  const std::vector<std::size_t> starts = CharacterStarts(name);
  if (starts.size() <= static_cast<std::size_t>(kPanelFileNameCells)) return std::string(name);
  constexpr std::size_t kHead = 6, kTail = kPanelFileNameCells - kHead - 1;
  return std::string(name.substr(0, starts[kHead])) + "\u2026" + std::string(name.substr(starts[starts.size() - kTail]));
}

bool PanelFileNameCut(std::string_view name) {
  return CharacterStarts(name).size() > static_cast<std::size_t>(kPanelFileNameCells);
}

void DrawFileNameLine(DrawingSurface& s, const ChartStyle& style, std::string_view name) {
  s.SetBackgroundColour(style.m_crBackground);
  s.SelectFont(style.m_fontSmall);
  BlankFileNameLine(s);
  PutFileName(s, name);
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
