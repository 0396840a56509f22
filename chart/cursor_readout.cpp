#include "chart/cursor_readout.h"

#include <string>

#include "data/time_of_day.h"

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

void DrawCursorReadout(DrawingSurface& s, const ChartStyle& style, int x, int y, std::int64_t start) {
  const Colour pixel = s.ReadPixel(x, y);  // before anything is drawn
  s.SetBackgroundColour(style.m_crBackground);
  s.SetTextColour(style.m_crText);
  s.SelectFont(style.m_fontSmall);
  BlankReadoutLines(s, kReadoutBlanks);
  if (!InsidePlot(x, y)) return;

  int channel = -1;
  for (int k = 0; k < kChannelCount && channel < 0; ++k)
    if (style.m_crChannel[static_cast<std::size_t>(k)] == pixel) channel = k;

  const std::int64_t t = start + SecondsAtX(x);
  const auto timeOfDay = static_cast<int>((t % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay);

  if (channel >= 0) s.PutText(kReadoutX, kReadoutLineY[0], Channel(channel).label);
  s.PutText(kReadoutX, kReadoutLineY[1], std::to_string(FluxAtY(y)) + " SFU");
  s.PutText(kReadoutX, kReadoutLineY[2], HourMinuteSecondText(timeOfDay) + " UT");
}

}  // namespace helvarra
