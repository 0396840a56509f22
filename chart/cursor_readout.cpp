// A click inside the plot: the channel whose colour the clicked pixel has,
// and the flux and time the point stands for, in three lines right of the
// plot. The chart's scales run backwards.

#include <cmath>
#include <cstdio>

#include "chart/chart_window.h"

namespace helvarra {
namespace {

constexpr int kReadoutX = 690;
constexpr int kChannelLineY = 80, kFluxLineY = 95, kTimeLineY = 110;
constexpr std::string_view kReadoutBlank = "             ";  // 13 blanks

}  // namespace

void ChartWindow::ShowCursorReadout(int x, int y) {
  SurfaceLease s(*this, /*tracksIdle=*/false);
  const Colour pixel = s->ReadPixel(x, y);  // before anything is drawn
  s->SetBackgroundColour(m_crBackground);
  s->SetTextColour(m_crText);
  s->SelectFont(m_fontSmall);
  for (int lineY : {kChannelLineY, kFluxLineY, kTimeLineY}) s->PutText(kReadoutX, lineY, kReadoutBlank);

  // Inside the plot, its one-pixel border excluded.
  if (x < 80 || x > 679 || y < 10 || y > 509) return;

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

  if (channel >= 0) s->PutText(kReadoutX, kChannelLineY, kChannels[static_cast<std::size_t>(channel)].label);
  s->PutText(kReadoutX, kFluxLineY, fluxText);
  s->PutText(kReadoutX, kTimeLineY, timeText);
}

}  // namespace helvarra
