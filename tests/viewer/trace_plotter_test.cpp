// The viewer's trace plotter, through the first chart after "&Files": the
// window the first record fixes, the channels the flags show, the second of
// the last record read, and the end of the table stopping the timer. Where
// the strokes go is the chart's, tested in tests/chart.

#include <gtest/gtest.h>

#include "tests/support/fake_window_services.h"

namespace helvarra::test {
namespace {

// A record at hh:mm:ss with channel 0 at a value and the others at 100.
std::string At(int h, int m, int s, int value0) {
  return RecordLine("APLM", 24, 3, 15, h, m, s, {value0, 100, 100, 100, 100, 100, 100, 100});
}

struct WindowCase {
  const char* name;
  std::string bytes;
  int startMinute;
  std::size_t strokes;  // channel 0's, the only one shown
  int lastSecond;
  bool tableEnds;  // and the timer is stopped, browsing or not
};

const WindowCase kWindowCases[] = {
    {"FirstMinuteFixesTheWindow", At(12, 0, 58, 100) + At(12, 0, 59, 100) + At(12, 1, 0, 1000) + At(12, 1, 1, 1000),
     721, 2, 1, true},
    {"RecordAtTheWindowsEnd", At(12, 0, 59, 100) + At(12, 30, 57, 100) + At(12, 31, 0, 1000) + At(12, 31, 1, 1000), 721,
     1, 0, false},
    {"RecordJustPastTheWindowsEnd",
     At(12, 0, 59, 100) + At(12, 30, 59, 100) + At(12, 31, 5, 1000) + At(12, 31, 6, 1000), 721, 1, 5, false},
    {"WindowAfterMidnight", FakeViewer::Series(FakeViewer::Second(23, 59, 30), 100), 1440, 70, 9, true},
    {"MidnightInsideTheWindow", FakeViewer::Series(FakeViewer::Second(23, 49, 30), 40), 1430, 10, 9, true},
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

class ViewerWindowTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(ViewerWindowTest, OpenDrawsTheWindowOfTheFirstRecord) {
  const WindowCase& c = GetParam();
  FakeViewer v;
  v.ShowOnly({0});
  v.Open("plot.apl", c.bytes);
  EXPECT_EQ(v.dlg.StartMinute(), c.startMinute);
  const DrawLog strokes = v.fake.TraceStrokes();
  EXPECT_EQ(strokes.size(), c.strokes);
  for (const DrawOp& op : strokes) EXPECT_EQ(op.pen.colour, Channel(0).colour);
  EXPECT_EQ(v.dlg.LastSecond(), c.lastSecond);
  EXPECT_EQ(v.fake.timerStops, c.tableEnds ? 1 : 0);
  EXPECT_EQ(v.dlg.IsBrowsing(), 0);
  EXPECT_EQ(v.fake.maxHeld, 1);
}

INSTANTIATE_TEST_SUITE_P(Viewer, ViewerWindowTest, ::testing::ValuesIn(kWindowCases),
                         [](const ::testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace helvarra::test
