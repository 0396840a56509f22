// A click inside the plot: the channel whose colour the clicked pixel has,
// and the flux and time the point stands for, in three lines right of the
// plot. The chart's scales run backwards.

#include <cmath>
#include <cstdio>

#include "chart/chart_window.h"

namespace helvarra {
namespace {

// Blanks wide enough for the longest text a line can hold.
constexpr ReadoutBlanks kReadoutBlanks{13, 13, 13};

// Inside the plot, its one-pixel border excluded.
bool InsidePlot(int x, int y) {
  return x > kPlotRect.left && x < kPlotRect.right - 1 && y > kPlotRect.top && y < kPlotRect.bottom - 1;
}

}  // namespace

void ChartWindow::BlankReadoutLines(DrawingSurface& s, const ReadoutBlanks& widths) {
  for (int line = 0; line < kReadoutLines; ++line)
    s.PutText(kReadoutX, kReadoutLineY[static_cast<std::size_t>(line)],
              std::string(static_cast<std::size_t>(widths[static_cast<std::size_t>(line)]), ' '));
}

void ChartWindow::ShowCursorReadout(int x, int y) {
  SurfaceLease s(*this, /*tracksIdle=*/false);
  const Colour pixel = s->ReadPixel(x, y);  // before anything is drawn
  s->SetBackgroundColour(m_crBackground);
  s->SetTextColour(m_crText);
  s->SelectFont(m_fontSmall);
  BlankReadoutLines(*s, kReadoutBlanks);
  if (!InsidePlot(x, y)) return;

  int channel = -1;
  for (int k = 0; k < kChannelCount && channel < 0; ++k)
    if (m_crChannel[static_cast<std::size_t>(k)] == pixel) channel = k;

  // The middle second of the column's three.
  int t = 60 * m_nStartMinute + 3 * x - 239;
  if (t > 86400) t -= 86400;
  char timeText[40];
  std::snprintf(timeText, sizeof timeText, "%02d:%02d:%02d UT", t / 3600, (t % 3600) / 60, t % 60);

  // The lowest flux of the row, truncated.
  const int flux = static_cast<int>(std::pow(10.0, (579 - y) * 0.01));
  char fluxText[32];
  std::snprintf(fluxText, sizeof fluxText, "%d SFU", flux);

  if (channel >= 0) s->PutText(kReadoutX, kReadoutLineY[0], kChannels[static_cast<std::size_t>(channel)].label);
  s->PutText(kReadoutX, kReadoutLineY[1], fluxText);
  s->PutText(kReadoutX, kReadoutLineY[2], timeText);
}

}  // namespace helvarra
