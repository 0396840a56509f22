#include "chart/cursor_readout.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace helvarra {
namespace {

// Inside the plot, its one-pixel border excluded.
bool InsidePlot(int x, int y) {
  return x > kPlotRect.left && x < kPlotRect.right - 1 && y > kPlotRect.top && y < kPlotRect.bottom - 1;
}

}  // namespace

void BlankReadoutLines(DrawingSurface& s, const ReadoutBlanks& widths) {
  for (int line = 0; line < kReadoutLines; ++line)
    s.PutText(kReadoutX, kReadoutLineY[static_cast<std::size_t>(line)],
              std::string(static_cast<std::size_t>(widths[static_cast<std::size_t>(line)]), ' '));
}

void DrawCursorReadout(DrawingSurface& s, const ChartStyle& style, int x, int y, int startMinute) {
  const Colour pixel = s.ReadPixel(x, y);  // before anything is drawn
  s.SetBackgroundColour(style.m_crBackground);
  s.SetTextColour(style.m_crText);
  s.SelectFont(style.m_fontSmall);
  BlankReadoutLines(s, kReadoutBlanks);
  if (!InsidePlot(x, y)) return;

  int channel = -1;
  for (int k = 0; k < kChannelCount && channel < 0; ++k)
    if (style.m_crChannel[static_cast<std::size_t>(k)] == pixel) channel = k;

  // The middle second of the column's three.
  int t = 60 * startMinute + 3 * x - 239;
  if (t > 86400) t -= 86400;
  char timeText[40];
  std::snprintf(timeText, sizeof timeText, "%02d:%02d:%02d UT", t / 3600, (t % 3600) / 60, t % 60);

  // The lowest flux of the row, truncated.
  const int flux = static_cast<int>(std::pow(10.0, (579 - y) * 0.01));
  char fluxText[32];
  std::snprintf(fluxText, sizeof fluxText, "%d SFU", flux);

  if (channel >= 0) s.PutText(kReadoutX, kReadoutLineY[0], Channel(channel).label);
  s.PutText(kReadoutX, kReadoutLineY[1], fluxText);
  s.PutText(kReadoutX, kReadoutLineY[2], timeText);
}

}  // namespace helvarra
