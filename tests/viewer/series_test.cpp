// Files opened together: a day split at midnight into two files shows what
// the whole day shows, window for window; files of two stations each show
// what their own files alone show.

#include <gtest/gtest.h>

#include <sstream>

#include "analysis/csv_export.h"
#include "analysis/measurement_text.h"
#include "chart/overview_geometry.h"
#include "resources/dialog_templates.h"
#include "resources/strings.h"
#include "tests/support/fake_window_services.h"
#include "viewer/day_overview_dlg.h"

namespace helvarra::test {
namespace {

namespace res = resources;

// What a window drew: its strokes and its time axis's labels, in order.
std::vector<std::tuple<int, int, int, int, Colour>> Drawn(const FakeViewer& v) {
  std::vector<std::tuple<int, int, int, int, Colour>> drawn;
  for (const DrawOp& op : v.fake.log)
    if (op.op == Op::Line && op.pen.width == 2) drawn.emplace_back(op.x, op.y, op.x2, op.y2, op.pen.colour);
  for (const std::string& label : v.fake.TextsAt(65, 522)) drawn.emplace_back(0, 0, 0, 0, std::stoi(label.substr(0, 2)));
  return drawn;
}

std::string Csv(const FluxTable& table) {
  std::ostringstream out;
  WriteRecordsCsv(out, table, 0, table.size() - 1);
  return out.str();
}

// 22:00 on 14 March to 02:00 on the 15th, a record a second with a burst at
// midnight; the same split at 00:00 UT into two files.
class SplitDayTest : public ::testing::Test {
 protected:
  SplitDayTest() {
    const int start = FakeViewer::Second(22, 0, 0);
    auto values = [](int i) { return std::array<int, 8>{100 + i % 700, 200, 300, 400, 500, 600, 700, 800}; };
    for (int i = 0; i < 14400; ++i) (i < 7200 ? before : after) += FakeViewer::Series(start + i, 1, 1, values(i));
    whole.Open("day.apl", before + after);
    split.OpenAll({{"15MAR24.APL", after}, {"14MAR24.APL", before}});  // in either order
  }
  std::string before, after;
  FakeViewer whole, split;
};

TEST_F(SplitDayTest, EveryWindowAndTheCsvAreTheWholeDays) {
  ASSERT_EQ(split.dlg.RecordCount(), whole.dlg.RecordCount());
  EXPECT_EQ(Csv(split.dlg.ShownSeries()->table), Csv(whole.dlg.ShownSeries()->table));
  for (int index : {0, 5000, 7150, 7170, 9000, 14340}) {  // 7150 and 7170: windows across 00:00
    for (FakeViewer* v : {&whole, &split}) {
      v->fake.ClearLog();
      v->fake.sliderPos = index;
      v->Send(EventKind::SliderReleased, res::IDC_SLIDER);
    }
    EXPECT_EQ(Drawn(split), Drawn(whole)) << "window of record " << index;
    EXPECT_EQ(split.dlg.FileName(), index < 7140 ? "14MAR24.APL" : "15MAR24.APL") << index;
  }
  std::vector<std::pair<int, int>> windows[2];
  for (int i = 0; i < 2; ++i) {
    FakeViewer& v = i == 0 ? whole : split;
    v.Send(EventKind::Command, res::IDC_BROWSE);
    while (v.fake.timerRunning) {
      v.Send(EventKind::TimerTick);
      windows[i].emplace_back(v.dlg.StartMinute(), v.fake.sliderPos);
    }
  }
  EXPECT_EQ(windows[1], windows[0]);
}

}  // namespace
}  // namespace helvarra::test

namespace helvarra::test {
namespace {

// Learmonth 20:00 to 02:00 and Palehua 22:00 to 04:00, a record a second, a
// burst at both from 23:00 for ten minutes, Palehua's flux 1.5 times.
std::string Station(const char* code, int from, int to, double factor) {
  std::string bytes;
  for (int t = from; t < to; ++t) {
    const int burst = t >= FakeViewer::Second(23, 0, 0) && t < FakeViewer::Second(23, 10, 0) ? 20 * (t % 600) : 0;
    const int v = static_cast<int>((200 + burst) * factor);
    const int at = t % 86400;
    bytes += RecordLine(code, 24, 3, 15 + t / 86400, at / 3600, at / 60 % 60, at % 60, {v, v, v, v, v, v, v, v});
  }
  return bytes;
}

class TwoStationsTest : public ::testing::Test {
 protected:
  TwoStationsTest() {
    const std::string lea = Station("APLM", FakeViewer::Second(20, 0, 0), 86400 + 7200, 1.0);
    const std::string pal = Station("PHFF", FakeViewer::Second(22, 0, 0), 86400 + 4 * 3600, 1.5);
    both.OpenAll({{"p.phf", pal}, {"l.apl", lea}});
    alone[0].Open("l.apl", lea);
    alone[1].Open("p.phf", pal);
    for (FakeViewer* v : {&both, &alone[0], &alone[1]})
      v->dlg.Dispatch({.kind = EventKind::SystemCommand, .command = res::IDM_DAYOVERVIEW});
  }
  EventResult Overview(FakeViewer& v, EventKind kind, int x, int y = 0, int x2 = 0) {
    return v.overview.overviewEvents->Dispatch({.kind = kind, .x = x, .y = y, .x2 = x2});
  }
  FakeViewer both, alone[2];
};

TEST_F(TwoStationsTest, EachStationMeasuresAndMovesAsItsOwnFilesAlone) {
  ASSERT_EQ(both.dlg.Files().Network().stations.size(), 2u);
  EXPECT_EQ(both.overview.overviewTitle, "Day Overview - Learmonth, Palehua (2 files)");
  // A stretch over the burst, by its UT seconds, at both stations.
  const FluxTable& lea = both.dlg.Files().Network().stations[0].table;
  const SecondRange burst{RecordTime(lea[0]) + 3 * 3600 - 120, RecordTime(lea[0]) + 3 * 3600 + 900};
  both.dlg.Overview()->Select(burst);
  ASSERT_EQ(both.dlg.Overview()->Measurements().size(), 2u);
  std::string lines;
  for (int s = 0; s < 2; ++s) {
    alone[s].dlg.Overview()->Select(burst);
    const StationMeasurement& own = alone[s].dlg.Overview()->Measurements()[0];
    EXPECT_EQ(both.dlg.Overview()->Measurements()[static_cast<std::size_t>(s)].measure, own.measure) << s;
    lines += EventsListLines(*own.table, own.measure);
  }
  both.overview.overviewEvents->Dispatch({.kind = EventKind::Command, .id = res::IDC_OVERVIEW_COPY});
  EXPECT_NE(both.overview.clipboard.find("\n\n" + lines), std::string::npos) << both.overview.clipboard;
  EXPECT_NE(lines.find("LEA"), std::string::npos);
  EXPECT_NE(lines.find("PAL"), std::string::npos);
  EXPECT_EQ(both.overview.agreementShown.rows.size(), 8u);
  EXPECT_EQ(both.overview.agreementShown.rows[4][4], "1.5000");
  // A click in Palehua's strip shows Palehua there, as Palehua alone would.
  const OverviewLayout layout = MakeOverviewLayout(both.overview.overviewSize, std::vector<const FluxTable*>{
                                                       &lea, &both.dlg.Files().Network().stations[1].table});
  const int x = layout.scale.X(burst.first), y = layout.strips[1].top + 5;
  Overview(both, EventKind::LeftButtonDown, x, y);
  EXPECT_EQ(both.dlg.StationShown(), 1u);
  EXPECT_EQ(both.fake.TextsAt(690, 10).back(), "Palehua       ");
  // The window of the record at the click: the minute after, the column's
  // seconds either way.
  const SecondRange column = layout.scale.SecondsOf(x - layout.plot.left);
  const std::int64_t start = both.dlg.Shown()->start;
  EXPECT_GE(start, column.first);
  EXPECT_LE(start, column.last + 60);
  // Ctrl+Page Down back to Learmonth, at the same time.
  both.dlg.Dispatch({.kind = EventKind::SystemCommand, .command = res::IDM_NEXTSTATION});
  EXPECT_EQ(both.dlg.StationShown(), 0u);
  EXPECT_EQ(both.dlg.Shown()->start, start);
}

// The burst both stations saw is listed at each, seen by 2; F3 shows the
// next burst, Shift+F3 the one before.
TEST_F(TwoStationsTest, BurstsSeenByBothAreConfirmedAndTheKeysGoToThem) {
  ASSERT_EQ(both.overview.burstsShown.rows.size(), 16u);  // eight channels at each station
  for (const std::vector<std::string>& row : both.overview.burstsShown.rows) EXPECT_EQ(row.back(), "2");
  for (FakeViewer& v : alone)
    for (const std::vector<std::string>& row : v.overview.burstsShown.rows) EXPECT_EQ(row.back(), "1");
  both.dlg.Dispatch({.kind = EventKind::SystemCommand, .command = res::IDM_NEXTBURST});
  EXPECT_EQ(both.dlg.StationShown(), 0u);
  EXPECT_EQ(both.dlg.StartMinute(), 22 * 60 + 55);  // the window from five minutes before it begins
  const int index = both.dlg.RecordIndex();
  both.dlg.Dispatch({.kind = EventKind::SystemCommand, .command = res::IDM_NEXTBURST});  // the next channel's
  both.dlg.Dispatch({.kind = EventKind::SystemCommand, .command = res::IDM_PREVBURST});
  EXPECT_EQ(both.dlg.RecordIndex(), index);
}

}  // namespace
}  // namespace helvarra::test
