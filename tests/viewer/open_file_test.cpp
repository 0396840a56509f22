// "&Files": the file-information panel, the record count and slider range,
// the first chart, and the ways an open can fail.

#include <gtest/gtest.h>

#include <filesystem>

#include "resources/dialog_templates.h"
#include "tests/support/dialog_test_access.h"
#include "tests/support/fake_window_services.h"

namespace helvarra::test {
namespace {

using Kind = FakeWindowServices::MessageKind;
namespace res = resources;

struct Placed {
  int x, y;
  std::string text, font;
  friend bool operator==(const Placed&, const Placed&) = default;
};

std::vector<Placed> TextsOfSurface(const FakeWindowServices& fake, int serial) {
  std::vector<Placed> out;
  for (const DrawOp& op : fake.Ops(Op::Text))
    if (op.surface == serial) out.push_back({op.x, op.y, op.text, op.font});
  return out;
}

TEST(OpenFileTest, DrawsThePanelInOrder) {
  FakeViewer v;
  const std::string bytes = FakeViewer::Series(FakeViewer::Second(9, 58, 30), 7200);
  v.fake.ClearLog();
  v.Open("day.apl", bytes);
  const std::string blanks(14, ' ');
  const std::vector<Placed> expected{{690, 80, blanks.substr(0, 10), "Courier"},
                                     {690, 95, blanks.substr(0, 10), "Courier"},
                                     {690, 110, blanks.substr(0, 12), "Courier"},
                                     {681, 50, blanks + " ", "Courier"},  // each line blanked to its full width first
                                     {155, 545, blanks.substr(0, 10), "Courier"},
                                     {530, 545, blanks.substr(0, 9), "Courier"},
                                     {155, 560, blanks.substr(0, 10), "Courier"},
                                     {530, 560, blanks.substr(0, 9), "Courier"},
                                     {690, 35, "File Name: ", "Courier"},
                                     {690, 50, "day.apl", "Courier"},
                                     {160, 545, "15-03-24 ", "Courier"},
                                     {160, 560, "09:58 UT ", "Courier"},
                                     {530, 545, "15-03-24 ", "Courier"},
                                     {530, 560, "11:58 UT ", "Courier"},
                                     {690, 10, "Learmonth     ", "New Roman"}};
  EXPECT_EQ(TextsOfSurface(v.fake, v.fake.log.front().surface), expected);
  for (const DrawOp& op : v.fake.Ops(Op::Text)) {
    if (op.surface == v.fake.log.front().surface) {
      EXPECT_EQ(op.background, FakeWindowServices::kBorderColour);
    }
  }
  EXPECT_EQ(DialogTestAccess::PathName(v.dlg), (v.dir / "day.apl").string());
  EXPECT_EQ(v.fake.fileDialogFilter,
            "All Files (*.*)|*.*|Learmonth Files (*.apl)|*.apl;*.apl.gz|Palehua Files (*.phf)|*.phf;*.phf.gz|"
            "Sagamore Hill Files (*.k7o)|*.k7O;*.k7O.gz|San Vito Files (*.lis)|*.lis;*.lis.gz||");
  EXPECT_EQ(v.dlg.IsFileLoaded(), 1);
  EXPECT_EQ(v.dlg.IsIdle(), 1);
  EXPECT_TRUE(v.fake.messages.empty());
}

// Fewer than 60 records send a negative maximum; the index read back from
// the slider is still never negative.
TEST(OpenFileTest, SliderRangeIsTheRecordCountLessSixty) {
  for (auto [count, max] : {std::pair{60, 0}, std::pair{61, 1}, std::pair{10, -50}, std::pair{1800, 1740}}) {
    FakeViewer v;
    v.fake.sliderPos = 7;
    v.Open("a.apl", FakeViewer::Series(3600, count));
    EXPECT_EQ(v.dlg.RecordCount(), count);
    EXPECT_EQ(v.fake.sliderMax, max) << count << " records";
    EXPECT_EQ(v.dlg.RecordIndex(), 0) << count << " records";
  }
}

// Every open draws the new file's chart at once, not only the first.
TEST(OpenFileTest, EveryOpenDrawsThePanelAndTheChart) {
  FakeViewer v;
  v.Open("a.apl", FakeViewer::Series(3600, 300));
  EXPECT_EQ(v.fake.acquired, 3);  // InitWindow, the panel, the chart
  v.fake.ClearLog();
  v.Open("b.apl", FakeViewer::Series(7200, 300));
  EXPECT_EQ(v.fake.acquired, 5);
  EXPECT_EQ(v.dlg.StartMinute(), 121);
  EXPECT_FALSE(v.fake.TraceStrokes().empty());
  EXPECT_EQ(v.dlg.FileName(), "b.apl");
}

// A file named on the command line or dropped on the window opens as a file
// chosen with "&Files" does, with the same message when it cannot.
TEST(OpenFileTest, AFileGivenToTheWindowOpensAsIfChosen) {
  FakeViewer v;
  const std::string path = v.Write("given.apl", FakeViewer::Series(3600, 300));
  auto give = [&](const std::string& p, const std::string& name) {
    return v.dlg.Dispatch({.kind = EventKind::OpenDocument, .files = {{p, name}}});
  };
  DialogTestAccess::Idle(v.dlg) = 0;
  EXPECT_TRUE(give(path, "given.apl").routed);
  EXPECT_EQ(v.dlg.IsFileLoaded(), 0);  // busy drawing: nothing happens
  DialogTestAccess::Idle(v.dlg) = 1;
  give(path, "given.apl");
  EXPECT_EQ(v.fake.fileDialogs, 0);
  EXPECT_EQ(v.dlg.IsFileLoaded(), 1);
  EXPECT_EQ(v.dlg.FileName(), "given.apl");
  EXPECT_EQ(v.dlg.RecordCount(), 300);
  EXPECT_FALSE(v.fake.TraceStrokes().empty());  // the first open draws the chart
  const std::string missing = (v.dir / "gone.apl").string();
  give(missing, "gone.apl");
  ASSERT_EQ(v.fake.messages.size(), 1u);
  EXPECT_EQ(v.fake.messages[0].kind, Kind::Warning);
  EXPECT_EQ(v.fake.messages[0].text, "Failed to open " + missing);
}

TEST(OpenFileTest, NothingHappensWhileDrawing) {
  FakeViewer v;
  DialogTestAccess::Idle(v.dlg) = 0;
  v.Open("a.apl", FakeViewer::Series(3600, 300));
  EXPECT_EQ(v.fake.fileDialogs, 0);
  EXPECT_EQ(v.fake.acquired, 1);
  EXPECT_EQ(v.dlg.IsFileLoaded(), 0);
  EXPECT_TRUE(v.fake.messages.empty());
}

// A cancel is a cancel: with no file open, nothing happens.
TEST(OpenFileTest, CancelWithoutAFileDoesNothing) {
  FakeViewer v;
  v.fake.NextFile(std::nullopt);
  v.fake.ClearLog();
  v.Send(EventKind::Command, res::IDC_FILES);
  EXPECT_EQ(v.fake.fileDialogs, 1);
  EXPECT_TRUE(v.fake.messages.empty());
  EXPECT_TRUE(v.fake.log.empty());
  EXPECT_EQ(v.dlg.IsFileLoaded(), 0);
}

TEST(OpenFileTest, CancelWithAFileRereadsItFromTheStart) {
  FakeViewer v;
  v.Open("a.apl", FakeViewer::Series(3600, 300));
  v.fake.sliderPos = 120;
  v.Send(EventKind::SliderReleased, res::IDC_SLIDER);
  ASSERT_EQ(v.dlg.RecordIndex(), 120);
  v.Write("a.apl", FakeViewer::Series(3600, 500));  // grown since
  v.fake.NextFile(std::nullopt);
  v.Send(EventKind::Command, res::IDC_FILES);
  EXPECT_TRUE(v.fake.messages.empty());
  EXPECT_EQ(v.dlg.RecordCount(), 500);
  EXPECT_EQ(v.dlg.RecordIndex(), 0);
  EXPECT_EQ(v.fake.sliderPos, 0);
  EXPECT_EQ(v.fake.sliderMax, 440);
}

// A file that does not open leaves the window showing no file: the panel
// and the read-out blank, the chart cleared to its grid, no browse going on,
// and nothing drawn for the old file afterwards.
TEST(OpenFileTest, AFailedOpenShowsNoFile) {
  FakeViewer v;
  v.Open("a.apl", FakeViewer::Series(3600, 300));
  v.Send(EventKind::Command, res::IDC_BROWSE);
  v.fake.ClearLog();
  v.Open("gone.apl", std::nullopt);
  ASSERT_EQ(v.fake.messages.size(), 1u);
  EXPECT_EQ(v.fake.messages[0].kind, Kind::Warning);
  EXPECT_EQ(v.fake.messages[0].text, "Failed to open " + (v.dir / "gone.apl").string());
  EXPECT_EQ(v.dlg.IsFileLoaded(), 0);
  EXPECT_EQ(v.dlg.IsBrowsing(), 0);
  EXPECT_FALSE(v.fake.timerRunning);
  for (auto [x, y] : {std::pair{681, 50}, std::pair{690, 35}, std::pair{155, 545}, std::pair{530, 560},
                      std::pair{690, 10}, std::pair{690, 80}}) {
    const auto texts = v.fake.TextsAt(x, y);
    ASSERT_EQ(texts.size(), 1u) << x << "," << y;
    EXPECT_EQ(texts[0].find_first_not_of(' '), std::string::npos) << x << "," << y;
  }
  EXPECT_EQ(v.fake.Ops(Op::Line).size(), 5u);  // the grid, no time axis
  EXPECT_TRUE(v.fake.TextsAt(65, 522).empty());

  v.fake.ClearLog();
  v.Send(EventKind::SliderReleased, res::IDC_SLIDER);
  v.Send(EventKind::Command, res::IDC_CHECK_FIRST);
  v.Click(300, 300);
  EXPECT_TRUE(v.fake.log.empty());
  EXPECT_EQ(v.fake.held, 0);
}

// A choice that names no file (as a dialog cancelled before any choice may
// give), a missing file and a file shorter than a record, before any file
// and after one: each says what and leaves no file open.
TEST(OpenFileTest, FailuresToOpenSayWhat) {
  const struct {
    const char* name;
    bool written, afterAFile;
    Kind kind;
    const char* says;
  } cases[] = {{"", false, false, Kind::Warning, "Failed to open "},
               {"missing.apl", false, false, Kind::Warning, "Failed to open "},
               {"short.apl", true, false, Kind::Error, "Seek failed on "},
               {"short.apl", true, true, Kind::Error, "Seek failed on "}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + (c.afterAFile ? " after a file" : ""));
    FakeViewer v;
    if (c.afterAFile) v.Open("a.apl", FakeViewer::Series(3600, 300));
    const std::string path = *c.name ? (v.dir / c.name).string() : "";
    if (c.written) v.Write(c.name, std::string(30, '7'));
    v.fake.NextFile(ChosenFile{path, c.name});
    v.Send(EventKind::Command, res::IDC_FILES);
    ASSERT_EQ(v.fake.messages.size(), 1u);
    EXPECT_EQ(v.fake.messages[0].kind, c.kind);
    EXPECT_EQ(v.fake.messages[0].text, c.says + path);
    EXPECT_EQ(v.dlg.IsFileLoaded(), 0);
    EXPECT_EQ(v.dlg.IsIdle(), 1);
  }
}

TEST(OpenFileTest, UnknownStationCode) {
  FakeViewer v;
  v.Open("x.apl", RecordLine("XXXX", 24, 3, 15, 1, 0, 0, {100, 100, 100, 100, 100, 100, 100, 100}));
  EXPECT_EQ(v.fake.TextsAt(690, 10), std::vector<std::string>{"Unknown Site  "});
  for (const DrawOp& op : v.fake.Ops(Op::Text))
    if (op.x == 690 && op.y == 10) {
      EXPECT_EQ(op.font, "New Roman");
    }
}

// The panel's file line shows an archive name whole, right of the plot, and
// a longer one cut in its middle, its end kept, the whole name its tooltip.
TEST(OpenFileTest, TheFileLineShowsArchiveNamesWholeAndLongerOnesCut) {
  const struct {
    std::string name, shown;
    int x;
    std::string tip;
  } cases[] = {
      {"14MAY24.APL", "14MAY24.APL", 690, ""},
      {"28OCT13.APL.gz", "28OCT13.APL.gz", 681, ""},
      {"Learmonth_14MAI24_\u00e9t\u00e9.APL", "Learmo\u2026\u00e9t\u00e9.APL", 681, "Learmonth_14MAI24_\u00e9t\u00e9.APL"},
  };
  for (const auto& c : cases) {
    FakeViewer v;
    v.Open(c.name, FakeViewer::Series(3600, 300));
    EXPECT_EQ(v.fake.TextsAt(c.x, 50).back(), c.shown) << c.name;
    EXPECT_EQ(v.fake.fileNameTip, c.tip) << c.name;
  }
}

// "&Files" opens where the file last chosen is.
TEST(OpenFileTest, FilesStartsInTheFolderOfTheLastFile) {
  FakeViewer v;
  v.fake.NextFile(std::nullopt);
  v.Send(EventKind::Command, res::IDC_FILES);
  EXPECT_EQ(v.fake.fileDialogFolder, "");  // where the program started
  v.Open("day.apl", FakeViewer::Series(3600, 300));
  v.fake.NextFile(std::nullopt);
  v.Send(EventKind::Command, res::IDC_FILES);
  EXPECT_EQ(v.fake.fileDialogFolder, v.dir.path().string());
}

}  // namespace
}  // namespace helvarra::test
