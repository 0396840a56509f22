// The chart window as it lands on the real window's pixels.

#include <functional>

#include "tests/platform/qt_viewer_fixture.h"

namespace helvarra::test {
namespace {

using Values = std::array<int, 8>;

Values All(int v) { return {v, v, v, v, v, v, v, v}; }

// Records one second apart from h:m:s, each with the values of its index.
std::string Seconds(int h, int m, int s, int count, const std::function<Values(int)>& values) {
  std::string bytes;
  for (int i = 0; i < count; ++i) {
    const int t = (h * 3600 + m * 60 + s + i) % 86400;
    bytes += RecordLine("APLM", 24, 5, 14, t / 3600, t / 60 % 60, t % 60, values(i));
  }
  return bytes;
}

std::string Record(int h, int m, int s, Values v) { return RecordLine("APLM", 24, 5, 14, h, m, s, v); }

constexpr Colour kChannel0 = 0x1E69D2;

class PlotPixelsTest : public QtViewerTest {};

TEST_F(PlotPixelsTest, WorkedExampleStrokesFromRowToRowAndSkipsTheFirstMinute) {
  Open("example.apl", Record(12, 0, 58, All(100)) + Record(12, 0, 59, All(100)) + Record(12, 1, 0, All(1000)) +
                          Record(12, 1, 1, All(1000)));
  ShowOnly({0});
  PlotAt(0);
  EXPECT_EQ(dlg.m_nStartMinute, 721);
  // 100 to 1000 SFU: from y 379 up to y 279, the end pixel left out; the
  // 2-pixel pen covers columns 79 and 80. Then 1000 again: a stroke of no
  // length, the pen's dot on rows 278 and 279.
  for (int x : {79, 80}) {
    EXPECT_EQ(Pixel(x, 379), kChannel0);
    EXPECT_EQ(Pixel(x, 280), kChannel0);
    EXPECT_NE(Pixel(x, 380), kChannel0);
    EXPECT_EQ(Pixel(x, 278), kChannel0);
    EXPECT_NE(Pixel(x, 277), kChannel0);
  }
  EXPECT_EQ(CountColour({79, 10, 82, 510}, kChannel0), 2 * 100 + 2 * 2);
  EXPECT_EQ(CountColour({81, 10, 680, 510}, kChannel0), 0);
}

TEST_F(PlotPixelsTest, GapsAndValuesBelowFiveLeaveHoles) {
  // 100 SFU to 12:01:05; after a gap, 10000 at :30 and 1000 at :33; then 3 SFU
  // at :36, 100 at :39 and 1000 at :42. Three seconds make a column.
  std::string bytes = Record(12, 0, 59, All(100));
  for (int s = 0; s <= 5; ++s) bytes += Record(12, 1, s, All(100));
  bytes += Record(12, 1, 30, All(10000)) + Record(12, 1, 33, All(1000));
  bytes += Record(12, 1, 36, All(3)) + Record(12, 1, 39, All(100)) + Record(12, 1, 42, All(1000));
  Open("gaps.apl", bytes);
  ShowOnly({0});
  PlotAt(0);
  // :30 comes 25 s after :05 and is not drawn: nothing reaches 10000 SFU, and
  // :33 (column 91) strokes from the row before the gap, 100 SFU, to 1000.
  EXPECT_EQ(CountColour({80, 10, 90, 378}, kChannel0), 0);  // the steady 100 SFU is dots at 378 and 379
  EXPECT_EQ(CountColour({80, 10, 680, 279}, kChannel0), 0);
  EXPECT_EQ(Pixel(91, 379), kChannel0);
  EXPECT_EQ(Pixel(91, 280), kChannel0);
  // No stroke to 3 SFU (:36, column 92) nor from it (:39, column 93); :42
  // (column 94) strokes from 100 to 1000 again.
  EXPECT_EQ(CountColour({92, 10, 93, 510}, kChannel0), 0);
  EXPECT_EQ(Pixel(94, 379), kChannel0);
  EXPECT_EQ(Pixel(93, 280), kChannel0);
}

TEST_F(PlotPixelsTest, WindowAfterMidnightWrapsAndEndsAtThirtyMinutes) {
  // From 23:59:59 on, a record a second, 1000 SFU, with 10000 SFU at the
  // seconds 1800 to 1805 of the window.
  Open("midnight.apl", Seconds(23, 59, 59, 1830, [](int i) {
         return All(i == 0 ? 100 : i >= 1801 && i <= 1806 ? 10000 : 1000);
       }));
  ShowOnly({0});
  PlotAt(0);
  EXPECT_EQ(dlg.m_nStartMinute, 1440);
  // 00:00:00 is offset 0: the trace starts at column 80, from 100 to 1000.
  EXPECT_EQ(Pixel(80, 300), kChannel0);
  // Offset 1800 (00:30:00) is drawn at column 680 before the loop stops.
  EXPECT_EQ(Pixel(680, 200), kChannel0);
  EXPECT_EQ(CountColour({682, 0, 798, 574}, kChannel0), 0);
}

TEST_F(PlotPixelsTest, EveryChannelDrawsInItsOwnColourAndTheLaterChannelWins) {
  // Channel k at 10^(k/2+1) or so: eight distinct rows, then all equal.
  // Eight rows apart, each value doubling every other second; from the
  // 150th record all eight alternate between 100 and 1000 together.
  Open("colours.apl", Seconds(12, 0, 58, 300, [](int i) {
         const int f = i % 2 + 1;
         if (i < 150) return Values{10 * f, 30 * f, 100 * f, 300 * f, 1000 * f, 3000 * f, 10000 * f, 30000 * f};
         return All(i % 2 ? 1000 : 100);
       }));
  PlotAt(0);
  for (int k = 0; k < kChannelCount; ++k)
    EXPECT_GT(CountColour({80, 10, 128, 510}, dlg.m_style.m_crChannel[static_cast<std::size_t>(k)]), 0)
        << "channel " << k;
  // Where all eight strokes coincide (column 130, from 12:03:30), the
  // last-drawn channel, 15400 MHz, shows.
  EXPECT_EQ(Pixel(130, 300), dlg.m_style.m_crChannel[7]);
}

TEST_F(PlotPixelsTest, ChannelsSwitchedOffLeaveOnlyGridAndAxis) {
  Open("off.apl", Seconds(12, 0, 0, 1900, [](int) { return Values{10, 30, 100, 300, 1000, 3000, 10000, 30000}; }));
  ShowOnly({});
  PlotAt(0);
  for (Colour c : dlg.m_style.m_crChannel) EXPECT_EQ(CountColour({78, 0, 690, 540}, c), 0);
  // The decade grid: dots in the grid colour, gaps in the background colour.
  EXPECT_GT(CountColour({80, 479, 680, 480}, dlg.m_style.m_crGrid), 100);
  EXPECT_EQ(CountColour({80, 479, 680, 480}, dlg.m_style.m_crGrid) +
                CountColour({80, 479, 680, 480}, dlg.m_style.m_crBackground),
            600);
  // Minute ticks: white from y 511 to 515, or grey to 520 every five minutes.
  for (int x = 80; x <= 680; x += 20) {
    const Rect tick{x, 511, x + 1, 521};
    EXPECT_EQ(CountColour(tick, dlg.m_style.m_crText) + CountColour(tick, dlg.m_style.m_crGrid) / 2, 5)
        << "tick at " << x;
  }
}

TEST_F(PlotPixelsTest, FirstTickOfAWindowAtMidnightReads2400) {
  Open("label.apl", Seconds(23, 59, 30, 200, [](int) { return All(100); }));
  PlotAt(0);
  // Render "24:00" and "00:10" the way the plotter does and compare.
  qt::QtCanvas reference(QSize(798, 574));
  reference.Image().fill(qt::ToQColor(dlg.m_style.m_crBackground));
  {
    qt::QtWindowSurface s(reference);
    s.SetBackgroundColour(dlg.m_style.m_crBackground);
    s.SelectFont(dlg.m_style.m_fontSmall);
    s.PutText(65, 522, "24:00");
    s.PutText(265, 522, "00:10");
  }
  reference.Finish();
  for (int y = 522; y < 535; ++y)
    for (int x : {65, 70, 75, 80, 85, 90, 95, 265, 270, 285, 300}) {
      if (x == 80 || x == 280) continue;  // the ticks
      ASSERT_EQ(Pixel(x, y), qt::FromQRgb(reference.Image().pixel(x, y))) << x << "," << y;
    }
  EXPECT_GT(CountColour({65, 522, 105, 535}, 0x000000), 20);
}

}  // namespace
}  // namespace helvarra::test
