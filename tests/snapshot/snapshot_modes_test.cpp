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

// Two files of the same name would write one picture: the batch is refused
// before anything is written.
TEST_F(SnapshotModesTest, QuicklooksOfTwoFilesOfOneNameAreRefused) {
  std::filesystem::create_directories(dir / "a");
  std::filesystem::create_directories(dir / "b");
  for (const char* folder : {"a", "b"}) std::filesystem::copy_file(sample, dir / folder / "14MAY24.APL");
  const QString a = QString::fromStdString((dir / "a" / "14MAY24.APL").string());
  const QString b = QString::fromStdString((dir / "b" / "14MAY24.APL").string());
  const Outcome same = tool.Snap({"--overview", a, b, "-o", tool.Out("looks/")});
  EXPECT_EQ(same.status, 2);
  EXPECT_NE(same.err.find(a.toStdString()), std::string::npos) << same.err;
  EXPECT_NE(same.err.find(b.toStdString()), std::string::npos) << same.err;
  EXPECT_TRUE(tool.Written().isEmpty());
}

// The files of two stations with their flux 3 to 2: --join opens them
// together for each table; --events-list gives the lines Copy adds.
TEST_F(SnapshotModesTest, FilesJoinedMeasureCompareListAndWriteTogether) {
  auto write = [&](const char* name, const char* code, int from, int to, int factor) {
    std::string bytes;
    for (int t = from; t < to; ++t) {
      const int v = (100 + (t >= 3600 && t < 3900 ? 50 * (t - 3600) : 0)) * factor;
      bytes += RecordLine(code, 24, 5, 14, t / 3600, t / 60 % 60, t % 60, {v, v, v, v, v, v, v, v});
    }
    WriteFile(dir / name, bytes);
    return QString::fromStdString((dir / name).string());
  };
  const QString lea = write("a.apl", "APLM", 0, 7200, 2), pal = write("p.phf", "PHFF", 1800, 9000, 3);
  const Outcome agree = tool.Snap({"--join", pal, lea, "--agreement"});
  ASSERT_EQ(agree.status, 0) << agree.err;
  EXPECT_NE(agree.out.find("PHFF,APLM,2695,5400,1.5000\n"), std::string::npos) << agree.out;
  const Outcome events = tool.Snap({"--join", lea, pal, "--measure", "00:55-01:30", "--events-list"});
  ASSERT_EQ(events.status, 0) << events.err;
  EXPECT_EQ(std::count(events.out.begin(), events.out.end(), '\n'), 16) << events.out;  // LEA and PAL, 8 each
  EXPECT_EQ(events.out.substr(0, 43), "0102   0104   0104  LEA  RBR    245   29900");
  const Outcome csv = tool.Snap({"--join", lea, pal, "--csv", "--from", "00:30:00", "--to", "00:30:01"});
  EXPECT_EQ(csv.out, "time_ut,station,245,410,610,1415,2695,4995,8800,15400\n"
                     "2024-05-14T00:30:00Z,APLM,200,200,200,200,200,200,200,200\n"
                     "2024-05-14T00:30:00Z,PHFF,300,300,300,300,300,300,300,300\n"
                     "2024-05-14T00:30:01Z,APLM,200,200,200,200,200,200,200,200\n"
                     "2024-05-14T00:30:01Z,PHFF,300,300,300,300,300,300,300,300\n");
  const Outcome bursts = tool.Snap({"--join", lea, pal, "--bursts"});
  ASSERT_EQ(bursts.status, 0) << bursts.err;
  EXPECT_EQ(std::count(bursts.out.begin(), bursts.out.end(), '\n'), 17);  // the header, 16 seen by 2
  EXPECT_NE(bursts.out.find("APLM,245,2024-05-14T01:00:"), std::string::npos) << bursts.out;
  const Outcome apart = tool.Snap({"--join", lea, write("late.phf", "PHFF", 8000, 8100, 1), "--agreement"});
  EXPECT_EQ(apart.status, 1);
  EXPECT_NE(apart.err.find("Palehua and Learmonth hold no second in common"), std::string::npos) << apart.err;
}

}  // namespace
}  // namespace helvarra::test
