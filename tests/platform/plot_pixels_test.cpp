// The chart window as it lands on the real window's pixels: the trace pen's
// columns and dots, each channel's exact colour, the dotted grid, the ticks'
// lengths and the labels' glyphs. Which strokes are drawn where is the
// chart's, tested on a recording surface in tests/chart.

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
    const int at = h * 3600 + m * 60 + s + i, t = at % 86400;
    bytes += RecordLine("APLM", 24, 5, 14 + at / 86400, t / 3600, t / 60 % 60, t % 60, values(i));
  }
  return bytes;
}

std::string Record(int h, int m, int s, Values v) { return RecordLine("APLM", 24, 5, 14, h, m, s, v); }

constexpr Colour kChannel0 = 0x1E69D2;

class PlotPixelsTest : public QtViewerTest {};

TEST_F(PlotPixelsTest, ATraceStrokeCoversThePensTwoColumnsAndLeavesOutItsEndPixel) {
  Open("example.apl", Record(12, 0, 58, All(100)) + Record(12, 0, 59, All(100)) + Record(12, 1, 0, All(1000)) +
                          Record(12, 1, 1, All(1000)));
  ShowOnly({0});
  PlotAt(0);
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
    EXPECT_GT(CountColour({80, 10, 128, 510}, dlg.Style().m_crChannel[static_cast<std::size_t>(k)]), 0)
        << "channel " << k;
  // Where all eight strokes coincide (column 130, from 12:03:30), the
  // last-drawn channel, 15400 MHz, shows.
  EXPECT_EQ(Pixel(130, 300), dlg.Style().m_crChannel[7]);
}

TEST_F(PlotPixelsTest, GridTicksAndLabelsAsTheyLandOnTheWindow) {
  Open("off.apl", Seconds(12, 0, 0, 1900, [](int) { return Values{10, 30, 100, 300, 1000, 3000, 10000, 30000}; }));
  ShowOnly({});
  PlotAt(0);
  // The decade grid: dots in the grid colour, gaps in the background colour.
  EXPECT_GT(CountColour({80, 479, 680, 480}, dlg.Style().m_crGrid), 100);
  EXPECT_EQ(CountColour({80, 479, 680, 480}, dlg.Style().m_crGrid) +
                CountColour({80, 479, 680, 480}, dlg.Style().m_crBackground),
            600);
  // Minute ticks: white from y 511 to 515, or grey to 520 every five minutes.
  for (int x = 80; x <= 680; x += 20) {
    const Rect tick{x, 511, x + 1, 521};
    EXPECT_EQ(CountColour(tick, dlg.Style().m_crText) + CountColour(tick, dlg.Style().m_crGrid) / 2, 5)
        << "tick at " << x;
  }
  // A label's glyphs, black on the background.
  EXPECT_TRUE(Shows(245, 522, "12:10", dlg.Style().m_fontSmall));
}

}  // namespace
}  // namespace helvarra::test
