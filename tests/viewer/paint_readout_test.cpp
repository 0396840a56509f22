// Painting the window (empty, with a file, busy, minimised) and the cursor
// read-out a click in the plot gives.

#include <gtest/gtest.h>

#include "data/record_time.h"
#include "tests/support/fake_window_services.h"
#include "tests/support/dialog_test_access.h"

namespace helvarra::test {
namespace {

const std::string kBlank13(13, ' ');

TEST(PaintTest, WithoutAFileDrawsAnEmptyPlotAndTheAxisTitles) {
  FakeViewer v;
  v.fake.ClearLog();
  v.Send(EventKind::Paint);
  EXPECT_EQ(v.fake.defaultHandling, 1);
  const auto rects = v.fake.Ops(Op::Rectangle);
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ((Rect{rects[0].x, rects[0].y, rects[0].x2, rects[0].y2}), (Rect{79, 9, 681, 511}));
  EXPECT_EQ(rects[0].brush, 0u);

  const std::string title = "FLUX DENSITY - SFU";
  for (std::size_t i = 0; i < title.size(); ++i)
    EXPECT_EQ(v.fake.TextsAt(10, 130 + 15 * static_cast<int>(i)), std::vector<std::string>{title.substr(i, 1)}) << i;
  EXPECT_EQ(v.fake.TextsAt(305, 535), std::vector<std::string>{"UNIVERSAL TIME (UT)"});
  const struct {
    int x, y;
    const char* text;
  } labels[] = {{54, 469, "10"}, {46, 369, "100"}, {38, 269, "1000"}, {30, 169, "10000"}, {22, 69, "100000"}};
  for (const auto& l : labels) EXPECT_EQ(v.fake.TextsAt(l.x, l.y), std::vector<std::string>{l.text});
  EXPECT_TRUE(v.fake.TextsAt(690, 35).empty());
  EXPECT_TRUE(v.fake.TextsAt(690, 10).empty());
  EXPECT_TRUE(v.fake.Ops(Op::Line).empty());
  EXPECT_EQ(v.dlg.IsIdle(), 1);
}

TEST(PaintTest, WithAFileRedrawsThePanelAndTheChart) {
  FakeViewer v;
  v.Open("a.apl", FakeViewer::Series(FakeViewer::Second(13, 5, 0), 2000));
  v.fake.ClearLog();
  v.fake.maxHeld = 0;
  v.Send(EventKind::Paint);
  EXPECT_EQ(v.fake.TextsAt(155, 545).back(), "15-03-24 ");
  EXPECT_EQ(v.fake.TextsAt(155, 560).back(), "13:05 UT ");
  EXPECT_EQ(v.fake.TextsAt(530, 560).back(), "13:38 UT ");
  EXPECT_EQ(v.fake.TextsAt(690, 50).back(), "a.apl");
  EXPECT_EQ(v.fake.TextsAt(690, 10), std::vector<std::string>{"Learmonth     "});
  EXPECT_FALSE(v.fake.TraceStrokes().empty());
  EXPECT_EQ(v.fake.maxHeld, 2);
  EXPECT_EQ(v.fake.held, 0);
  EXPECT_EQ(v.fake.defaultHandling, 1);
  EXPECT_EQ(v.dlg.IsIdle(), 1);
}

TEST(PaintTest, BusyWindowDrawsNothingButTheDefaultPaint) {
  FakeViewer v;
  DialogTestAccess::Idle(v.dlg) = 0;
  v.fake.ClearLog();
  v.Send(EventKind::Paint);
  EXPECT_TRUE(v.fake.log.empty());
  EXPECT_EQ(v.fake.acquired, 1);
  EXPECT_EQ(v.fake.defaultHandling, 1);
}

TEST(PaintTest, MinimisedWindowShowsTheCentredIconOnly) {
  FakeViewer v;
  v.fake.minimised = true;
  v.fake.ClearLog();
  v.Send(EventKind::Paint);
  ASSERT_EQ(v.fake.log.size(), 1u);
  EXPECT_EQ(v.fake.log[0].op, Op::Icon);
  EXPECT_EQ(v.fake.log[0].x, (798 - 32 + 1) / 2);
  EXPECT_EQ(v.fake.log[0].y, (574 - 32 + 1) / 2);
  EXPECT_EQ(v.fake.log[0].x2, v.dlg.OnQueryDragIcon().resourceId);
  EXPECT_EQ(v.fake.iconErasures, 1);
  EXPECT_EQ(v.fake.paintCyclesEnded, 1);
  EXPECT_EQ(v.fake.acquired, 1);
  EXPECT_EQ(v.fake.defaultHandling, 0);
}

class ReadoutTest : public ::testing::Test {
 protected:
  ReadoutTest() { v.Open("a.apl", FakeViewer::Series(3600, 2000)); }
  // The texts of the three read-out lines after a click.
  std::array<std::vector<std::string>, 3> ClickAt(int x, int y) {
    v.fake.ClearLog();
    v.Click(x, y);
    return {v.fake.TextsAt(690, 80), v.fake.TextsAt(690, 95), v.fake.TextsAt(690, 110)};
  }
  FakeViewer v;
};

TEST_F(ReadoutTest, NamesTheChannelWhoseColourWasClicked) {
  v.fake.SetPixel(300, 200, v.dlg.Style().m_crChannel[2]);
  const auto lines = ClickAt(300, 200);
  EXPECT_EQ(lines[0], (std::vector<std::string>{kBlank13, "610 MHZ"}));
  const DrawOp label = v.fake.Ops(Op::Text)[3];  // a copy: Ops returns a temporary
  EXPECT_EQ(label.textColour, 0xFFFFFFu);
  EXPECT_EQ(label.background, FakeWindowServices::kBorderColour);
  EXPECT_EQ(label.font, "Courier");
  EXPECT_EQ(lines[1].size(), 2u);
  EXPECT_EQ(lines[2].size(), 2u);
  EXPECT_EQ(v.dlg.IsIdle(), 1);
  EXPECT_EQ(v.fake.defaultHandling, 1);

  v.fake.SetPixel(300, 200, 0);
  EXPECT_EQ(ClickAt(300, 200)[0], std::vector<std::string>{kBlank13});
}

TEST_F(ReadoutTest, BorderAndOutsideOnlyBlankTheLines) {
  for (auto [x, y] : {std::pair{79, 200}, std::pair{680, 200}, std::pair{300, 9}, std::pair{300, 510},
                      std::pair{720, 560}, std::pair{20, 20}}) {
    v.fake.SetPixel(x, y, v.dlg.Style().m_crChannel[0]);
    const auto lines = ClickAt(x, y);
    for (const auto& line : lines) EXPECT_EQ(line, std::vector<std::string>{kBlank13}) << x << "," << y;
  }
}

TEST_F(ReadoutTest, TimeAndFluxOfThePoint) {
  const struct {
    int startMinute, x;
    const char* time;
  } times[] = {
      {601, 80, "10:01:01 UT"}, {601, 679, "10:30:58 UT"}, {1440, 80, "00:00:01 UT"}, {1440, 679, "00:29:58 UT"}};
  for (const auto& t : times) {
    DialogTestAccess::WindowStart(v.dlg) = DaysFromCivil(2024, 3, 15) * kSecondsPerDay + t.startMinute * 60;
    EXPECT_EQ(ClickAt(t.x, 300)[2].back(), t.time) << t.startMinute << " " << t.x;
  }
  const std::pair<int, const char*> fluxes[] = {{479, "10 SFU"}, {480, "9 SFU"}, {509, "5 SFU"}, {10, "489778 SFU"}};
  for (const auto& [y, flux] : fluxes) EXPECT_EQ(ClickAt(300, y)[1].back(), flux) << y;
}

TEST_F(ReadoutTest, NeedsAnIdleWindowWithAFile) {
  DialogTestAccess::Idle(v.dlg) = 0;
  ClickAt(300, 200);
  EXPECT_TRUE(v.fake.log.empty());
  EXPECT_EQ(v.fake.defaultHandling, 1);

  FakeViewer empty;
  empty.fake.ClearLog();
  empty.Click(300, 200);
  EXPECT_TRUE(empty.fake.log.empty());
  EXPECT_EQ(empty.fake.defaultHandling, 1);
}

}  // namespace
}  // namespace helvarra::test
