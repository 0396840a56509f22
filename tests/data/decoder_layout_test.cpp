// How the one decoder finds a text's layout from its own lines: where the
// values of a 6-wide line stand, line ends, skipped and shared lines, and the
// width; and that records are made room for once.

#include "data/flux_decoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

#include "tests/support/record_text.h"

namespace helvarra {
namespace {

using Values = std::array<int, 8>;

// The record table's 66 characters, optionally with the century at 4-5.
std::string TableLine(int second, const Values& v, bool century) {
  std::string line = test::RecordBody("PHFF", 3, 10, 1, 21, 47, second, v);
  if (century) line.replace(4, 2, "20");
  return line;
}

struct LayoutCase {
  const char* name;
  std::string text;
  int width;
  Alignment alignment;
  LineEnds lineEnds;
  Values values;  // of every record
};
void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

std::string Lines(int count, const Values& v, bool century, const char* end) {
  std::string s;
  for (int i = 0; i < count; ++i) s += TableLine(i, v, century) + end;
  return s;
}
std::string ArchiveLines(int count, const Values& v, int width, const char* end) {
  std::string s;
  for (int i = 0; i < count; ++i) s += test::ArchiveBody("APLM", 2002, 9, 4, 13, 0, i, v, width) + end;
  return s;
}

const Values kSmall{17, 29, 45, 68, 94, 150, 250, 99999};
const Values kWide{123456, -12345, 45, 68, 94, 150, 999999, 550};
const Values kSixDigits{123456, 123456, 123456, 123456, 123456, 123456, 123456, 123456};

class LayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTest, ValuesAreReadWhereTheLinesHaveThem) {
  const LayoutCase& c = GetParam();
  const FluxTable t = DecodeFluxText(c.text);
  EXPECT_EQ(t.layout.width, c.width);
  EXPECT_EQ(t.layout.alignment, c.alignment);
  EXPECT_EQ(t.layout.lineEnds, c.lineEnds);
  ASSERT_EQ(t.size(), 3u);
  for (std::size_t i = 0; i < t.size(); ++i) {
    EXPECT_EQ(t[i].second, i);
    EXPECT_EQ(t[i].holes, 0) << "record " << i;
    for (int k = 0; k < 8; ++k) EXPECT_EQ(t[i].Value(k), c.values[static_cast<std::size_t>(k)]) << "channel " << k;
  }
  EXPECT_EQ(t.stats.resynchronised, 0u);
}

constexpr Alignment kTable = Alignment::RecordTable, kArchive = Alignment::Archive;

INSTANTIATE_TEST_SUITE_P(
    Texts, LayoutTest,
    ::testing::Values(
        LayoutCase{"RecordTableCrLf", Lines(3, kSmall, false, "\r\n"), 6, kTable, LineEnds::CrLf, kSmall},
        LayoutCase{"RecordTableWithTheCenturyCrLf", Lines(3, kSmall, true, "\r\n"), 6, kTable, LineEnds::CrLf, kSmall},
        LayoutCase{"RecordTableWithTheCenturyLf", Lines(3, kSmall, true, "\n"), 6, kTable, LineEnds::Lf, kSmall},
        LayoutCase{"RecordTableSixDigitValues",
                   Lines(3, {999999, -99999, 1, 2, 3, 4, 5, 6}, true, "\r\n"),
                   6,
                   kTable,
                   LineEnds::CrLf,
                   {999999, -99999, 1, 2, 3, 4, 5, 6}},
        LayoutCase{"ArchiveSixWideCrLf", ArchiveLines(3, kWide, 6, "\r\n"), 6, kArchive, LineEnds::CrLf, kWide},
        LayoutCase{"ArchiveSixWideLf", ArchiveLines(3, kWide, 6, "\n"), 6, kArchive, LineEnds::Lf, kWide},
        // Lines each layout could have written but for one: the archive's six digits at 18.
        LayoutCase{"ArchiveSixDigitsEverywhere", ArchiveLines(3, kSixDigits, 6, "\n"), 6, kArchive, LineEnds::Lf,
                   kSixDigits},
        LayoutCase{"ArchiveAfterACommentLine", "# Learmonth\r\n" + ArchiveLines(3, kWide, 6, "\r\n"), 6, kArchive,
                   LineEnds::CrLf, kWide},
        LayoutCase{"ArchiveEightWideCrLines", ArchiveLines(3, kWide, 8, "\r"), 8, kArchive, LineEnds::Cr, kWide},
        LayoutCase{"ArchiveSevenWideCrCrLf", ArchiveLines(3, kWide, 7, "\r\r\n"), 7, kArchive, LineEnds::CrLf, kWide},
        LayoutCase{"NoiseLineAmongRecords", Lines(3, kSmall, false, "\r\n").insert(68, std::string(66, '-') + "\r\n"),
                   6, kTable, LineEnds::CrLf, kSmall}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecoderTest, GarbageEmptyAndHeaderlessLinesNeverShiftTheRecords) {
  const auto line = [](int s, int v) {
    return test::ArchiveBody("LEAR", 2024, 5, 14, 23, 59, s, {v, v, v, v, v, v, v, v}, 8);
  };
  const std::string text = line(0, 10) + "\n" +                  // a record
                           "\n\r\n" +                            // empty lines: ignored
                           "*** noise without a header ***\n" +  // skipped
                           std::string(5, '\0') + "\n" +         // skipped
                           "xx " + line(1, 11) + "\n" +          // text before the header: dropped
                           "LEAR2024051423\n" +                  // a header cut short: skipped
                           line(2, 12) + line(3, 13) + "\n" +    // two records on one line
                           line(4, 14);                          // no line end at the end
  const FluxTable t = DecodeFluxText(text);
  ASSERT_EQ(t.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(t[static_cast<std::size_t>(i)].second, i);
    EXPECT_EQ(t[static_cast<std::size_t>(i)].Value(3), 10 + i);
  }
  EXPECT_EQ(t.stats.linesSkipped, 3u);
  EXPECT_EQ(t.stats.resynchronised, 1u);
  EXPECT_EQ(t.layout.lineEnds, LineEnds::Mixed);
  EXPECT_EQ(t.layout.width, 8);
}

TEST(DecoderTest, WidthIsWhatMostLinesStateElseTheMostConfidentReading) {
  const auto lines = [](int width, int count, int first) {
    std::string s;
    for (int i = 0; i < count; ++i)
      s += test::ArchiveBody("PHFF", 2010, 1, 1, 0, 0, i % 60, {first + i, 2, 3, 4, 5, 6, 7, 8}, width) + "\n";
    return s;
  };
  EXPECT_EQ(DecodeFluxText(lines(7, 2, 0) + lines(8, 3, 0)).layout.width, 8);
  EXPECT_EQ(DecodeFluxText(lines(8, 2, 0) + lines(7, 3, 0)).layout.width, 7);
  // No line of a standard length: wide values push every line past it.
  EXPECT_EQ(DecodeFluxText(lines(7, 5, 10000000)).layout.width, 7);
  EXPECT_EQ(DecodeFluxText(lines(6, 5, 1000000)).layout.width, 6);
  const FluxTable wide = DecodeFluxText(lines(8, 5, 100000000));
  EXPECT_EQ(wide.layout.width, 8);
  ASSERT_EQ(wide.size(), 5u);
  EXPECT_EQ(wide[4].Value(0), 100000004);
}

// A line whose date or time cannot exist holds no record: it is skipped and
// counted. A leap second is a time; so is the leap day of a leap year.
TEST(DecoderTest, StampsThatCannotExistAreSkippedLines) {
  const std::string values = "       1       2       3       4       5       6       7       8\n";
  const struct {
    const char* stamp;
    bool exists;
  } archive[] = {{"20240229235960", true},  {"20000229000000", true},  {"19000229000000", false},
                 {"20230229000000", false}, {"20241301015006", false}, {"20240001000000", false},
                 {"20240100000000", false}, {"20240431000000", false}, {"20241231240000", false},
                 {"20241231236000", false}, {"20241231235961", false}, {"20241231235959", true}};
  std::string text, kept;
  for (const auto& c : archive) {
    text += "K7OL" + std::string(c.stamp) + values;
    if (c.exists) kept += std::string(c.stamp) + " ";
  }
  // A header that cannot exist still ends the record before it on the line.
  text += "K7OL20240514000000       1  K7OL20240514250000       2" + values;
  kept += "20240514000000 ";
  const auto read = [](const FluxTable& t) {
    std::string s;
    for (const FluxRecord& r : t.records) {
      char stamp[32];
      std::snprintf(stamp, sizeof stamp, "%04d%02d%02d%02d%02d%02d ", r.year, r.month, r.day, r.hour, r.minute,
                    r.second);
      s += stamp;
    }
    return s;
  };
  const FluxTable t = DecodeFluxText(text);
  EXPECT_EQ(read(t), kept);
  EXPECT_EQ(t.stats.linesSkipped, 9u);
  EXPECT_EQ(t.stats.resynchronised, 1u);
  // The record table's two-digit years: 00 is 2000, a leap year; 70 is 1970.
  const std::string table = test::RecordLine("PHFF", 0, 2, 29, 0, 0, 0, kSmall) +
                            test::RecordLine("PHFF", 70, 2, 29, 0, 0, 0, kSmall) +
                            test::RecordLine("PHFF", 99, 12, 31, 23, 59, 60, kSmall);
  const FluxTable t2 = DecodeFluxText(table);
  EXPECT_EQ(read(t2), "20000229000000 19991231235960 ");
  EXPECT_EQ(t2.stats.linesSkipped, 1u);
}

TEST(DecoderTest, NothingToDecode) {
  for (const std::string text : {"", "\n\n", "K7OL2024041815470\n", "7777202404181547011\n", "hello\r\nworld"})
    EXPECT_TRUE(DecodeFluxText(text).empty()) << testing::PrintToString(text);
  EXPECT_EQ(DecodeFluxText("hello\r\nworld").stats.linesSkipped, 2u);
}

// A line of bare headers holds as many records; the table is made room for
// once, for exactly those.
TEST(DecoderTest, RecordsAreMadeRoomForOnce) {
  std::string line;
  for (int i = 0; i < 1000; ++i) line += "LEAR2024051400" + std::to_string(10000 + i / 60 * 100 + i % 60).substr(1);
  const FluxTable t = DecodeFluxText(line + "\n");
  EXPECT_EQ(t.size(), 1000u);
  EXPECT_EQ(t.records.capacity(), 1000u);
  EXPECT_EQ(t.stats.Holes(0, HoleCause::CutShort), 1000u);
}

}  // namespace
}  // namespace helvarra
