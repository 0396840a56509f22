// The day overview: a one-second spike in a many-second column, gaps, a
// file across midnight, the stretches' colours, and the geometry the window
// takes for clicks and drags.

#include "chart/day_overview.h"

#include <gtest/gtest.h>

#include <set>

#include "chart/chart_layout.h"
#include "chart/overview_axes.h"
#include "chart/overview_columns.h"
#include "data/record_time.h"
#include "tests/chart/pixel_surface.h"

namespace helvarra::test {
namespace {

constexpr Colour kTrace = Channel(0).colour;
constexpr Colour kBackground = 0x808080;
constexpr Size kPicture{kOverviewLeftMargin + 600 + kOverviewRightMargin, 300};  // 600 plot columns
const Rect kPlot = OverviewPlotRect(kPicture);

// Channel 0 at a value at a second of 2024-12-31 (of 2025-01-01 from 86400 on).
FluxRecord At(int second, int value) {
  FluxRecord r;
  r.year = second < kSecondsPerDay ? 2024 : 2025;
  r.month = second < kSecondsPerDay ? 12 : 1;
  r.day = second < kSecondsPerDay ? 31 : 1;
  second %= kSecondsPerDay;
  r.hour = static_cast<std::uint8_t>(second / 3600);
  r.minute = static_cast<std::uint8_t>(second / 60 % 60);
  r.second = static_cast<std::uint8_t>(second % 60);
  r.values[0] = value;
  return r;
}

// Records a second apart from `from` to `to` at a value, added to a table.
void AddSeconds(FluxTable& table, int from, int to, int value) {
  for (int t = from; t <= to; ++t) table.records.push_back(At(t, value));
}

PixelSurface Draw(const FluxTable& table, std::optional<RowRange> shaded = {}, std::optional<RowRange> selected = {}) {
  PixelSurface s(kPicture);
  ChartStyle style;
  MakeChartFonts(style, s);
  MakeChartColours(style, kBackground);
  OverviewRequest request;
  request.strips = {{&table, ""}};
  request.size = kPicture;
  request.shown = {true};
  request.shaded = SecondsOfRows(table, shaded);
  request.selected = SecondsOfRows(table, selected);
  DrawDayOverview(s, style, request);
  return s;
}

// The y of a decade's grid line, from the middle of its label.
int DecadeY(const PixelSurface& s, std::string_view decade) {
  for (const PlacedText& t : s.texts)
    if (t.text == decade && t.x < kPlot.left) return t.y + 13 / 2;
  ADD_FAILURE() << "no label " << decade;
  return -1;
}

// The rows of a column in the trace's colour, top to bottom.
std::vector<int> TraceRows(const PixelSurface& s, int column) {
  std::vector<int> rows;
  for (int y = kPlot.top; y < kPlot.bottom; ++y)
    if (s.ReadPixel(kPlot.left + column, y) == kTrace) rows.push_back(y);
  return rows;
}

TEST(DayOverviewTest, OneSecondSpikeShowsInItsColumnAtItsHeight) {
  FluxTable table;
  AddSeconds(table, 0, 3599, 100);
  table.records[1234].values[0] = 10000;
  const PixelSurface s = Draw(table);
  // Six seconds a column: 1234 is in column 205, and 1235 there brings it back.
  const int top = DecadeY(s, "10000"), bottom = DecadeY(s, "100");
  const std::vector<int> spike = TraceRows(s, 205);
  ASSERT_EQ(spike.size(), static_cast<std::size_t>(bottom - top + 1));
  EXPECT_EQ(spike.front(), top);
  EXPECT_EQ(spike.back(), bottom);
  EXPECT_EQ(TraceRows(s, 204), std::vector<int>{bottom});
  EXPECT_EQ(TraceRows(s, 206), std::vector<int>{bottom});
}

TEST(DayOverviewTest, GapsOverSixSecondsAreLeftBlank) {
  FluxTable table;  // ten columns a second
  AddSeconds(table, 0, 20, 1000);
  AddSeconds(table, 27, 40, 1000);
  AddSeconds(table, 46, 59, 100);
  table.records[21 + 6].values[0] = 3;  // second 33: below 5 SFU, left out
  const PixelSurface s = Draw(table);
  const int y = DecadeY(s, "1000");
  const struct {
    int firstColumn, lastColumn;
    bool drawn;
  } stretches[] = {{201, 269, false},  // 20 to 27: seven seconds
                   {200, 200, true},
                   {270, 270, true},
                   {320, 340, true},   // 32 to 34, the 3 SFU left out
                   {400, 460, true}};  // 40 to 46: six seconds, held, then down to 100
  for (const auto& stretch : stretches)
    for (int c = stretch.firstColumn; c <= stretch.lastColumn; ++c)
      EXPECT_EQ(s.ReadPixel(kPlot.left + c, y) == kTrace, stretch.drawn) << "column " << c;
  EXPECT_EQ(TraceRows(s, 330), std::vector<int>{y});
  const std::vector<int> step = TraceRows(s, 460);
  ASSERT_FALSE(step.empty());
  EXPECT_EQ(std::pair(step.front(), step.back()), std::pair(y, DecadeY(s, "100")));
}

TEST(DayOverviewTest, FileAcrossMidnightRunsOnAndReadsZeroHours) {
  FluxTable table;
  AddSeconds(table, 23 * 3600 + 600, kSecondsPerDay + 3000, 100);  // 23:10 to 00:50
  const PixelSurface s = Draw(table);
  std::vector<PlacedText> labels;
  for (const PlacedText& t : s.texts)
    if (t.y > kPlot.bottom && t.text != "UT") labels.push_back(t);
  std::ranges::sort(labels, {}, &PlacedText::x);
  std::vector<std::string> texts;
  for (const PlacedText& t : labels) texts.push_back(t.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"23:15", "23:30", "23:45", "00:00", "00:15", "00:30", "00:45"}));
  // The 00:00 label stands over the midnight record's column.
  EXPECT_EQ(labels[3].x + 20, OverviewRowX(table, kPicture, 3000));
}

TEST(DayOverviewTest, StretchesInTheirColoursSelectionOverShadeAndEveryPixelOneOfTheColours) {
  FluxTable table;
  AddSeconds(table, 0, 3599, 100);
  const PixelSurface s = Draw(table, RowRange{600, 1199}, RowRange{1100, 1699});
  const int y = kPlot.top + 2;  // above the grid and the trace
  const struct {
    int column;
    Colour colour;
  } columns[] = {{99, kPlotColour},
                 {100, kOverviewShadeColour},
                 {182, kOverviewShadeColour},
                 {183, kOverviewSelectionEdgeColour},
                 {184, kOverviewSelectionColour},
                 {282, kOverviewSelectionColour},
                 {283, kOverviewSelectionEdgeColour},
                 {284, kPlotColour}};
  for (const auto& [column, colour] : columns)
    EXPECT_EQ(s.ReadPixel(kPlot.left + column, y), colour) << "column " << column;
  const std::set<Colour> drawn{kBackground,
                               kPlotColour,
                               kOverviewShadeColour,
                               kOverviewSelectionColour,
                               kOverviewSelectionEdgeColour,
                               kGridColour,
                               kOverviewLabelColour,
                               kTrace};
  for (int py = 0; py < kPicture.height; ++py)
    for (int px = 0; px < kPicture.width; ++px) ASSERT_TRUE(drawn.contains(s.ReadPixel(px, py))) << px << ", " << py;
}

// Four bursts of records with gaps between, at 6 seconds a column and at
// more than a column a second.
class OverviewGeometryTest : public ::testing::TestWithParam<int> {};

TEST_P(OverviewGeometryTest, ClickRowAndDragRoundTrip) {
  FluxTable table;
  const std::pair<int, int> bursts[] = {{0, 3}, {10, 11}, {500, 502}, {1000, 1099}, {3599, 3599}};
  for (const auto& [from, to] : bursts) AddSeconds(table, from, to, 100);
  const Size picture{kOverviewLeftMargin + GetParam() + kOverviewRightMargin, 300};
  const Rect plot = OverviewPlotRect(picture);
  std::vector<int> xs;
  for (std::size_t row = 0; row < table.size(); ++row) xs.push_back(OverviewRowX(table, picture, row));
  EXPECT_EQ(xs.front(), plot.left);
  EXPECT_GE(xs.back(), plot.right - 2);  // the last second may take more than one column
  for (std::size_t row = 0; row < table.size(); ++row) {
    const std::optional<std::size_t> clicked = OverviewRowAt(table, picture, xs[row]);
    ASSERT_TRUE(clicked);
    EXPECT_EQ(xs[*clicked], xs[row]) << "row " << row;
    // A drag from one record's x to another's takes both columns whole.
    for (std::size_t other = row; other < table.size(); other += 7) {
      const auto first = static_cast<std::size_t>(std::ranges::find(xs, xs[row]) - xs.begin());
      const auto last = static_cast<std::size_t>(xs.rend() - std::ranges::find(xs.rbegin(), xs.rend(), xs[other]) - 1);
      EXPECT_EQ(OverviewRowsBetween(table, picture, xs[other], xs[row]), (RowRange{first, last}));
    }
  }
  EXPECT_FALSE(OverviewRowAt(table, picture, plot.left - 1));
  EXPECT_FALSE(OverviewRowAt(table, picture, plot.right));
  EXPECT_EQ(OverviewRowAt(table, picture, (xs[8] + xs[9]) / 2), 8u);  // nearer 502 than 1000
  EXPECT_FALSE(OverviewRowsBetween(table, picture, xs[8] + 2, xs[9] - 2));
  EXPECT_EQ(OverviewRowsBetween(table, picture, -100, 100000), (RowRange{0, table.size() - 1}));
}

INSTANTIATE_TEST_SUITE_P(Widths, OverviewGeometryTest, ::testing::Values(600, 5000));

// Three days with gaps, holes, values below 5, spikes and seconds that go
// back: the index's blocks give every column the spans reading every record
// gives, at widths where a column takes a block and more or less.
TEST(OverviewIndexTest, GivesTheSpansOfEveryRecord) {
  FluxTable table;
  unsigned seed = 7;
  auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 8) % 1000; };
  for (int t = 0; t < 3 * kSecondsPerDay; t += next() < 990 ? 1 : 200) {
    FluxRecord r = At(t, 100 + static_cast<int>(next()));
    for (std::size_t k = 1; k < kChannelCount; ++k) r.values[k] = next() < 20 ? static_cast<int>(next() % 5) : 50 + static_cast<int>(next());
    if (next() < 10) r.values[3] = 0, r.holes = 1 << 3;
    if (next() < 2) r = At(t - 40, 99999);  // back in time
    table.records.push_back(r);
  }
  const OverviewIndex index(table);
  std::array<bool, kChannelCount> shown;
  shown.fill(true);
  for (int width : {300, 1200, 4000, 300000}) {
    const OverviewTimeScale scale(table, Rect{0, 0, width, 100});
    ColumnSpans plain, fast;
    GatherColumnSpans(table, scale, shown, plain);
    GatherColumnSpans(table, scale, shown, fast, &index);
    for (std::size_t k = 0; k < kChannelCount; ++k)
      for (std::size_t c = 0; c < plain[k].size(); ++c)
        ASSERT_TRUE(plain[k][c].low == fast[k][c].low && plain[k][c].high == fast[k][c].high)
            << "width " << width << " channel " << k << " column " << c;
  }
}

}  // namespace
}  // namespace helvarra::test
