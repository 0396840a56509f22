// A station's files joined into one series, and files of several stations
// opened together.

#include "data/series_join.h"

#include <gtest/gtest.h>

#include "data/flux_files.h"
#include "data/record_time.h"
#include "tests/support/record_text.h"

namespace helvarra {
namespace {

// A file of records a second apart from a second of 14 May 2024 (on into the
// 15th), station APLM, channel 0 holding the file's number.
DecodedFile File(const std::string& name, int from, int count, int number) {
  DecodedFile f{"/data/" + name, name, {}};
  for (int t = from; t < from + count; ++t) {
    FluxRecord& r = f.table.records.emplace_back();
    r.station = {'A', 'P', 'L', 'M'};
    r.year = 2024, r.month = 5, r.day = static_cast<std::uint8_t>(14 + t / 86400);
    r.hour = static_cast<std::uint8_t>(t / 3600 % 24), r.minute = static_cast<std::uint8_t>(t / 60 % 60);
    r.second = static_cast<std::uint8_t>(t % 60);
    r.values[0] = number;
  }
  return f;
}

struct JoinCase {
  const char* name;
  std::vector<DecodedFile> files;
  std::vector<std::string> order;  // the files in the series' order
  std::vector<std::size_t> dropped;
  std::vector<FileRun> runs;
};

TEST(SeriesJoinTest, FilesInOrderOfTheirFirstRecordEachSecondOnce) {
  const int midnight = 86400;
  JoinCase cases[] = {
      {"DaySplitAtMidnightGivenLastFirst",
       {File("15MAY24.APL", midnight, 600, 2), File("14MAY24.APL", midnight - 600, 600, 1)},
       {"14MAY24.APL", "15MAY24.APL"}, {0, 0}, {{0, 0}, {600, 1}}},
      {"LaterFileRepeatsTheEarliersLastSeconds",
       {File("a", 0, 100, 1), File("b", 90, 100, 2)}, {"a", "b"}, {0, 10}, {{0, 0}, {100, 1}}},
      {"LaterFileFillsAGapOfTheEarlier",
       {File("a", 0, 100, 1), File("b", 50, 10, 2)}, {"a", "b"}, {0, 10}, {{0, 0}}},
  };
  cases[2].files[0].table.records.erase(cases[2].files[0].table.records.begin() + 40,
                                        cases[2].files[0].table.records.begin() + 55);  // a gap from 40 to 54
  cases[2].dropped = {0, 5};  // 55 to 59 are a's
  cases[2].runs = {{0, 0}, {40, 1}, {45, 0}};  // b's 50 to 54 in a's gap
  for (JoinCase& c : cases) {
    const FluxSeries s = JoinSeries(std::move(c.files));
    std::vector<std::string> order;
    std::vector<std::size_t> dropped;
    for (const SeriesFile& f : s.files) order.push_back(f.name), dropped.push_back(f.dropped);
    EXPECT_EQ(order, c.order) << c.name;
    EXPECT_EQ(dropped, c.dropped) << c.name;
    EXPECT_EQ(s.runs, c.runs) << c.name;
    for (std::size_t i = 1; i < s.table.size(); ++i)
      ASSERT_LT(RecordTime(s.table[i - 1]), RecordTime(s.table[i])) << c.name << " row " << i;
    for (std::size_t i = 0; i < s.table.size(); ++i)
      ASSERT_EQ(s.FileOf(i).name, s.files[static_cast<std::size_t>(s.table[i].values[0] - 1)].name) << c.name;
  }
}

TEST(SeriesJoinTest, OneFileIsItsOwnTableUnchanged) {
  DecodedFile f = File("a", 0, 10, 1);
  f.table.records.push_back(f.table.records[3]);  // out of order and twice: kept as the file has it
  const RecordVector records = f.table.records;
  const FluxSeries s = JoinSeries({f});
  ASSERT_EQ(s.table.size(), records.size());
  EXPECT_EQ(RecordTime(s.table.records.back()), RecordTime(records.back()));
}

// Files of two stations (a code and its alias one station), opened together;
// the first file that does not open is named.
TEST(FluxFilesTest, GroupsStationsAndNamesTheFileThatDoesNotOpen) {
  test::TempDir dir;
  auto write = [&](const std::string& name, const std::string& station, int hour) {
    std::string text;
    for (int s = 0; s < 5; ++s) text += test::ArchiveBody(station, 2024, 5, 14, hour, 0, s, {1, 2, 3, 4, 5, 6, 7, 8}, 8) + "\n";
    test::WriteFile(dir / name, text);
    return (dir / name).string();
  };
  const std::vector<std::string> paths{write("p.phf", "PHFF", 20), write("a.apl", "APLM", 1), write("l.apl", "LEAR", 2)};
  FluxFiles files;
  ASSERT_FALSE(files.Open(paths));
  ASSERT_EQ(files.Network().stations.size(), 2u);
  EXPECT_EQ(files.Network().stations[0].StationCode(), "APLM");  // Learmonth first, as in the station table
  EXPECT_EQ(files.Network().stations[0].table.size(), 10u);
  EXPECT_EQ(files.Network().stations[1].StationCode(), "PHFF");
  const auto failure = files.Open({paths[0], (dir / "gone.apl").string(), (dir / "gone2.apl").string()});
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->message, "Failed to open " + (dir / "gone.apl").string());
  EXPECT_FALSE(files.IsOpen());
}

}  // namespace
}  // namespace helvarra
