// "&Browse", "&Stop", the timer's steps through the file and the slider.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resources/dialog_templates.h"
#include "tests/support/fake_window_services.h"

namespace helvarra::test {
namespace {

namespace res = resources;

// Four hours, one record a second from midnight.
const std::string& FourHours() {
  static const std::string bytes = FakeViewer::Series(0, 14400);
  return bytes;
}

class BrowseTest : public ::testing::Test {
 protected:
  BrowseTest() { v.Open("day.apl", FourHours()); }
  void Tick() { v.Send(EventKind::TimerTick); }
  FakeViewer v;
};

TEST_F(BrowseTest, EachTickMovesOnOneWindowFromTheLastOnesEnd) {
  const int acquired = v.fake.acquired;
  v.Send(EventKind::Command, res::IDC_BROWSE);
  EXPECT_TRUE(v.fake.timerRunning);
  EXPECT_EQ(v.dlg.IsBrowsing(), 1);
  EXPECT_EQ(v.dlg.RecordIndex(), 0);
  EXPECT_EQ(v.fake.acquired, acquired);

  Tick();
  EXPECT_EQ(v.dlg.RecordIndex(), 1861);
  EXPECT_EQ(v.dlg.StartMinute(), 1);
  Tick();
  EXPECT_EQ(v.fake.sliderPos, 1856);
  EXPECT_EQ(v.dlg.RecordIndex(), 3660);
  EXPECT_EQ(v.dlg.StartMinute(), 31);
  Tick();
  EXPECT_EQ(v.fake.sliderPos, 3655);
  EXPECT_EQ(v.dlg.RecordIndex(), 5460);
  EXPECT_EQ(v.dlg.StartMinute(), 61);
  EXPECT_EQ(v.fake.timerStops, 0);

  int ticks = 3;
  while (v.fake.timerRunning && ticks < 20) {
    Tick();
    ++ticks;
  }
  EXPECT_EQ(ticks, 8);
  EXPECT_EQ(v.dlg.IsBrowsing(), 0);
  EXPECT_EQ(v.fake.defaultHandling, 8);
  EXPECT_TRUE(v.fake.messages.empty());
  EXPECT_EQ(v.fake.held, 0);
}

TEST_F(BrowseTest, StopEndsTheBrowseAndBrowseStartsOverAtTheFirstRecord) {
  v.Send(EventKind::Command, res::IDC_BROWSE);
  Tick();
  v.Send(EventKind::Command, res::IDC_STOP);
  EXPECT_FALSE(v.fake.timerRunning);
  EXPECT_EQ(v.dlg.IsBrowsing(), 0);
  v.Send(EventKind::Command, res::IDC_BROWSE);
  EXPECT_EQ(v.fake.timerStarts, 2);
  EXPECT_EQ(v.dlg.IsBrowsing(), 1);
  EXPECT_EQ(v.dlg.RecordIndex(), 0);
  Tick();
  EXPECT_EQ(v.dlg.RecordIndex(), 1861);
}

TEST_F(BrowseTest, BrowseDuringABrowseStartsOverAtTheFirstRecord) {
  v.Send(EventKind::Command, res::IDC_BROWSE);
  Tick();
  Tick();
  EXPECT_EQ(v.dlg.RecordIndex(), 3660);
  v.Send(EventKind::Command, res::IDC_BROWSE);
  EXPECT_EQ(v.dlg.RecordIndex(), 0);
  EXPECT_EQ(v.fake.timerStarts, 2);
  EXPECT_TRUE(v.fake.timerRunning);
  Tick();
  EXPECT_EQ(v.dlg.StartMinute(), 1);
  EXPECT_EQ(v.dlg.RecordIndex(), 1861);
}

TEST_F(BrowseTest, SliderReleaseMovesTheWindowOnlyWhenNotBrowsing) {
  v.fake.sliderPos = 7200;
  const int acquired = v.fake.acquired;
  EXPECT_EQ(v.Send(EventKind::SliderReleased, res::IDC_SLIDER).notifyResult, 0);
  EXPECT_EQ(v.dlg.RecordIndex(), 7200);
  EXPECT_EQ(v.dlg.StartMinute(), 121);
  EXPECT_EQ(v.fake.acquired, acquired + 1);

  v.Send(EventKind::Command, res::IDC_BROWSE);
  Tick();
  EXPECT_EQ(v.fake.sliderPos, 0);  // the browse starts over, the slider with it
  v.fake.sliderPos = 9000;
  v.fake.ClearLog();
  v.Send(EventKind::SliderReleased, res::IDC_SLIDER);
  EXPECT_EQ(v.dlg.RecordIndex(), 1861);
  EXPECT_TRUE(v.fake.log.empty());
}

TEST_F(BrowseTest, CheckBoxDuringABrowseStepsTheWindowOn) {
  v.Send(EventKind::Command, res::IDC_BROWSE);
  Tick();
  v.Send(EventKind::Command, Channel(0).controlId);
  EXPECT_EQ(v.dlg.ShowFlag(0), 0);
  EXPECT_EQ(v.dlg.RecordIndex(), 3660);
}

TEST(BrowseEdgeTest, BrowseNeedsAFile) {
  FakeViewer v;
  v.Send(EventKind::Command, res::IDC_BROWSE);
  EXPECT_EQ(v.fake.timerStarts, 0);
  EXPECT_EQ(v.dlg.IsBrowsing(), 0);
}

TEST(BrowseEdgeTest, FileShorterThanAWindowEndsOnTheFirstTick) {
  FakeViewer v;
  v.Open("short.apl", FakeViewer::Series(3600, 600));
  v.Send(EventKind::Command, res::IDC_BROWSE);
  v.Send(EventKind::TimerTick);
  EXPECT_FALSE(v.fake.timerRunning);
  EXPECT_EQ(v.dlg.IsBrowsing(), 0);
  EXPECT_EQ(v.dlg.RecordIndex(), 0);
}

// A browse from the start of files with gaps and sparse records: every
// window starts later than the one before, the browse reaches the end of the
// file, and after a gap longer than a window the next window is the one of
// the first record after the gap (the minute after its minute).
struct GapCase {
  const char* name;
  std::string bytes;
  int firstAfterGap;  // second of the day of the first record after the gap; -1: none
  int step;           // seconds every window starts after the one before; 0: any
};

std::string TwoStretches(int firstEnd, int secondStart, int secondEnd) {
  return FakeViewer::Series(FakeViewer::Second(8, 0, 0), firstEnd - FakeViewer::Second(8, 0, 0)) +
         FakeViewer::Series(secondStart, secondEnd - secondStart);
}

const GapCase kGapCases[] = {
    {"NightOfElevenHours", TwoStretches(FakeViewer::Second(10, 20, 18), FakeViewer::Second(21, 37, 30),
                                        FakeViewer::Second(22, 40, 0)),
     FakeViewer::Second(21, 37, 30), 0},
    {"GapOf31Minutes", TwoStretches(FakeViewer::Second(9, 0, 0), FakeViewer::Second(9, 31, 0), FakeViewer::Second(10, 30, 0)),
     FakeViewer::Second(9, 31, 0), 0},
    {"GapOf61Minutes", TwoStretches(FakeViewer::Second(9, 10, 45), FakeViewer::Second(10, 11, 45), FakeViewer::Second(11, 0, 0)),
     FakeViewer::Second(10, 11, 45), 0},
    {"GapOf120Minutes", TwoStretches(FakeViewer::Second(8, 59, 1), FakeViewer::Second(10, 59, 1), FakeViewer::Second(12, 0, 0)),
     FakeViewer::Second(10, 59, 1), 0},
    {"ARecordEveryTwoSeconds", FakeViewer::Series(FakeViewer::Second(6, 0, 0), 5400, 2), -1, 1800},
    {"ARecordEveryMinute", FakeViewer::Series(29, 200, 60), -1, 1800},
    {"RecordsBackInTimeAtTheEnd",
     FakeViewer::Series(FakeViewer::Second(8, 0, 0), 3600) + FakeViewer::Series(FakeViewer::Second(8, 10, 0), 100), -1,
     0},
};

void PrintTo(const GapCase& c, std::ostream* os) { *os << c.name; }

class BrowseGapTest : public ::testing::TestWithParam<GapCase> {};

TEST_P(BrowseGapTest, EveryWindowIsLaterAndTheBrowseEnds) {
  const GapCase& c = GetParam();
  FakeViewer v;
  v.Open("gaps.apl", c.bytes);
  v.Send(EventKind::Command, res::IDC_BROWSE);
  std::vector<std::int64_t> starts;
  for (int tick = 0; v.fake.timerRunning && tick < 100; ++tick) {
    v.Send(EventKind::TimerTick);
    const std::int64_t start = v.dlg.Shown()->start;
    if (!v.fake.timerRunning && !starts.empty() && start == starts.back()) break;  // ended on the window it showed
    starts.push_back(start);
  }
  EXPECT_FALSE(v.fake.timerRunning) << "the browse did not end";
  EXPECT_TRUE(v.fake.messages.empty());
  for (std::size_t i = 1; i < starts.size(); ++i) {
    EXPECT_GT(starts[i], starts[i - 1]) << "window " << i;
    if (c.step != 0) {
      EXPECT_EQ(starts[i] - starts[i - 1], c.step) << "window " << i;
    }
  }
  if (c.firstAfterGap >= 0) {
    const std::int64_t day = starts.front() - starts.front() % 86400;
    const std::int64_t afterGap = day + c.firstAfterGap - c.firstAfterGap % 60 + 60;
    const auto at = std::ranges::find(starts, afterGap);
    ASSERT_NE(at, starts.end());
    ASSERT_NE(at, starts.begin());
    EXPECT_LT(*(at - 1) + 1800, day + c.firstAfterGap);  // the window before ended in the gap
  }
}

INSTANTIATE_TEST_SUITE_P(Browse, BrowseGapTest, ::testing::ValuesIn(kGapCases),
                         [](const ::testing::TestParamInfo<GapCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace helvarra::test
