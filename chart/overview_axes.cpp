#include "chart/overview_axes.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "chart/chart_layout.h"
#include "data/record_time.h"
#include "data/time_of_day.h"

namespace helvarra {
namespace {

// The small font's character cell is 8 pixels wide.
constexpr int kCellWidth = 8;
constexpr int kLabelGap = 6;  // between a flux label and the plot
constexpr int kTickLength = 3, kLabelTickLength = 6, kTimeLabelDY = 8;
constexpr int kMinTickPitch = 4;
constexpr int kTimeLabelCells = 5;  // "HH:MM"

// The time axis's steps, in seconds: every tick, and every labelled tick.
struct TimeSteps {
  int tick = 0, label = 0;
};

// Labels at least kMinLabelPitch pixels apart: the shortest step of 1, 2, 5,
// 10, 15, 20 or 30 minutes or 1, 2, 3, 6 or 12 hours that keeps them so, else
// whole days; ticks a third to a sixth of that (a day for days), where they
// stand at least 4 pixels apart, else only the labelled ones.
constexpr int kMinLabelPitch = 80;

constexpr std::array<TimeSteps, 12> kSteps{{{10, 60},
                                            {30, 120},
                                            {60, 300},
                                            {120, 600},
                                            {300, 900},
                                            {300, 1200},
                                            {300, 1800},
                                            {900, 3600},
                                            {1800, 7200},
                                            {3600, 10800},
                                            {3600, 21600},
                                            {10800, 43200}}};

std::int64_t Seconds(const OverviewTimeScale& scale) { return scale.Last() - scale.Start() + 1; }

// A step's width in pixels, rounded down.
std::int64_t Pitch(const OverviewTimeScale& scale, std::int64_t step) {
  return step * scale.Columns() / Seconds(scale);
}

// The remainder of a division, from 0 up to the divisor.
std::int64_t Remainder(std::int64_t n, std::int64_t d) { return (n % d + d) % d; }

void PutRightAligned(DrawingSurface& s, int right, int y, const std::string& text) {
  s.PutText(right - kCellWidth * static_cast<int>(text.size()), y, text);
}

TimeSteps StepsFor(const OverviewTimeScale& scale) {
  TimeSteps steps{};
  for (const TimeSteps& candidate : kSteps) {
    if (Pitch(scale, candidate.label) >= kMinLabelPitch) {
      steps = candidate;
      break;
    }
  }
  if (steps.label == 0) {  // whole days, ticks every quarter day while a day is labelled
    const std::int64_t dayPitch = std::max<std::int64_t>(1, Pitch(scale, kSecondsPerDay));
    const std::int64_t days = (kMinLabelPitch + dayPitch - 1) / dayPitch;
    steps = {days == 1 ? kSecondsPerDay / 4 : kSecondsPerDay, static_cast<int>(days * kSecondsPerDay)};
  }
  if (Pitch(scale, steps.tick) < kMinTickPitch) steps.tick = steps.label;
  return steps;
}

// "HH:MM"; where whole days are labelled, the day as "DD-MM".
std::string LabelAt(std::int64_t t, const TimeSteps& steps) {
  if (steps.label % kSecondsPerDay != 0) return HourMinuteText(static_cast<int>(Remainder(t, kSecondsPerDay) / 60));
  const CivilDate d = CivilFromDays((t - Remainder(t, kSecondsPerDay)) / kSecondsPerDay);
  char text[16];
  std::snprintf(text, sizeof text, "%02d-%02d", d.day, d.month);
  return text;
}

}  // namespace

void DrawOverviewFluxAxis(DrawingSurface& s, const ChartStyle& style, const Rect& plot,
                          const std::vector<PlotBand>& bands) {
  s.SelectFont(style.m_fontSmall);
  s.SetTextColour(kOverviewLabelColour);
  s.SelectPen(style.m_penGrid);
  const int halfText = style.m_fontSmall.pixelHeight / 2;
  const int decadePitch = OverviewRowY(plot, FluxRow(10)) - OverviewRowY(plot, FluxRow(100));
  const bool everyOther = decadePitch < style.m_fontSmall.pixelHeight + 2;
  int exponent = 1;
  for (int decade = 10; decade <= 100000; decade *= 10, ++exponent) {
    const int y = OverviewRowY(plot, FluxRow(decade));
    for (const PlotBand& band : bands) {
      s.SetBackgroundColour(band.colour);
      s.MovePen(band.left, y);
      s.DrawLineTo(band.right, y);
    }
    s.SetBackgroundColour(style.m_crBackground);
    if (!everyOther || exponent % 2 == 1) PutRightAligned(s, plot.left - kLabelGap, y - halfText, std::to_string(decade));
  }
  if (!everyOther) PutRightAligned(s, plot.left - kLabelGap, plot.top, "SFU");
}

void DrawOverviewStripName(DrawingSurface& s, const ChartStyle& style, const Rect& strip, std::string_view name) {
  s.SelectFont(style.m_fontSmall);
  s.SetTextColour(kOverviewLabelColour);
  s.SetBackgroundColour(style.m_crBackground);
  s.PutText(strip.left, strip.top - kOverviewStripLabelHeight, name);
}

void DrawOverviewTimeAxis(DrawingSurface& s, const ChartStyle& style, Size picture, const Rect& plot,
                          const OverviewTimeScale& scale) {
  s.SelectFont(style.m_fontSmall);
  s.SetTextColour(kOverviewLabelColour);
  s.SetBackgroundColour(style.m_crBackground);
  s.SelectPen(MakePen(PenStyle::Solid, 1, kOverviewLabelColour));
  const int labelY = plot.bottom + kTimeLabelDY;
  s.PutText(kCellWidth, labelY, "UT");
  const TimeSteps steps = StepsFor(scale);
  const int halfLabel = kCellWidth * kTimeLabelCells / 2;
  const std::int64_t behind = Remainder(scale.Start(), steps.tick);
  for (std::int64_t t = scale.Start() + (behind == 0 ? 0 : steps.tick - behind); t <= scale.Last(); t += steps.tick) {
    const int x = scale.X(t);
    const bool labelled = Remainder(t, steps.label) == 0;
    s.MovePen(x, plot.bottom);
    s.DrawLineTo(x, plot.bottom + (labelled ? kLabelTickLength : kTickLength));
    if (labelled && x - halfLabel >= 0 && x + halfLabel <= picture.width) s.PutText(x - halfLabel, labelY, LabelAt(t, steps));
  }
}

}  // namespace helvarra
