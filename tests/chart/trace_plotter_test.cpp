// The chart window on a recording surface, drawn from a record table built
// here as the viewer draws it after an open: where strokes go, which are left
// out, the time axis, and where the window ends.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "chart/trace_plotter.h"
#include "data/record_time.h"
#include "tests/support/recording_surface.h"

namespace helvarra::test {
namespace {

struct Stroke {
  int x, fromY, toY;
  Colour colour = Channel(0).colour;
  friend bool operator==(const Stroke&, const Stroke&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Stroke& s) {
    return os << "x " << s.x << " y " << s.fromY << "->" << s.toY << " colour " << std::hex << s.colour << std::dec;
  }
};

constexpr Colour kBackground = 0xC8D0D4;

// A record at a second of 15 March 2024 (of the 16th from 86400 on), channel 0 at a value and the others at 100.
FluxRecord At(int second, int value0 = 100) {
  FluxRecord r;
  r.station = {'A', 'P', 'L', 'M'};
  r.year = 2024;
  r.month = 3;
  r.day = static_cast<std::uint8_t>(15 + second / 86400);  // on over midnight
  r.hour = static_cast<std::uint8_t>(second / 3600 % 24);
  r.minute = static_cast<std::uint8_t>(second / 60 % 60);
  r.second = static_cast<std::uint8_t>(second % 60);
  r.values = {value0, 100, 100, 100, 100, 100, 100, 100};
  return r;
}
FluxRecord At(int h, int m, int s, int value0) { return At(h * 3600 + m * 60 + s, value0); }

// Records one a second from a second of the day, over midnight if need be.
std::vector<FluxRecord> Series(int firstSecond, int count) {
  std::vector<FluxRecord> records;
  for (int i = 0; i < count; ++i) records.push_back(At(firstSecond + i));
  return records;
}

class ChartWindowTest : public ::testing::Test {
 protected:
  ChartWindowTest() {
    MakeChartFonts(style, surface);
    MakeChartColours(style, kBackground);
  }
  // Draws the window the first record fixes, with only the given channels shown.
  ChartWindowResult Draw(std::vector<FluxRecord> records, std::initializer_list<int> channels = {0}) {
    table.records.assign(records.begin(), records.end());
    std::array<bool, kChannelCount> shown{};
    for (int k : channels) shown[static_cast<std::size_t>(k)] = true;
    log.clear();
    return DrawChartWindow(surface, style, {table, WindowStartOf(table[0]), 0, table[0], shown});
  }
  std::vector<Stroke> Strokes() const {
    std::vector<Stroke> out;
    for (const DrawOp& op : TraceStrokes(log)) {
      EXPECT_EQ(op.x, op.x2);
      out.push_back({op.x, op.y, op.y2, op.pen.colour});
    }
    return out;
  }
  // The time axis's labels, each with where it stands.
  std::vector<std::pair<int, std::string>> Labels() const {
    std::vector<std::pair<int, std::string>> labels;
    for (const DrawOp& op : OpsOf(log, Op::Text)) {
      EXPECT_EQ(op.y, 522);
      EXPECT_EQ(op.font, "Courier");
      EXPECT_EQ(op.background, kBackground);
      EXPECT_EQ(op.textColour, 0u);  // the fresh surface's black
      labels.push_back({op.x, op.text});
    }
    return labels;
  }

  FluxTable table;
  DrawLog log;
  RecordingSurface surface{&log};
  ChartStyle style;
};

struct StrokeCase {
  const char* name;
  std::vector<FluxRecord> records;
  std::vector<Stroke> strokes;
  std::size_t recordsRead;  // from the first row on, the fixing minute's included; the last read is the last row
  bool tableEnded;
};

const StrokeCase kStrokeCases[] = {
    {"FirstMinuteIsNotDrawn",
     {At(12, 0, 58, 100), At(12, 0, 59, 100), At(12, 1, 0, 1000), At(12, 1, 1, 1000)},
     {{80, 379, 279}, {80, 279, 279}},
     4,
     true},
    {"StepOverSixSecondsBreaksTheTrace",
     {At(12, 0, 59, 100), At(12, 1, 0, 1000), At(12, 1, 1, 10000), At(12, 1, 8, 100), At(12, 1, 9, 1000),
      At(12, 1, 15, 100)},
     {{80, 379, 279}, {80, 279, 179}, {83, 179, 279}, {85, 279, 379}},
     6,
     true},
    {"ValuesBelowFiveAreNotDrawnNorIsTheStrokeAfterThem",
     {At(12, 0, 59, 100), At(12, 1, 0, 3), At(12, 1, 1, 100), At(12, 1, 2, 5), At(12, 1, 3, 100), At(12, 1, 4, 0),
      At(12, 1, 5, 100), At(12, 1, 6, 100)},
     {{80, 379, 510}, {81, 510, 379}, {82, 379, 379}},
     8,
     true},
    {"RowAboveFiveHundredEndsAStrokeButStartsNone",
     {At(12, 0, 59, 100), At(12, 1, 0, 600000), At(12, 1, 1, 100), At(12, 1, 2, 1000), At(12, 1, 3, 489779),
      At(12, 1, 4, 100)},
     {{80, 379, 2}, {80, 379, 279}, {81, 279, 10}, {81, 10, 379}},
     6,
     true},
    {"RecordAtTheWindowsEndIsDrawnAndEndsIt",
     {At(12, 0, 59, 100), At(12, 30, 57, 100), At(12, 31, 0, 1000), At(12, 31, 1, 1000)},
     {{680, 379, 279}},
     3,
     false},
    {"RecordJustPastTheWindowsEndIsDrawnAndEndsIt",
     {At(12, 0, 59, 100), At(12, 30, 59, 100), At(12, 31, 5, 1000), At(12, 31, 6, 1000)},
     {{681, 379, 279}},
     3,
     false},
};

void PrintTo(const StrokeCase& c, std::ostream* os) { *os << c.name; }

class StrokeRulesTest : public ChartWindowTest, public ::testing::WithParamInterface<StrokeCase> {};

TEST_P(StrokeRulesTest, StrokesGoWhereTheRulesPutThem) {
  const StrokeCase& c = GetParam();
  const ChartWindowResult result = Draw(c.records);
  EXPECT_EQ(Strokes(), c.strokes);
  EXPECT_EQ(result.recordsRead, c.recordsRead);
  EXPECT_EQ(result.lastRow, c.recordsRead - 1);
  EXPECT_EQ(result.tableEnded, c.tableEnded);
}

INSTANTIATE_TEST_SUITE_P(Chart, StrokeRulesTest, ::testing::ValuesIn(kStrokeCases),
                         [](const ::testing::TestParamInfo<StrokeCase>& info) { return std::string(info.param.name); });

TEST_F(ChartWindowTest, WindowAcrossMidnight) {
  Draw(Series(23 * 3600 + 59 * 60 + 30, 100));
  EXPECT_EQ(Labels(),
            (std::vector<std::pair<int, std::string>>{{65, "24:00"}, {265, "00:10"}, {465, "00:20"}, {665, "00:30"}}));
  const auto strokes = Strokes();
  ASSERT_EQ(strokes.size(), 70u);  // 00:00:00 to 00:01:09
  EXPECT_EQ(strokes[0].x, 80);
  EXPECT_EQ(strokes[2].x, 80);
  EXPECT_EQ(strokes[3].x, 81);
  EXPECT_EQ(strokes.back().x, 80 + 69 / 3);
}

TEST_F(ChartWindowTest, MidnightInsideTheWindowReadsZeroHours) {
  Draw(Series(23 * 3600 + 49 * 60 + 30, 40));
  EXPECT_EQ(Labels(),
            (std::vector<std::pair<int, std::string>>{{65, "23:50"}, {265, "00:00"}, {465, "00:10"}, {665, "00:20"}}));
}

TEST_F(ChartWindowTest, GridAndTicksWithNoChannelShown) {
  Draw(Series(12 * 3600 + 30, 600), {});
  EXPECT_TRUE(Strokes().empty());
  std::vector<int> gridY;
  int minor = 0, major = 0;
  for (const DrawOp& op : OpsOf(log, Op::Line)) {
    if (op.pen == Pen{PenStyle::Dotted, 1, 0x444444}) {
      EXPECT_EQ(op.x, 80);
      EXPECT_EQ(op.x2, 680);
      EXPECT_EQ(op.background, kBackground);  // the dots' gaps
      gridY.push_back(op.y);
    } else if (op.y == 511 && op.y2 == 516 && op.pen == Pen{PenStyle::Solid, 1, 0xFFFFFF}) {
      ++minor;
    } else if (op.y == 511 && op.y2 == 521 && op.pen == Pen{PenStyle::Solid, 1, 0x444444}) {
      EXPECT_EQ((op.x - 80) / 20 % 5, 4);  // 12:05, 12:10, ...
      ++major;
    } else {
      ADD_FAILURE() << "unexpected line at x " << op.x << " y " << op.y;
    }
  }
  EXPECT_EQ(gridY, (std::vector<int>{479, 379, 279, 179, 79}));
  EXPECT_EQ(minor, 25);
  EXPECT_EQ(major, 6);
  EXPECT_EQ(TextsAt(log, 245, 522), std::vector<std::string>{"12:10"});
}

TEST_F(ChartWindowTest, ChannelsAreDrawnInOrderForEachRecord) {
  Draw(Series(12 * 3600 + 59, 4), {7, 0});
  const auto strokes = Strokes();
  ASSERT_EQ(strokes.size(), 6u);
  for (std::size_t i = 0; i < strokes.size(); ++i)
    EXPECT_EQ(strokes[i].colour, Channel(i % 2 == 0 ? 0 : 7).colour) << i;
}

}  // namespace
}  // namespace helvarra::test
