// The sample tool's files as the reader opens them: its default output is the
// shipped sample byte for byte, every archive variant opens as that kind with
// the values written, its broken lines decode as documented, --days writes a
// day a file under the archive's names, and the shipped archive day opens as
// it should.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "data/flux_data_file.h"
#include "data/stations.h"
#include "tests/support/record_text.h"

namespace helvarra {
namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Stamp(const FluxRecord& r) {
  char text[40];
  std::snprintf(text, sizeof text, "%.4s%04d%02d%02d%02d%02d%02d", r.station.data(), r.year, r.month, r.day, r.hour,
                r.minute, r.second);
  return text;
}

class SampleToolTest : public ::testing::Test {
 protected:
  std::string Make(const std::string& args, const std::string& name) {
    const std::string out = (dir_ / name).string();
    const std::string command = std::string(HELVARRA_MAKE_SAMPLE) + " " + args + " '" + out + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return out;
  }
  test::TempDir dir_;
};

TEST_F(SampleToolTest, DefaultOutputIsTheShippedSampleByteForByte) {
  const std::string made = Make("--start 22:30:00 --seconds 10800 --realistic --seed 7", "a.apl");
  EXPECT_TRUE(Slurp(made) == Slurp(HELVARRA_SOURCE_DIR "/samples/14MAY24.APL"));
}

struct Variant {
  const char* args;
  bool compressed;
  int width;
  LineEnds ends;
};

TEST_F(SampleToolTest, EveryArchiveVariantOpensWithTheValuesWritten) {
  const Variant variants[] = {
      {"--width 6", false, 6, LineEnds::CrLf},       {"--width 6 --lf", false, 6, LineEnds::Lf},
      {"--width 7", false, 7, LineEnds::CrLf},       {"--width 8 --lf", false, 8, LineEnds::Lf},
      {"--width 6 --gzip", true, 6, LineEnds::CrLf}, {"--width 7 --lf --gzip", true, 7, LineEnds::Lf},
      {"--width 8 --gzip", true, 8, LineEnds::CrLf},
  };
  int n = 0;
  for (const Variant& v : variants) {
    SCOPED_TRACE(v.args);
    const std::string args =
        std::string(v.args) + " --station PALE --date 2003-02-01 --start 23:58:00 --seconds 300 --ramp";
    const std::string path = Make(args, "v" + std::to_string(n++));
    EXPECT_TRUE(Slurp(path) == Slurp(Make(args, "again"))) << "not the same bytes";
    FluxDataFile file;
    ASSERT_TRUE(file.Open(path));
    const FluxTable& t = file.Table();
    EXPECT_EQ(t.layout.alignment, Alignment::Archive);
    EXPECT_EQ(t.layout.compressed, v.compressed);
    EXPECT_EQ(t.layout.width, v.width);
    EXPECT_EQ(t.layout.lineEnds, v.ends);
    ASSERT_EQ(t.size(), 300u);
    for (std::size_t i : {0, 119, 120, 299}) {
      const int second = (23 * 3600 + 58 * 60 + static_cast<int>(i)) % 86400;
      EXPECT_EQ(t[i].SecondOfDay(), second);
      EXPECT_EQ(t[i].day, i < 120 ? 1 : 2);
      EXPECT_EQ(LookupStation(t[i].Station()), "Palehua       ");
      for (int k = 0; k < 8; ++k) EXPECT_EQ(t[i].Value(k), second % 1000 + 10 * (k + 1)) << i << " " << k;
    }
  }
}

TEST_F(SampleToolTest, BrokenLinesDecodeAsDocumented) {
  for (int width : {6, 7, 8}) {
    SCOPED_TRACE(width);
    const std::string path =
        Make("--width " + std::to_string(width) + " --broken --constant 50 --seconds 1000", "b.gz");
    FluxDataFile file;
    ASSERT_TRUE(file.Open(path));
    const FluxTable& t = file.Table();
    EXPECT_EQ(t.size(), 1000u);  // the cut-short record is still one
    EXPECT_EQ(t.stats.linesSkipped, 1u);
    EXPECT_EQ(t.stats.resynchronised, 1u);
    const int wider[] = {1423862, 14238625, 142386251}, negative[] = {-2542645, -25426459, -254264591};
    EXPECT_EQ(t[150].Value(0), wider[width - 6]);
    EXPECT_EQ(t[300].Value(7), negative[width - 6]);
    for (int k = 0; k < 8; ++k) EXPECT_EQ(t[450].Value(k), k < 3 ? 50 : 0);
    EXPECT_EQ(t[451].Value(7), 50);
    EXPECT_EQ(t[750].Value(2), 0);
    for (int k = 0; k < 8; ++k) {
      EXPECT_EQ(t.stats.Holes(k, HoleCause::CutShort), k < 3 ? 0u : 1u);
      EXPECT_EQ(t.stats.Holes(k, HoleCause::Blank), k == 2 ? 1u : 0u);
      EXPECT_EQ(t.stats.Holes(k, HoleCause::Overflow) + t.stats.Holes(k, HoleCause::NotANumber), 0u);
    }
  }
}

struct DaysCase {
  const char* args;
  const char* names[2];
  int records;
  const char* first[2];  // each file's first record's station, date and time
  const char* last[2];   // and its last's
};

TEST_F(SampleToolTest, DaysWriteADayAFileUnderTheArchivesNames) {
  const DaysCase cases[] = {
      {"--station LEAR --date 2024-12-31",
       {"31DEC24.APL", "01JAN25.APL"},
       86400,
       {"LEAR20241231000000", "LEAR20250101000000"},
       {"LEAR20241231235959", "LEAR20250101235959"}},
      {"--station KHMN --width 8 --gzip --start 22:30:00 --seconds 600",
       {"14MAY24.HOL.gz", "15MAY24.HOL.gz"},
       600,
       {"KHMN20240514223000", "KHMN20240515223000"},
       {"KHMN20240514223959", "KHMN20240515223959"}},
      {"--station XXXX --seconds 10",
       {"14MAY24.DAT", "15MAY24.DAT"},
       10,
       {"XXXX20240514000000", "XXXX20240515000000"},
       {"XXXX20240514000009", "XXXX20240515000009"}},
  };
  int n = 0;
  for (const DaysCase& c : cases) {
    SCOPED_TRACE(c.args);
    const std::string folder = Make(std::string("--days 2 ") + c.args, "new" + std::to_string(n++) + "/days");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2);
    std::vector<int> firstValues[2];
    for (int d = 0; d < 2; ++d) {
      FluxDataFile file;
      ASSERT_TRUE(file.Open(folder + "/" + c.names[d])) << c.names[d];
      const FluxTable& t = file.Table();
      ASSERT_EQ(t.size(), static_cast<std::size_t>(c.records));
      EXPECT_EQ(Stamp(t[0]), c.first[d]);
      EXPECT_EQ(Stamp(t.records.back()), c.last[d]);
      for (int k = 0; k < 8; ++k) firstValues[d].push_back(t[0].Value(k));
    }
    EXPECT_NE(firstValues[0], firstValues[1]) << "the days have the same values";
  }
  // The second day is the file of the same options a day on, with the next seed.
  EXPECT_TRUE(Slurp(dir_ / "new2/days/15MAY24.DAT") ==
              Slurp(Make("--station XXXX --seconds 10 --date 2024-05-15 --seed 2", "one")));
}

TEST_F(SampleToolTest, TheShippedArchiveDayOpens) {
  // A copy: another test may hold the sample open, against every other opener.
  const auto copy = dir_ / "15MAY24.APL.gz";
  std::filesystem::copy_file(HELVARRA_SOURCE_DIR "/samples/15MAY24.APL.gz", copy);
  FluxDataFile file;
  ASSERT_TRUE(file.Open(copy.string()));
  const FluxTable& t = file.Table();
  EXPECT_TRUE(t.layout.compressed);
  EXPECT_EQ(t.layout.width, 8);
  EXPECT_EQ(t.layout.lineEnds, LineEnds::Lf);
  EXPECT_EQ(t.stats.linesSkipped, 1u);
  EXPECT_EQ(t.stats.resynchronised, 1u);
  ASSERT_EQ(t.size(), 43200u - 40);  // 12 hours, less the 40-second gap
  EXPECT_EQ(LookupStation(t.records.back().Station()), "Learmonth     ");
  EXPECT_EQ(t[0].SecondOfDay(), 22 * 3600 + 30 * 60);
  EXPECT_EQ(t.records.back().SecondOfDay(), 10 * 3600 + 29 * 60 + 59);
  for (int k = 0; k < 8; ++k) EXPECT_EQ(t.stats.Holes(k, HoleCause::Blank), k == 2 ? 16u : 15u) << k;
}

}  // namespace
}  // namespace helvarra
