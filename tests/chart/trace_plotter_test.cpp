// The trace plotter, driven through the viewer's first chart after "&Files":
// where strokes go, which are left out, the time axis and where the window
// ends.

#include <gtest/gtest.h>

#include "tests/support/fake_window_services.h"

namespace helvarra::test {
namespace {

struct Stroke {
  int x, fromY, toY;
  Colour colour;
  friend bool operator==(const Stroke&, const Stroke&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Stroke& s) {
    return os << "x " << s.x << " y " << s.fromY << "->" << s.toY << " colour " << std::hex << s.colour << std::dec;
  }
};

constexpr Colour kRed = 0x1E69D2;  // channel 0

// A record at hh:mm:ss with channel 0 at a value and the others at 100.
std::string At(int h, int m, int s, int value0) {
  return RecordLine("APLM", 24, 3, 15, h, m, s, {value0, 100, 100, 100, 100, 100, 100, 100});
}

class TracePlotterTest : public ::testing::Test {
 protected:
  // Opens the records with only the given channels shown and returns the
  // strokes of the chart that the first open draws.
  std::vector<Stroke> Plot(const std::string& bytes, std::initializer_list<int> channels = {0}) {
    v.ShowOnly(channels);
    v.fake.ClearLog();
    v.Open("plot.apl", bytes);
    std::vector<Stroke> out;
    for (const DrawOp& op : v.fake.TraceStrokes()) {
      EXPECT_EQ(op.x, op.x2);
      out.push_back({op.x, op.y, op.y2, op.pen.colour});
    }
    return out;
  }
  FakeViewer v;
};

TEST_F(TracePlotterTest, WorkedExampleSkipsTheFirstMinute) {
  const auto strokes = Plot(At(12, 0, 58, 100) + At(12, 0, 59, 100) + At(12, 1, 0, 1000) + At(12, 1, 1, 1000));
  EXPECT_EQ(v.dlg.m_nStartMinute, 721);
  EXPECT_EQ(strokes, (std::vector<Stroke>{{80, 379, 279, kRed}, {80, 279, 279, kRed}}));
  // The end of the file stops the timer even without a browse.
  EXPECT_EQ(v.fake.timerStops, 1);
  EXPECT_EQ(v.dlg.m_bBrowsing, 0);
  EXPECT_EQ(v.dlg.m_nLastSecond, 1);
  EXPECT_EQ(v.fake.maxHeld, 1);
}

TEST_F(TracePlotterTest, StepOverSixSecondsBreaksTheTrace) {
  const auto strokes = Plot(At(12, 0, 59, 100) + At(12, 1, 0, 1000) + At(12, 1, 1, 10000) + At(12, 1, 8, 100) +
                            At(12, 1, 9, 1000) + At(12, 1, 15, 100));
  EXPECT_EQ(strokes, (std::vector<Stroke>{
                         {80, 379, 279, kRed}, {80, 279, 179, kRed}, {83, 179, 279, kRed}, {85, 279, 379, kRed}}));
}

TEST_F(TracePlotterTest, ValuesBelowFiveAreNotDrawnNorIsTheStrokeAfterThem) {
  const auto strokes = Plot(At(12, 0, 59, 100) + At(12, 1, 0, 3) + At(12, 1, 1, 100) + At(12, 1, 2, 5) +
                            At(12, 1, 3, 100) + At(12, 1, 4, 0) + At(12, 1, 5, 100) + At(12, 1, 6, 100));
  EXPECT_EQ(strokes, (std::vector<Stroke>{{80, 379, 510, kRed}, {81, 510, 379, kRed}, {82, 379, 379, kRed}}));
}

TEST_F(TracePlotterTest, RowAboveFiveHundredEndsAStrokeButStartsNone) {
  const auto strokes = Plot(At(12, 0, 59, 100) + At(12, 1, 0, 600000) + At(12, 1, 1, 100) + At(12, 1, 2, 1000) +
                            At(12, 1, 3, 489779) + At(12, 1, 4, 100));
  EXPECT_EQ(strokes,
            (std::vector<Stroke>{{80, 379, 2, kRed}, {80, 379, 279, kRed}, {81, 279, 10, kRed}, {81, 10, 379, kRed}}));
}

TEST_F(TracePlotterTest, WindowAcrossMidnight) {
  const auto strokes = Plot(FakeViewer::Series(FakeViewer::Second(23, 59, 30), 100));
  EXPECT_EQ(v.dlg.m_nStartMinute, 1440);
  std::vector<std::pair<int, std::string>> labels;
  for (const DrawOp& op : v.fake.Ops(Op::Text))
    if (op.y == 522) labels.push_back({op.x, op.text});
  EXPECT_EQ(labels,
            (std::vector<std::pair<int, std::string>>{{65, "24:00"}, {265, "00:10"}, {465, "00:20"}, {665, "00:30"}}));
  ASSERT_EQ(strokes.size(), 70u);  // 00:00:00 to 00:01:09
  EXPECT_EQ(strokes[0].x, 80);
  EXPECT_EQ(strokes[2].x, 80);
  EXPECT_EQ(strokes[3].x, 81);
  EXPECT_EQ(strokes.back().x, 80 + 69 / 3);
}

TEST_F(TracePlotterTest, MidnightInsideTheWindowReadsZeroHours) {
  Plot(FakeViewer::Series(FakeViewer::Second(23, 49, 30), 40));
  EXPECT_EQ(v.dlg.m_nStartMinute, 1430);
  EXPECT_EQ(v.fake.TextsAt(65, 522), std::vector<std::string>{"23:50"});
  EXPECT_EQ(v.fake.TextsAt(265, 522), std::vector<std::string>{"00:00"});
}

TEST_F(TracePlotterTest, RecordAtTheWindowsEndIsDrawnAndEndsIt) {
  const auto strokes = Plot(At(12, 0, 59, 100) + At(12, 30, 57, 100) + At(12, 31, 0, 1000) + At(12, 31, 1, 1000));
  EXPECT_EQ(strokes, (std::vector<Stroke>{{680, 379, 279, kRed}}));
  EXPECT_EQ(v.dlg.m_nLastSecond, 0);
  EXPECT_EQ(v.fake.timerStops, 0);
}

TEST_F(TracePlotterTest, RecordJustPastTheWindowsEndIsDrawnAndEndsIt) {
  const auto strokes = Plot(At(12, 0, 59, 100) + At(12, 30, 59, 100) + At(12, 31, 5, 1000) + At(12, 31, 6, 1000));
  EXPECT_EQ(strokes, (std::vector<Stroke>{{681, 379, 279, kRed}}));
  EXPECT_EQ(v.dlg.m_nLastSecond, 5);
  EXPECT_EQ(v.fake.timerStops, 0);
}

TEST_F(TracePlotterTest, GridAndTicksWithNoChannelShown) {
  const auto strokes = Plot(FakeViewer::Series(FakeViewer::Second(12, 0, 30), 600), {});
  EXPECT_TRUE(strokes.empty());
  std::vector<int> gridY;
  int minor = 0, major = 0;
  for (const DrawOp& op : v.fake.Ops(Op::Line)) {
    if (op.pen == Pen{PenStyle::Dotted, 1, 0x444444}) {
      EXPECT_EQ(op.x, 80);
      EXPECT_EQ(op.x2, 680);
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
  EXPECT_EQ(v.fake.TextsAt(245, 522), std::vector<std::string>{"12:10"});
}

TEST_F(TracePlotterTest, ChannelsAreDrawnInOrderForEachRecord) {
  const auto strokes = Plot(FakeViewer::Series(FakeViewer::Second(12, 0, 59), 4), {7, 0});
  ASSERT_EQ(strokes.size(), 6u);
  for (std::size_t i = 0; i < strokes.size(); ++i) EXPECT_EQ(strokes[i].colour, i % 2 == 0 ? kRed : 0xEE82EE) << i;
}

}  // namespace
}  // namespace helvarra::test
