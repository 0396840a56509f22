// tarrawin-snapshot run as its own process, compared pixel for pixel with the
// real viewer driven here on the same file: the first window, the slider let
// go at a record, a time of day, chosen channels, the whole window. Its
// failures end with the viewer's messages, a non-zero status and no picture,
// and a run writes nothing but the picture.

#include <QCheckBox>
#include <QDirIterator>
#include <QProcess>
#include <QSlider>
#include <QTest>

#include "resources/dialog_templates.h"
#include "tests/platform/qt_viewer_fixture.h"
#include "tests/snapshot/snapshot_process.h"

namespace helvarra::test {
namespace {

class SnapshotTest : public QtViewerTest {
 protected:
  // The bundled sample is copied: a viewer in another test holds the file it
  // has open against every other opener.
  SnapshotTest() { std::filesystem::copy_file(HELVARRA_SOURCE_DIR "/samples/14MAY24.APL", sample); }

  Outcome Snap(const QStringList& args) { return tool.Snap(args); }
  QString Out(const std::string& name = "out.png") const { return tool.Out(name); }
  QStringList Written() const { return tool.Written(); }

  // The viewer's window as the tool saves it: the chart, or the whole window.
  QImage Chart() {
    services.Canvas().Finish();
    return services.Canvas().Image().copy(0, 0, 792, 574).convertToFormat(QImage::Format_RGB32);
  }
  QImage WholeWindow() {
    return services.Canvas().Picture().copy(0, 0, 792, 574).convertToFormat(QImage::Format_RGB32);
  }

  // The slider let go at a record by the mouse.
  void ReleaseSliderAt(int index) {
    QSlider* slider = services.MainWindow()->Slider();
    slider->setValue(index);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, slider->rect().center());
    Settle();
  }

  // Pixels that differ between the PNG and the window's picture.
  static int Differences(const QString& png, const QImage& expected) {
    const QImage written = QImage(png).convertToFormat(QImage::Format_RGB32);
    if (written.size() != expected.size()) return -1;
    int n = 0;
    for (int y = 0; y < written.height(); ++y)
      for (int x = 0; x < written.width(); ++x) n += written.pixel(x, y) != expected.pixel(x, y);
    return n;
  }

  SnapshotProcess tool{dir};
  const std::filesystem::path& work = tool.work;
  const std::string sample = (dir / "14MAY24.APL").string();
};

// From 23:50:00 a record a second for 30 minutes, across midnight, with the
// 40 seconds from 00:05:00 missing: 00:10:00 is record 1160.
std::string AcrossMidnight() {
  std::string bytes;
  for (int i = 0; i < 1800; ++i) {
    if (i >= 900 && i < 940) continue;
    const int at = 23 * 3600 + 50 * 60 + i, t = at % 86400;
    const int v = 40 + i % 50 + (i > 1000 && i < 1300 ? (i - 1000) * 30 : 0);
    bytes += RecordLine("PALE", 24, 5, 14 + at / 86400, t / 3600, t / 60 % 60, t % 60,
                        {v, 2 * v, 3 * v, 4 * v, 5 * v, 6 * v, 7 * v, 8 * v});
  }
  return bytes;
}

TEST_F(SnapshotTest, FirstWindowAndWholeWindowAreTheViewersPixels) {
  const Outcome chart = Snap({QString::fromStdString(sample), "-o", Out()});
  ASSERT_EQ(chart.status, 0) << chart.err;
  EXPECT_EQ(chart.err, "");
  const Outcome whole = Snap({"--whole-window", QString::fromStdString(sample), "--output", Out("whole.png")});
  ASSERT_EQ(whole.status, 0) << whole.err;

  OpenPath(sample, "14MAY24.APL");
  ASSERT_TRUE(messages.empty());
  EXPECT_EQ(QImage(Out()).size(), QSize(792, 574));
  EXPECT_EQ(Differences(Out(), Chart()), 0);
  EXPECT_EQ(Differences(Out("whole.png"), WholeWindow()), 0);
  // The whole window has the controls on it, the chart alone has not.
  EXPECT_GT(Differences(Out("whole.png"), Chart()), 1000);
  QStringList written = Written(), expected{Out(), Out("whole.png")};
  written.sort();
  expected.sort();
  EXPECT_EQ(written, expected);
}

// A window drawn over another keeps a few of its pixels, so every picture is
// compared with a viewer that has just opened the file, as the tool's has.
struct SliderCase {
  const char* name;
  bool acrossMidnight;  // else the bundled sample
  QStringList choice;
  int index;   // where the slider is let go; -1: its end
  bool noted;  // a note that the slider stopped short
};

void PrintTo(const SliderCase& c, std::ostream* os) { *os << c.name << " " << c.choice.join(' ').toStdString(); }

class SliderWindowTest : public SnapshotTest, public ::testing::WithParamInterface<SliderCase> {};

TEST_P(SliderWindowTest, IsTheViewersWindowWithTheSliderLetGoThere) {
  const SliderCase& c = GetParam();
  std::string file = sample;
  if (c.acrossMidnight) {
    file = (dir / "midnight.phf").string();
    WriteFile(file, AcrossMidnight());
  }
  const Outcome r = Snap(QStringList{QString::fromStdString(file), "-o", Out()} + c.choice);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err.find("beyond the slider's end") != std::string::npos, c.noted) << r.err;

  OpenPath(file, std::filesystem::path(file).filename().string());
  ASSERT_TRUE(messages.empty());
  const int index = c.index < 0 ? services.MainWindow()->Slider()->maximum() : c.index;
  ReleaseSliderAt(index);
  EXPECT_EQ(dlg.RecordIndex(), index);
  EXPECT_EQ(Differences(Out(), Chart()), 0);
}

INSTANTIATE_TEST_SUITE_P(Snapshot, SliderWindowTest,
                         ::testing::Values(SliderCase{"Index", false, {"--index", "2500"}, 2500, false},
                                           SliderCase{"IndexZero", false, {"--index=0"}, 0, false},
                                           SliderCase{"IndexBeyondTheEnd", false, {"--index=99999"}, -1, true},
                                           SliderCase{"TimeInTheBurst", false, {"--time", "23:05"}, 35 * 60, false},
                                           SliderCase{"TimeAfterMidnight", true, {"--time", "00:10"}, 1160, false},
                                           SliderCase{"TimeBeforeMidnight", true, {"--time=23:55"}, 300, false},
                                           SliderCase{"TimeInAGap", true, {"--time", "0:05"}, 900, false},
                                           SliderCase{"TimeInTheLastMinute", true, {"--time", "00:19"}, 1700, false}),
                         [](const ::testing::TestParamInfo<SliderCase>& info) { return std::string(info.param.name); });

TEST_F(SnapshotTest, BrowseToEndIsTheWindowTheViewersBrowseEndsOn) {
  const Outcome r = Snap({QString::fromStdString(sample), "--browse-to-end", "-o", Out()});
  ASSERT_EQ(r.status, 0) << r.err;
  OpenPath(sample, "14MAY24.APL");
  const QImage first = Chart();
  dlg.Dispatch({.kind = EventKind::Command, .id = resources::IDC_BROWSE});
  int ticks = 0;
  for (; dlg.IsBrowsing() == 1 && ticks < 50; ++ticks) services.Deliver({.kind = EventKind::TimerTick, .id = 1});
  EXPECT_EQ(ticks, 6);  // three hours: six windows
  EXPECT_EQ(Differences(Out(), Chart()), 0);
  EXPECT_GT(Differences(Out(), first), 1000);

  const Outcome both = Snap({QString::fromStdString(sample), "--browse-to-end", "--index", "5", "-o", Out("x.png")});
  EXPECT_EQ(both.status, 2);
}

TEST_F(SnapshotTest, ATimeTheFileDoesNotReachIsRefused) {
  const auto file = dir / "midnight.phf";
  WriteFile(file, AcrossMidnight());
  // Earlier in the day than the first record is the next day, after the end.
  const Outcome none = Snap({QString::fromStdString(file.string()), "--time", "23:00", "-o", Out()});
  EXPECT_EQ(none.status, 1);
  EXPECT_NE(none.err.find("no record at or after 23:00 UT"), std::string::npos) << none.err;
  EXPECT_NE(none.err.find("from 23:50 to 00:19 UT"), std::string::npos) << none.err;
  EXPECT_TRUE(Written().isEmpty()) << Written().join(' ').toStdString();
}

TEST_F(SnapshotTest, ChannelsAreChosenBeforeTheFirstWindowIsDrawn) {
  const Outcome some = Snap({QString::fromStdString(sample), "--channels", "245,15400", "-o", Out("some.png")});
  ASSERT_EQ(some.status, 0) << some.err;
  const Outcome none =
      Snap({QString::fromStdString(sample), "--channels=none", "--index", "2400", "-o", Out("none.png")});
  ASSERT_EQ(none.status, 0) << none.err;

  for (int k = 1; k < 7; ++k) qobject_cast<QCheckBox*>(services.MainWindow()->Control(Channel(k).controlId))->click();
  OpenPath(sample, "14MAY24.APL");
  EXPECT_EQ(Differences(Out("some.png"), Chart()), 0);
  const QImage picture(Out("some.png"));
  int drawn[8] = {};
  for (int y = 10; y < 510; ++y)
    for (int x = 80; x < 680; ++x)
      for (int k = 0; k < 8; ++k)
        drawn[k] += qt::FromQRgb(picture.pixel(x, y)) == dlg.Style().m_crChannel[static_cast<std::size_t>(k)];
  EXPECT_GT(drawn[0], 100);
  EXPECT_GT(drawn[7], 100);
  for (int k = 1; k < 7; ++k) EXPECT_EQ(drawn[k], 0) << k;

  for (int k : {0, 7}) qobject_cast<QCheckBox*>(services.MainWindow()->Control(Channel(k).controlId))->click();
  ReleaseSliderAt(2400);
  EXPECT_EQ(Differences(Out("none.png"), Chart()), 0);
}

TEST_F(SnapshotTest, FilesThatCannotBeDrawnEndWithTheViewersMessageAndNoPicture) {
  const std::string missing = (dir / "missing.apl").string();
  const Outcome gone = Snap({QString::fromStdString(missing), "-o", Out()});
  EXPECT_EQ(gone.status, 1);
  EXPECT_NE(gone.err.find("Failed to open " + missing), std::string::npos) << gone.err;

  const auto shortFile = dir / "short.apl";
  WriteFile(shortFile, std::string(30, 'x'));
  const Outcome cut = Snap({QString::fromStdString(shortFile.string()), "--index", "5", "-o", Out()});
  EXPECT_EQ(cut.status, 1);
  EXPECT_NE(cut.err.find("Seek failed on " + shortFile.string()), std::string::npos) << cut.err;

  // A folder that is not there: the picture cannot be written.
  const Outcome nowhere = Snap({QString::fromStdString(sample), "-o", Out("no-such-folder/out.png")});
  EXPECT_EQ(nowhere.status, 1);
  EXPECT_NE(nowhere.err.find("cannot write"), std::string::npos) << nowhere.err;
  EXPECT_TRUE(Written().isEmpty()) << Written().join(' ').toStdString();
}

// The command line's rules are tested in-process; here, that the program
// refuses with status 2 and the hint, and writes nothing.
TEST_F(SnapshotTest, WrongOptionsAreRefusedBeforeAnythingIsWritten) {
  const auto file = dir / "midnight.phf";
  WriteFile(file, AcrossMidnight());
  const QString path = QString::fromStdString(file.string());
  for (const QStringList& args :
       std::vector<QStringList>{{path, "-o", Out(), "--colour"}, {path, "-o", path}}) {  // over the data file
    const Outcome r = Snap(args);
    EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
    EXPECT_NE(r.err.find("--help"), std::string::npos) << args.join(' ').toStdString() << ": " << r.err;
  }
  EXPECT_TRUE(Written().isEmpty()) << Written().join(' ').toStdString();
  EXPECT_EQ(std::filesystem::file_size(file), AcrossMidnight().size());

  const Outcome help = Snap({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Exit status"), std::string::npos);
}

// --info: the reader's account of a compressed archive day, and the viewer's
// message for a file it cannot open.
TEST_F(SnapshotTest, InfoSaysWhatWasReadAndWritesNothing) {
  // A copy: another test may hold the sample open, against every other opener.
  const auto copy = dir / "15MAY24.APL.gz";
  std::filesystem::copy_file(HELVARRA_SOURCE_DIR "/samples/15MAY24.APL.gz", copy);
  const Outcome day = Snap({"--info", QString::fromStdString(copy.string())});
  ASSERT_EQ(day.status, 0) << day.err;
  for (const char* line :
       {"Layout: 8-wide values in the archive's columns, from 18 (82-character lines), LF line ends, gzip-compressed",
        "Records: 43160", "First: 2024-05-14 22:30:00 UT", "Last: 2024-05-15 10:29:59 UT", "Station: Learmonth (LEAR)",
        "Records re-synchronised: 1"})
    EXPECT_NE(day.out.find(line), std::string::npos) << line << "\n" << day.out;
  const std::string missing = (dir / "missing.apl.gz").string();
  const Outcome gone = Snap({"--info", QString::fromStdString(missing)});
  EXPECT_EQ(gone.status, 1);
  EXPECT_NE(gone.err.find("Failed to open " + missing), std::string::npos) << gone.err;
  EXPECT_TRUE(Written().isEmpty());
}

}  // namespace
}  // namespace helvarra::test
