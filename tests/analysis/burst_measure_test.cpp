// A burst measured on a file crossing midnight: the background in the five
// minutes before the rows, the peak, the half-power span, and holes and values
// below 5 left out, breaking the span and counted.

#include "analysis/burst_measure.h"

#include <gtest/gtest.h>

#include <ostream>

#include "tests/data/midnight_table.h"

namespace helvarra {

void PrintTo(const ChannelMeasure& m, std::ostream* os) {
  using testing::PrintToString;
  *os << PrintToString(m.background) << " " << m.peak << "@" << PrintToString(m.peakRow) << " +"
      << PrintToString(m.peakAboveBackground) << " " << PrintToString(m.beginRow) << "-" << PrintToString(m.endRow)
      << " holes " << m.holes;
}

namespace {

using test::MidnightRow;

// Offsets from midnight: the rows measured are 00:01:00 to 00:05:00 (60 to
// 300), their background 23:56:00 to 00:00:59 (-240 to 59). 245 MHz is a
// hole throughout, 410, 610 and 1415 MHz read 0 (a receiver out).
// Every channel reads 1000 before the background and 9999 after the rows.
FluxTable BurstTable() {
  FluxTable table = test::MidnightTable();
  const auto set = [&](int k, int from, int to, int value, bool hole = false) {
    for (int m = from; m <= to; ++m) {
      table.records[MidnightRow(m)].values[static_cast<std::size_t>(k)] = value;
      if (hole) table.records[MidnightRow(m)].holes |= static_cast<std::uint8_t>(1 << k);
    }
  };
  for (FluxRecord& r : table.records) r.holes = 1;
  for (int k = 1; k < kChannelCount; ++k) set(k, -600, -241, 1000), set(k, 301, 600, 9999);
  // 2695: 91 x 101 (one a hole, one a 3) and 149 x 102 before midnight, 60 x
  // 90 after: a median of 101.5, which counting the hole and the 3, a second
  // more or less at either end, or the time of day alone would change.
  set(4, -240, -150, 101), set(4, -149, -1, 102), set(4, 0, 59, 90), set(4, -239, -239, 3), set(4, -238, -238, 0, true);
  // A peak of 2101 at 00:02:50 over a threshold of 1101.25, the 1500s around
  // it cut by a 3 at 00:02:37 and a hole at 00:03:00.
  set(4, 60, 300, 102), set(4, 155, 190, 1500), set(4, 170, 170, 2101), set(4, 157, 157, 3), set(4, 180, 180, 0, true);
  // 4995: background 100, peak 300 at 00:01:40 and at 00:01:45, 200 (the
  // threshold itself) either side of the first.
  set(5, -240, 300, 100), set(5, 99, 101, 200), set(5, 100, 100, 300), set(5, 105, 105, 300);
  // 8800: 0 before the rows (no background), a peak of 50 in them.
  set(6, 60, 300, 40), set(6, 107, 107, 50);
  // 15400: a peak of 300 below a background of 500 has no span.
  set(7, -240, 59, 500), set(7, 60, 300, 300);
  return table;
}

TEST(BurstMeasureTest, MeasuresEachChannel) {
  const FluxTable table = BurstTable();
  const BurstMeasure measure = MeasureBurst(table, MidnightRow(60), MidnightRow(300));
  // background, peak row, peak, peak above background, begin row, end row, holes
  BurstMeasure expected;
  expected.fill({{}, {}, 0, {}, {}, {}, 241});  // no flux in the rows
  expected[4] = {101.5, MidnightRow(170), 2101, 1999.5, MidnightRow(158), MidnightRow(179), 2};
  expected[5] = {100, MidnightRow(100), 300, 200, MidnightRow(99), MidnightRow(101), 0};
  expected[6] = {{}, MidnightRow(107), 50, {}, {}, {}, 0};
  expected[7] = {500, MidnightRow(60), 300, -200, {}, {}, 0};
  for (std::size_t k = 0; k < kChannels.size(); ++k) EXPECT_EQ(measure[k], expected[k]) << kChannels[k].label;
  EXPECT_EQ(MeasureBurst(table, 5, 4), BurstMeasure{});
  EXPECT_EQ(MeasureBurst(table, table.size() - 1, table.size() + 5)[6].peakRow, table.size() - 1);
}

// Channel 0 a second apart from 12:00:00: 300 seconds of background, then
// a rise of 10 SFU a second from 100 to 1100 and a fall back to 100.
FluxTable Gradual(int backgroundFives) {
  FluxTable table;
  auto add = [&](int value) {
    FluxRecord& r = table.records.emplace_back();
    const int t = 12 * 3600 + static_cast<int>(table.size()) - 1;
    r.year = 2024, r.month = 5, r.day = 14;
    r.hour = static_cast<std::uint8_t>(t / 3600), r.minute = static_cast<std::uint8_t>(t / 60 % 60);
    r.second = static_cast<std::uint8_t>(t % 60);
    r.values.fill(100);
    r.values[0] = value;
  };
  for (int i = 0; i < 300; ++i) add(i < backgroundFives ? 5 : 100);
  for (int i = 0; i <= 100; ++i) add(100 + 10 * i);
  for (int i = 99; i >= 0; --i) add(100 + 10 * i);
  return table;
}

// The half-power rule: the span where the flux is at least half the peak's
// height above the background (not a third of it), within the selection (a
// selection that starts in the rise begins there), a value of exactly 5 SFU
// flux (in the background's median, and not a hole).
TEST(BurstMeasureTest, HalfPowerSpanWithinTheSelectionAndFiveIsFlux) {
  const struct {
    const char* name;
    int backgroundFives;
    std::size_t first;
    double background;
    std::size_t begin, end, holes;
  } cases[] = {
      {"WholeBurst", 0, 300, 100, 350, 450, 0},       // 600 SFU and more: 50 s up the rise to 50 s down
      {"StartsInTheRise", 0, 370, 100, 370, 450, 0},  // not from before the selection's start
      {"FivesInTheBackground", 151, 300, 5, 346, 454, 0},  // 151 of 300 are 5: the median is 5, the half 552.5
  };
  for (const auto& c : cases) {
    FluxTable table = Gradual(c.backgroundFives);
    table.records[460].values[0] = 5;  // in the fall, below the span: flux, not a hole
    const ChannelMeasure m = MeasureBurst(table, c.first, table.size() - 1)[0];
    EXPECT_EQ(m.background, c.background) << c.name;
    EXPECT_EQ(m.peakRow, 400u) << c.name;
    EXPECT_EQ(m.beginRow, c.begin) << c.name;
    EXPECT_EQ(m.endRow, c.end) << c.name;
    EXPECT_EQ(m.holes, c.holes) << c.name;
  }
}

}  // namespace
}  // namespace helvarra
