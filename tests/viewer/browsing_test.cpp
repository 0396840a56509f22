// "&Browse", "&Stop", the timer's steps through the file and the slider.

#include <gtest/gtest.h>

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
  EXPECT_EQ(v.dlg.m_bBrowsing, 1);
  EXPECT_EQ(v.dlg.m_nRecordIndex, 0);
  EXPECT_EQ(v.fake.acquired, acquired);

  Tick();
  EXPECT_EQ(v.dlg.m_nRecordIndex, 1861);
  EXPECT_EQ(v.dlg.m_nStartMinute, 1);
  Tick();
  EXPECT_EQ(v.fake.sliderPos, 1856);
  EXPECT_EQ(v.dlg.m_nRecordIndex, 3660);
  EXPECT_EQ(v.dlg.m_nStartMinute, 31);
  Tick();
  EXPECT_EQ(v.fake.sliderPos, 3655);
  EXPECT_EQ(v.dlg.m_nRecordIndex, 5460);
  EXPECT_EQ(v.dlg.m_nStartMinute, 61);
  EXPECT_EQ(v.fake.timerStops, 0);

  int ticks = 3;
  while (v.fake.timerRunning && ticks < 20) {
    Tick();
    ++ticks;
  }
  EXPECT_EQ(ticks, 8);
  EXPECT_EQ(v.dlg.m_bBrowsing, 0);
  EXPECT_EQ(v.fake.defaultHandling, 8);
  EXPECT_TRUE(v.fake.messages.empty());
  EXPECT_EQ(v.fake.held, 0);
}

TEST_F(BrowseTest, StopEndsTheBrowseAndBrowseStartsOverAtTheFirstRecord) {
  v.Send(EventKind::Command, res::IDC_BROWSE);
  Tick();
  v.Send(EventKind::Command, res::IDC_STOP);
  EXPECT_FALSE(v.fake.timerRunning);
  EXPECT_EQ(v.dlg.m_bBrowsing, 0);
  v.Send(EventKind::Command, res::IDC_BROWSE);
  EXPECT_EQ(v.fake.timerStarts, 2);
  EXPECT_EQ(v.dlg.m_bBrowsing, 1);
  EXPECT_EQ(v.dlg.m_nRecordIndex, 0);
  Tick();
  EXPECT_EQ(v.dlg.m_nRecordIndex, 1861);
}

TEST_F(BrowseTest, BrowseDuringABrowseStartsOverAtTheFirstRecord) {
  v.Send(EventKind::Command, res::IDC_BROWSE);
  Tick();
  Tick();
  EXPECT_EQ(v.dlg.m_nRecordIndex, 3660);
  v.Send(EventKind::Command, res::IDC_BROWSE);
  EXPECT_EQ(v.dlg.m_nRecordIndex, 0);
  EXPECT_EQ(v.fake.timerStarts, 2);
  EXPECT_TRUE(v.fake.timerRunning);
  Tick();
  EXPECT_EQ(v.dlg.m_nStartMinute, 1);
  EXPECT_EQ(v.dlg.m_nRecordIndex, 1861);
}

TEST_F(BrowseTest, SliderReleaseMovesTheWindowOnlyWhenNotBrowsing) {
  v.fake.sliderPos = 7200;
  const int acquired = v.fake.acquired;
  EXPECT_EQ(v.Send(EventKind::SliderReleased, res::IDC_SLIDER).notifyResult, 0);
  EXPECT_EQ(v.dlg.m_nRecordIndex, 7200);
  EXPECT_EQ(v.dlg.m_nStartMinute, 121);
  EXPECT_EQ(v.fake.acquired, acquired + 1);

  v.Send(EventKind::Command, res::IDC_BROWSE);
  Tick();
  EXPECT_EQ(v.fake.sliderPos, 0);  // the browse starts over, the slider with it
  v.fake.sliderPos = 9000;
  v.fake.ClearLog();
  v.Send(EventKind::SliderReleased, res::IDC_SLIDER);
  EXPECT_EQ(v.dlg.m_nRecordIndex, 1861);
  EXPECT_TRUE(v.fake.log.empty());
}

TEST_F(BrowseTest, CheckBoxDuringABrowseStepsTheWindowOn) {
  v.Send(EventKind::Command, res::IDC_BROWSE);
  Tick();
  v.Send(EventKind::Command, Channel(0).controlId);
  EXPECT_EQ(v.dlg.m_bShow245, 0);
  EXPECT_EQ(v.dlg.m_nRecordIndex, 3660);
}

TEST(BrowseEdgeTest, BrowseNeedsAFile) {
  FakeViewer v;
  v.Send(EventKind::Command, res::IDC_BROWSE);
  EXPECT_EQ(v.fake.timerStarts, 0);
  EXPECT_EQ(v.dlg.m_bBrowsing, 0);
}

TEST(BrowseEdgeTest, FileShorterThanAWindowEndsOnTheFirstTick) {
  FakeViewer v;
  v.Open("short.apl", FakeViewer::Series(3600, 600));
  v.Send(EventKind::Command, res::IDC_BROWSE);
  v.Send(EventKind::TimerTick);
  EXPECT_FALSE(v.fake.timerRunning);
  EXPECT_EQ(v.dlg.m_bBrowsing, 0);
  EXPECT_EQ(v.dlg.m_nRecordIndex, 0);
}

TEST(BrowseEdgeTest, StepBackStopsAtTheFirstRecordOfASparseFile) {
  FakeViewer v;
  v.Open("sparse.apl", FakeViewer::Series(29, 120, 60));  // hh:mm:29, one a minute
  v.Send(EventKind::Command, res::IDC_BROWSE);
  v.Send(EventKind::TimerTick);
  ASSERT_EQ(v.dlg.m_nRecordIndex, 32);
  ASSERT_EQ(v.dlg.m_nLastSecond, 29);  // 34 records back from record 33: one before the file
  v.Send(EventKind::TimerTick);
  EXPECT_TRUE(v.fake.messages.empty());
  EXPECT_EQ(v.fake.sliderPos, 0);
  EXPECT_EQ(v.dlg.m_nStartMinute, 1);
  EXPECT_EQ(v.dlg.m_bIdle, 1);
  EXPECT_EQ(v.fake.held, 0);
}

}  // namespace
}  // namespace helvarra::test
