// The day overview's part in the viewer: opened from the window menu over
// the main window's file, a click moving the main window, a stretch selected
// (in the overview or by a Shift+drag across the chart) measured, copied and
// exported, and the overview following another file.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "chart/overview_geometry.h"
#include "analysis/measurement_text.h"
#include "data/time_of_day.h"
#include "resources/dialog_templates.h"
#include "resources/strings.h"
#include "tests/support/fake_window_services.h"
#include "viewer/day_overview_dlg.h"

namespace helvarra::test {
namespace {

namespace res = resources;

class DayOverviewTest : public ::testing::Test {
 protected:
  DayOverviewTest() {
    v.Open("day.apl", FakeViewer::Series(FakeViewer::Second(10, 0, 0), 7200));
    v.dlg.Dispatch({.kind = EventKind::SystemCommand, .command = res::IDM_DAYOVERVIEW});
  }
  EventResult Overview(EventKind kind, int x = 0, int x2 = 0, int id = 0) {
    return v.overview.overviewEvents->Dispatch({.kind = kind, .id = id, .x = x, .x2 = x2});
  }
  int XOf(std::size_t row) { return OverviewRowX(v.dlg.ShownSeries()->table, v.overview.overviewSize, row); }
  int RowAt(int x) { return static_cast<int>(*OverviewRowAt(v.dlg.ShownSeries()->table, v.overview.overviewSize, x)); }
  FakeViewer v;
};

TEST_F(DayOverviewTest, OpensOverTheFileAndAClickMovesTheMainWindowThere) {
  ASSERT_NE(v.overview.overviewEvents, nullptr);
  EXPECT_EQ(v.overview.overviewTitle, "Day Overview - day.apl");
  EXPECT_TRUE(Overview(EventKind::Paint).routed);
  const int repaints = v.overview.overviewRepaints;
  const int row = RowAt(XOf(3600));  // a column holds six seconds here
  Overview(EventKind::LeftButtonDown, XOf(3600));
  EXPECT_EQ(v.dlg.RecordIndex(), row);  // as the slider let go there
  EXPECT_EQ(v.fake.sliderPos, row);
  EXPECT_EQ(v.dlg.StartMinute(), 11 * 60 + 1);
  EXPECT_EQ(v.dlg.ShownRows(), (RowRange{3660, 5460}));
  EXPECT_GT(v.overview.overviewRepaints, repaints);  // the shade follows

  v.Send(EventKind::Command, res::IDC_BROWSE);  // a release while browsing is ignored
  Overview(EventKind::LeftButtonDown, XOf(100));
  EXPECT_EQ(v.dlg.RecordIndex(), 0);
}

TEST_F(DayOverviewTest, ASelectionIsMeasuredCopiedAndExported) {
  EXPECT_EQ(v.overview.buttons, std::pair(false, true));  // nothing to copy yet
  EXPECT_EQ(v.overview.measurementShown.header.size(), 8u);
  Overview(EventKind::SpanSelected, XOf(4000), XOf(3000));
  const CDayOverviewDlg& overview = *v.dlg.Overview();
  ASSERT_TRUE(overview.SelectedRows(0));
  const RowRange rows = *overview.SelectedRows(0);  // the records of the columns from 3000's to 4000's
  const FluxTable& table = v.dlg.ShownSeries()->table;
  EXPECT_EQ(rows, OverviewRowsBetween(table, v.overview.overviewSize, XOf(3000), XOf(4000)));
  EXPECT_LE(rows.first, 3000u);
  EXPECT_GE(rows.last, 4000u);
  ASSERT_EQ(overview.Measurements().size(), 1u);
  const BurstMeasure& measure = overview.Measurements()[0].measure;
  EXPECT_EQ(CsvOf(v.overview.measurementShown), MeasurementCsv(table, measure));
  EXPECT_EQ(v.overview.buttons, std::pair(true, true));
  Overview(EventKind::Command, 0, 0, res::IDC_OVERVIEW_COPY);
  EXPECT_EQ(v.overview.clipboard, MeasurementClipboardText(table, measure));

  v.overview.savePath = (v.dir / "stretch.csv").string();
  Overview(EventKind::Command, 0, 0, res::IDC_OVERVIEW_EXPORT);
  EXPECT_EQ(v.overview.saveSuggested, "day.apl.csv");
  std::ifstream written(*v.overview.savePath);
  const std::string text{std::istreambuf_iterator<char>(written), {}};
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), static_cast<long>(2 + rows.last - rows.first));  // and a header
  EXPECT_EQ(text.substr(text.find('\n') + 1, 20),
            "2024-03-15T" + HourMinuteSecondText(36000 + static_cast<int>(rows.first)) + "Z");

  v.overview.savePath = (v.dir / "no such folder" / "x.csv").string();
  Overview(EventKind::Command, 0, 0, res::IDC_OVERVIEW_EXPORT);
  EXPECT_EQ(v.overview.warnings, std::vector<std::string>{"Could not write " + *v.overview.savePath});
}

// A Shift+drag across the chart selects the records of its columns; another
// file, or none, leaves no selection.
TEST_F(DayOverviewTest, AShiftDragAcrossTheChartSelectsAndANewFileClearsIt) {
  v.dlg.Dispatch({.kind = EventKind::SpanSelected, .x = 100, .x2 = 80});  // 10:01:00 to 10:02:02
  ASSERT_TRUE(v.dlg.Overview()->SelectedRows(0));
  EXPECT_EQ(*v.dlg.Overview()->SelectedRows(0), (RowRange{60, 122}));
  EXPECT_FALSE(v.overview.measurementShown.rows.empty());
  v.Open("next.apl", FakeViewer::Series(0, 300));
  EXPECT_EQ(v.overview.overviewTitle, "Day Overview - next.apl");
  EXPECT_FALSE(v.dlg.Overview()->Selection());
  EXPECT_TRUE(v.overview.measurementShown.rows.empty());
  EXPECT_EQ(v.overview.buttons, std::pair(false, true));
  v.Open("gone.apl", std::nullopt);
  EXPECT_EQ(v.overview.overviewTitle, "Day Overview");
  EXPECT_EQ(v.overview.buttons, std::pair(false, false));
}

}  // namespace
}  // namespace helvarra::test
