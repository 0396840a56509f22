// The main dialog's start state, its event table, the channel check boxes
// with "&Select Toggle", and the application's start-up.

#include <gtest/gtest.h>

#include "resources/dialog_templates.h"
#include "tests/support/dialog_test_access.h"
#include "resources/strings.h"
#include "tests/support/fake_window_services.h"
#include "viewer/flux_viewer_app.h"

namespace helvarra::test {
namespace {

namespace res = resources;

TEST(DialogStartTest, InitWindowSetsControlsMenuIconsFontsAndColours) {
  FakeViewer v;
  const auto& d = v.dlg;
  for (int id = res::IDC_CHECK_FIRST; id <= res::IDC_CHECK_LAST; ++id) EXPECT_EQ(v.fake.checks.at(id), 1) << id;
  for (int k = 0; k < kChannelCount; ++k) EXPECT_EQ(d.ShowFlag(k), 1) << k;

  ASSERT_EQ(v.fake.systemMenu.size(), 7u);
  EXPECT_EQ(v.fake.systemMenu[0].first, "");  // the separator first
  EXPECT_EQ(v.fake.systemMenu[1], (std::pair<std::string, unsigned>{"&About Tarrawin...", res::IDM_ABOUTBOX}));
  EXPECT_EQ(v.fake.systemMenu[2], (std::pair<std::string, unsigned>{"&Day Overview...", res::IDM_DAYOVERVIEW}));
  EXPECT_EQ(v.fake.systemMenu[3], (std::pair<std::string, unsigned>{"&Next Station", res::IDM_NEXTSTATION}));
  EXPECT_EQ(v.fake.systemMenu[4], (std::pair<std::string, unsigned>{"P&revious Station", res::IDM_PREVSTATION}));
  EXPECT_EQ(v.fake.systemMenu[5], (std::pair<std::string, unsigned>{"Next &Burst", res::IDM_NEXTBURST}));
  EXPECT_EQ(v.fake.systemMenu[6], (std::pair<std::string, unsigned>{"Pre&vious Burst", res::IDM_PREVBURST}));
  for (const auto& [command, enabled] : v.fake.menuEnabled) EXPECT_FALSE(enabled) << command;  // nothing to show yet
  EXPECT_EQ(v.fake.menuEnabled.size(), 5u);
  EXPECT_EQ(v.fake.windowIcons, std::vector<Icon>{d.OnQueryDragIcon()});

  EXPECT_EQ(d.Style().m_fontSmall.face, "Courier");
  EXPECT_EQ(d.Style().m_fontSmall.pixelHeight, 13);
  EXPECT_EQ(d.Style().m_fontLarge.face, "New Roman");
  EXPECT_EQ(d.Style().m_fontLarge.pixelHeight, 18);
  EXPECT_EQ(d.IsIdle(), 1);
  EXPECT_EQ(d.IsBrowsing(), 0);
  EXPECT_EQ(d.IsFileLoaded(), 0);
  EXPECT_EQ(v.fake.acquired, v.fake.released);

  const std::array<Colour, 8> channels{0x1E69D2, 0x0000FF, 0x00A5FF, 0x00FFFF, 0x32CD32, 0xD4FF7F, 0xFFBF00, 0xEE82EE};
  EXPECT_EQ(d.Style().m_crChannel, channels);
  for (std::size_t k = 0; k < 8; ++k) EXPECT_EQ(d.Style().m_penChannel[k], (Pen{PenStyle::Solid, 2, channels[k]}));
  EXPECT_EQ(d.Style().m_crGrid, 0x444444u);
  EXPECT_EQ(d.Style().m_crText, 0xFFFFFFu);
  EXPECT_EQ(d.Style().m_crPlot, 0u);
  EXPECT_EQ(d.Style().m_crBackground, FakeWindowServices::kBorderColour);
  EXPECT_EQ(d.Style().m_penGrid, (Pen{PenStyle::Dotted, 1, 0x444444}));
  EXPECT_EQ(d.Style().m_penMinorTick, (Pen{PenStyle::Solid, 1, 0xFFFFFF}));
  EXPECT_EQ(d.Style().m_penMajorTick, (Pen{PenStyle::Solid, 1, 0x444444}));
  EXPECT_EQ(d.Style().m_rcPlot, (Rect{79, 9, 681, 511}));
  EXPECT_EQ(d.Style().m_rcTimeAxis, (Rect{60, 511, 705, 535}));
}

TEST(DialogStartTest, StartUpRunsTheMainDialogAndReturnsFalse) {
  FakeWindowServices fake;
  FakeOverviewServices overview;
  CFluxViewerApp app;
  EXPECT_FALSE(app.StartUp(fake, overview));
  EXPECT_EQ(fake.modalRuns, std::vector<int>{res::kMainDialogId});
  EXPECT_EQ(fake.systemMenu.size(), 7u);  // InitWindow ran inside the run
}

TEST(EventTableTest, QuitReadsTheBoxesBackAndCancelEndsWithTwo) {
  FakeViewer v;
  v.fake.checks[Channel(3).controlId] = 0;
  v.fake.checks[Channel(7).controlId] = 2;
  EXPECT_TRUE(v.Send(EventKind::Command, res::IDOK).routed);
  EXPECT_EQ(v.dlg.ShowFlag(3), 0);
  EXPECT_EQ(v.dlg.ShowFlag(7), 2);
  EXPECT_EQ(v.dlg.ShowFlag(0), 1);
  v.Send(EventKind::Command, res::IDCANCEL);
  EXPECT_EQ(v.fake.endModalCodes, (std::vector<int>{res::IDOK, res::IDCANCEL}));
}

// About for 16 and the Day Overview for 32, whatever their low four bits
// (the overview only with a file open); anything else is the platform's.
TEST(EventTableTest, WindowMenuRunsAboutAndTheOverviewForTheirCommands) {
  FakeViewer v;
  for (unsigned command : {res::IDM_ABOUTBOX, res::IDM_ABOUTBOX | 1, res::IDM_ABOUTBOX | 0xF})
    v.dlg.Dispatch({.kind = EventKind::SystemCommand, .command = command});
  EXPECT_EQ(v.fake.modalRuns, (std::vector<int>(3, res::kAboutDialogId)));
  v.dlg.Dispatch({.kind = EventKind::SystemCommand, .command = res::IDM_DAYOVERVIEW});
  EXPECT_EQ(v.overview.overviewShown, 0);  // no file: nothing to show
  v.Open("day.apl", FakeViewer::Series(0, 600));
  EXPECT_TRUE(v.fake.menuEnabled.at(res::IDM_DAYOVERVIEW));
  for (unsigned command : {res::IDM_DAYOVERVIEW, res::IDM_DAYOVERVIEW | 0xF})
    v.dlg.Dispatch({.kind = EventKind::SystemCommand, .command = command});
  EXPECT_EQ(v.overview.overviewShown, 2);
  EXPECT_EQ(v.overview.overviewTitle, "Day Overview - day.apl");
  EXPECT_EQ(v.fake.defaultHandling, 0);
  for (unsigned command : {SC_MINIMIZE, 0x70u}) v.dlg.Dispatch({.kind = EventKind::SystemCommand, .command = command});
  EXPECT_EQ(v.fake.modalRuns.size(), 3u);
  EXPECT_EQ(v.overview.overviewShown, 2);
  EXPECT_EQ(v.fake.defaultHandling, 2);
}

TEST(EventTableTest, UnknownSourcesAreNotRouted) {
  FakeViewer v;
  EXPECT_FALSE(v.Send(EventKind::Command, res::IDC_FILES - 1).routed);
  EXPECT_FALSE(v.Send(EventKind::SliderReleased, res::IDC_SELECT_TOGGLE).routed);
  EXPECT_TRUE(v.Send(EventKind::SliderReleased, res::IDC_SLIDER).routed);
  EXPECT_EQ(v.Send(EventKind::QueryDragIcon).icon, v.dlg.OnQueryDragIcon());
}

// "&Select Toggle" clears every channel when all are shown and shows every
// one otherwise, the check boxes set to match.
TEST(ChannelControlsTest, SelectToggleClearsAllOnlyWhenAllAreShown) {
  using Flags = std::array<int, kChannelCount>;
  const std::pair<Flags, int> cases[] = {{{1, 1, 1, 1, 1, 1, 1, 1}, 0},
                                         {{0, 0, 0, 0, 0, 0, 0, 0}, 1},
                                         {{1, 1, 1, 0, 1, 1, 1, 1}, 1},
                                         {{1, 0, 0, 0, 0, 0, 0, 0}, 1}};
  for (const auto& [before, after] : cases) {
    FakeViewer v;
    for (int k = 0; k < kChannelCount; ++k) DialogTestAccess::ShowFlag(v.dlg, k) = before[static_cast<std::size_t>(k)];
    v.Send(EventKind::Command, res::IDC_SELECT_TOGGLE);
    for (int k = 0; k < kChannelCount; ++k) {
      EXPECT_EQ(v.dlg.ShowFlag(k), after) << k;
      EXPECT_EQ(v.fake.checks.at(Channel(k).controlId), after) << k;
    }
    EXPECT_EQ(v.fake.acquired, 1);  // InitWindow's only: no file, no drawing
  }

  // With a file open each toggle redraws the chart with the new channels.
  FakeViewer v;
  v.Open("a.apl", FakeViewer::Series(0, 200));
  v.fake.ClearLog();
  v.Send(EventKind::Command, res::IDC_SELECT_TOGGLE);
  EXPECT_TRUE(v.fake.TraceStrokes().empty());
  EXPECT_FALSE(v.fake.Ops(Op::Line).empty());  // grid and ticks
  v.fake.ClearLog();
  v.Send(EventKind::Command, res::IDC_SELECT_TOGGLE);
  EXPECT_EQ(v.fake.TraceStrokes().size(), 8u * 140);  // from 00:01:00, every channel
}

// Strokes in a channel's colour.
std::size_t StrokesOf(const FakeViewer& v, int k) {
  std::size_t n = 0;
  for (const DrawOp& op : v.fake.TraceStrokes()) n += op.pen.colour == Channel(k).colour;
  return n;
}

// A check box flips its channel's flag; without a file nothing is drawn, and
// the first chart of a file opened later follows the flags.
TEST(ChannelControlsTest, CheckBoxFlipsItsFlagAndRedrawsOnlyWithAFile) {
  FakeViewer v;
  v.Send(EventKind::Command, Channel(0).controlId);
  EXPECT_EQ(v.dlg.ShowFlag(0), 0);
  v.Send(EventKind::Command, Channel(0).controlId);
  EXPECT_EQ(v.dlg.ShowFlag(0), 1);
  DialogTestAccess::ShowFlag(v.dlg, 7) = 2;
  v.Send(EventKind::Command, Channel(7).controlId);
  EXPECT_EQ(v.dlg.ShowFlag(7), 0);
  v.Send(EventKind::Command, Channel(4).controlId);
  EXPECT_EQ(v.dlg.ShowFlag(4), 0);
  EXPECT_EQ(v.fake.acquired, 1);

  v.Open("a.apl", FakeViewer::Series(0, 200));
  EXPECT_EQ(StrokesOf(v, 4), 0u);
  EXPECT_EQ(StrokesOf(v, 7), 0u);
  EXPECT_EQ(StrokesOf(v, 3), 140u);
  const int before = v.fake.acquired;
  v.fake.ClearLog();
  v.Send(EventKind::Command, Channel(4).controlId);
  EXPECT_EQ(v.dlg.ShowFlag(4), 1);
  EXPECT_EQ(v.fake.acquired, before + 1);
  EXPECT_EQ(StrokesOf(v, 4), 140u);
}

TEST(ChannelControlsTest, CheckBoxLabelsTakeTheirChannelColour) {
  FakeViewer v;
  for (int k = 0; k < kChannelCount; ++k) {
    const EventResult r =
        v.dlg.Dispatch({.kind = EventKind::ControlColor, .id = Channel(k).controlId, .controlKind = CTLCOLOR_STATIC});
    EXPECT_EQ(r.colour, Channel(k).colour) << k;
  }
  for (auto [id, kind] :
       {std::pair{res::IDC_SLIDER, CTLCOLOR_STATIC}, std::pair{res::IDC_CHECK_LAST + 1, CTLCOLOR_STATIC},
        std::pair{res::IDC_CHECK_FIRST, CTLCOLOR_BTN}}) {
    EXPECT_EQ(v.dlg.Dispatch({.kind = EventKind::ControlColor, .id = id, .controlKind = kind}).colour, std::nullopt)
        << id << " " << kind;
  }
}

}  // namespace
}  // namespace helvarra::test
