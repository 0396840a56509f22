// tarrawin-snapshot's other work, as its own process: the day overview of
// one file or many (a file that cannot be read named, the others drawn), a
// burst measured, the records as CSV; each refused with a message where the
// range holds no record.

#include <QImage>

#include "tests/snapshot/snapshot_process.h"

namespace helvarra::test {
namespace {

class SnapshotModesTest : public ::testing::Test {
 protected:
  SnapshotModesTest() { std::filesystem::copy_file(HELVARRA_SOURCE_DIR "/samples/14MAY24.APL", sample); }
  QString Sample() const { return QString::fromStdString(sample); }

  TempDir dir;
  SnapshotProcess tool{dir};
  const std::string sample = (dir / "14MAY24.APL").string();
};

TEST_F(SnapshotModesTest, OverviewsOfManyFilesGoOnPastOneThatCannotBeRead) {
  const std::string archive = (dir / "15MAY24.APL.gz").string(), missing = (dir / "gone.apl").string();
  std::filesystem::copy_file(HELVARRA_SOURCE_DIR "/samples/15MAY24.APL.gz", archive);
  const Outcome many = tool.Snap({"--overview", Sample(), QString::fromStdString(missing),
                                  QString::fromStdString(archive), "-o", tool.Out("looks/")});
  EXPECT_EQ(many.status, 1);
  EXPECT_NE(many.err.find("Failed to open " + missing), std::string::npos) << many.err;
  for (const char* name : {"looks/14MAY24.APL.png", "looks/15MAY24.APL.gz.png"})
    EXPECT_EQ(QImage(tool.Out(name)).size(), QSize(1200, 400)) << name;
  EXPECT_EQ(tool.Written().size(), 2);

  const Outcome one = tool.Snap({Sample(), "--overview", "--channels", "2695", "-o", tool.Out("day.png")});
  EXPECT_EQ(one.status, 0) << one.err;
  EXPECT_EQ(QImage(tool.Out("day.png")).size(), QSize(1200, 400));
}

TEST_F(SnapshotModesTest, MeasureAndCsvPrintWhatTheRangeHolds) {
  const Outcome burst = tool.Snap({Sample(), "--measure", "23:05-23:40"});
  ASSERT_EQ(burst.status, 0) << burst.err;
  EXPECT_EQ(burst.out.substr(0, burst.out.find('\n')),
            "frequency_mhz,background_sfu,begin_ut,peak_ut,end_ut,peak_sfu,peak_above_background_sfu,holes");
  EXPECT_EQ(std::count(burst.out.begin(), burst.out.end(), '\n'), 9);  // a row a channel

  // Over midnight from the file's start: 23:59:58 on 14 May to 00:00:02 on the 15th.
  const Outcome csv = tool.Snap({Sample(), "--csv", "--from", "23:59:58", "--to", "00:00:02", "-o", tool.Out("r.csv")});
  ASSERT_EQ(csv.status, 0) << csv.err;
  QFile written(tool.Out("r.csv"));
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(written.readAll()).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 6);
  EXPECT_EQ(lines[0], "time_ut,245,410,610,1415,2695,4995,8800,15400");
  EXPECT_TRUE(lines[1].startsWith("2024-05-14T23:59:58Z,"));
  EXPECT_TRUE(lines[5].startsWith("2024-05-15T00:00:02Z,"));

  for (const QStringList& args : {QStringList{Sample(), "--measure", "03:00-04:00"},
                                  QStringList{Sample(), "--csv", "--from", "12:00", "--to", "12:10"}}) {
    const Outcome none = tool.Snap(args);
    EXPECT_EQ(none.status, 1) << args.join(' ').toStdString();
    EXPECT_NE(none.err.find("no record from "), std::string::npos) << none.err;
  }
  EXPECT_EQ(tool.Written().size(), 1);
}

}  // namespace
}  // namespace helvarra::test
