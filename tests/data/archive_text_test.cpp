// Decoding the archive's text: the lines real files hold, the field rules,
// re-synchronisation and skipping, the width, and the record text delivered.

#include "data/archive_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "data/record_fields.h"
#include "data/stations.h"
#include "tests/support/record_text.h"

namespace helvarra {
namespace {

constexpr HoleCause N = HoleCause::None, B = HoleCause::Blank, X = HoleCause::NotANumber, O = HoleCause::Overflow,
                    C = HoleCause::CutShort;
using Values = std::array<std::int32_t, 8>;
using Causes = std::array<HoleCause, 8>;

struct Expected {
  std::string header;
  Values values;
  Causes causes;
};

// Record i as the viewer gets it: text, and values through ChannelValue.
FluxRecord Delivered(const ArchiveDecoding& d, std::size_t i) {
  FluxRecord r;
  d.Deliver(i, r);
  return r;
}

void ExpectRecords(const ArchiveDecoding& d, const std::vector<Expected>& want) {
  ASSERT_EQ(d.Count(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "record " << i);
    const FluxRecord r = Delivered(d, i);
    EXPECT_EQ(r.length, 67);
    EXPECT_EQ(r.View().substr(0, 18), want[i].header);
    EXPECT_EQ(r.text[66], '\n');
    for (int k = 0; k < 8; ++k) {
      const auto ku = static_cast<std::size_t>(k);
      EXPECT_EQ(ChannelValue(r, k), want[i].causes[ku] == N ? want[i].values[ku] : 0) << "channel " << k;
      // A hole is blank in the text, as a blank field of a 68-byte record.
      if (want[i].causes[ku] != N) {
        EXPECT_EQ(FieldText(r.View(), 19 + 6 * k, k == 7 ? 5 : 6).find_first_not_of(' '), std::string_view::npos);
      }
    }
  }
}

// Hole counts of the decoding, per channel and cause, summed from `want`.
void ExpectHoleCounts(const ArchiveDecoding& d, const std::vector<Expected>& want) {
  for (int k = 0; k < 8; ++k)
    for (HoleCause cause : {B, X, O, C}) {
      std::uint64_t n = 0;
      for (const Expected& e : want) n += e.causes[static_cast<std::size_t>(k)] == cause;
      EXPECT_EQ(d.stats.Holes(k, cause), n) << "channel " << k << " cause " << static_cast<int>(cause);
    }
}

struct RealLine {
  const char* name;
  std::string line;
  int width;
  std::vector<Expected> records;
  std::uint64_t resynchronised;
};
void PrintTo(const RealLine& c, std::ostream* os) { *os << c.name; }

class RealLineTest : public ::testing::TestWithParam<RealLine> {};

// Each line alone (its width found from the line), and again among lines of
// its width, with CR LF: same records, same holes.
TEST_P(RealLineTest, DecodesAsDocumented) {
  const RealLine& c = GetParam();
  const ArchiveDecoding alone = DecodeArchiveText(c.line + "\n");
  EXPECT_EQ(alone.stats.width, c.width);
  ExpectRecords(alone, c.records);
  ExpectHoleCounts(alone, c.records);
  EXPECT_EQ(alone.stats.resynchronised, c.resynchronised);
  EXPECT_EQ(alone.stats.linesSkipped, 0u);

  const std::string before = test::ArchiveBody("K7OL", 2020, 1, 1, 0, 0, 0, {1, 2, 3, 4, 5, 6, 7, 8}, c.width);
  const std::string after = test::ArchiveBody("K7OL", 2020, 1, 1, 0, 0, 1, {9, 9, 9, 9, 9, 9, 9, 9}, c.width);
  const ArchiveDecoding among = DecodeArchiveText(before + "\r\n" + before + "\r\n" + c.line + "\r\n" + after + "\r\n");
  EXPECT_EQ(among.stats.width, c.width);
  std::vector<Expected> want{{before.substr(0, 18), {1, 2, 3, 4, 5, 6, 7, 8}, {}},
                             {before.substr(0, 18), {1, 2, 3, 4, 5, 6, 7, 8}, {}}};
  want.insert(want.end(), c.records.begin(), c.records.end());
  want.push_back({after.substr(0, 18), {9, 9, 9, 9, 9, 9, 9, 9}, {}});
  ExpectRecords(among, want);
  ExpectHoleCounts(among, want);
  EXPECT_EQ(among.stats.lineEnds, LineEnds::CrLf);
}

INSTANTIATE_TEST_SUITE_P(
    ArchiveLines, RealLineTest,
    ::testing::Values(
        RealLine{"SevenWide",
                 "K7OL20090701084648      0      0      5      0      3      0      0     10",
                 7,
                 {{"K7OL20090701084648", {0, 0, 5, 0, 3, 0, 0, 10}, {}}},
                 0},
        RealLine{"EightWide",
                 "K7OL20151029110157       4       2       3      22      52      61      89     241",
                 8,
                 {{"K7OL20151029110157", {4, 2, 3, 22, 52, 61, 89, 241}, {}}},
                 0},
        RealLine{"OverflowIntoTheNextField",
                 "K7OL20161103181511142386251      31      42      48      75     109     224     453",
                 8,
                 {{"K7OL20161103181511", {142386251, 31, 42, 48, 75, 109, 224, 453}, {}}},
                 0},
        RealLine{"HugeNegativeFirst",
                 "K7OL20170425194736-25222716      30      43      59      81     118     242     485",
                 8,
                 {{"K7OL20170425194736", {-25222716, 30, 43, 59, 81, 118, 242, 485}, {}}},
                 0},
        RealLine{
            "CutShortThenTheNextRecord",
            "K7OL20180829142525       9      28      34  K7OL20180829144534      -3       0       2      32      67"
            "      70     101     278",
            8,
            {{"K7OL20180829142525", {9, 28, 34, 0, 0, 0, 0, 0}, {N, N, N, C, C, C, C, C}},
             {"K7OL20180829144534", {-3, 0, 2, 32, 67, 70, 101, 278}, {}}},
            1},
        RealLine{"HugeNegativeLast",
                 "K7OL20240418154701      22      47      83     147     215     242     341-254264591",
                 8,
                 {{"K7OL20240418154701", {22, 47, 83, 147, 215, 242, 341, -254264591}, {}}},
                 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct FieldCase {
  const char* name;
  std::string body;
  int width;
  Values values;
  Causes causes;
};
void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name << " " << testing::PrintToString(c.body); }

class FieldRuleTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldRuleTest, ReadsOnlyWhatItCanReadWithConfidence) {
  const ArchiveFields f = ReadArchiveFields(GetParam().body, GetParam().width);
  EXPECT_EQ(f.causes, GetParam().causes);
  for (int k = 0; k < 8; ++k) {
    const auto ku = static_cast<std::size_t>(k);
    EXPECT_EQ(f.values[ku], GetParam().causes[ku] == N ? GetParam().values[ku] : 0) << "channel " << k;
  }
}

const std::string kSix = "     1     2     3     4     5     6";  // six 6-wide fields

INSTANTIATE_TEST_SUITE_P(
    Bodies, FieldRuleTest,
    ::testing::Values(
        // Bodies of exactly 8w: every field in its columns.
        FieldCase{
            "FullWidthNeighboursInTheirColumns", "123456-12345" + kSix, 6, {123456, -12345, 1, 2, 3, 4, 5, 6}, {}},
        FieldCase{"LetterInAFieldIsNotANumber",
                  "    12  1a34" + kSix,
                  6,
                  {12, 0, 1, 2, 3, 4, 5, 6},
                  {N, X, N, N, N, N, N, N}},
        FieldCase{
            "BlankField", "      " + std::string(6, ' ') + kSix, 6, {0, 0, 1, 2, 3, 4, 5, 6}, {B, B, N, N, N, N, N, N}},
        FieldCase{"SignWithoutDigitsIsNotANumber",
                  "     -  12 3" + kSix,
                  6,
                  {0, 0, 1, 2, 3, 4, 5, 6},
                  {X, O, N, N, N, N, N, N}},
        // Longer bodies: a value ran over.
        FieldCase{"TwoValuesMergedAreOverflow",
                  "12345671234567" + kSix,
                  6,
                  {0, 0, 1, 2, 3, 4, 5, 6},
                  {O, O, N, N, N, N, N, N}},
        FieldCase{"TwoOverflowsApartKeepTheirValues",
                  "1234567     9-1234567     2     3     4     5      ",
                  6,
                  {1234567, 9, -1234567, 2, 3, 4, 5, 0},
                  {N, N, N, N, N, N, N, B}},
        FieldCase{"TokenBeyond32BitsIsOverflow",
                  "99999999999" + std::string("       1") + "       2       3       4       5       6       7",
                  8,
                  {0, 1, 2, 3, 4, 5, 6, 7},
                  {O, N, N, N, N, N, N, N}},
        FieldCase{"LetterInAShiftedSpanIsNotANumber",
                  "12345a7" + kSix + "     7",
                  6,
                  {0, 1, 2, 3, 4, 5, 6, 7},
                  {X, N, N, N, N, N, N, N}},
        FieldCase{"TrailingBlanksAreIgnored",
                  "     1     2     3     4     5     6     7     8   ",
                  6,
                  {1, 2, 3, 4, 5, 6, 7, 8},
                  {}},
        FieldCase{"StrayDigitAfterTheLastFieldJoinsIt",
                  "     1     2     3     4     5     6     7     89",
                  6,
                  {1, 2, 3, 4, 5, 6, 7, 89},
                  {}},
        // Shorter bodies: cut short.
        FieldCase{"CutShortAfterTwoFields", "    12    34  ", 6, {12, 34}, {N, N, C, C, C, C, C, C}},
        FieldCase{"FullFieldAtTheCutMayBeAPartOfALongerValue", "    12123456", 6, {12}, {N, C, C, C, C, C, C, C}},
        FieldCase{"OverflowBeforeTheCut", "1234567    12", 6, {}, {O, C, C, C, C, C, C, C}},
        FieldCase{"NotANumberBeforeTheCut", "    ab    12", 6, {}, {X, C, C, C, C, C, C, C}},
        FieldCase{"EmptyBody", "", 8, {}, {C, C, C, C, C, C, C, C}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ArchiveTextTest, GarbageEmptyAndHeaderlessLinesNeverShiftTheRecords) {
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
  const ArchiveDecoding d = DecodeArchiveText(text);
  ASSERT_EQ(d.Count(), 5u);
  for (int i = 0; i < 5; ++i) {
    const FluxRecord r = Delivered(d, static_cast<std::size_t>(i));
    EXPECT_EQ(RecordSecond(r.View()), i);
    EXPECT_EQ(ChannelValue(r, 3), 10 + i);
  }
  EXPECT_EQ(d.stats.linesSkipped, 3u);
  EXPECT_EQ(d.stats.resynchronised, 1u);
  EXPECT_EQ(d.stats.lineEnds, LineEnds::Mixed);
  EXPECT_EQ(d.stats.width, 8);
}

TEST(ArchiveTextTest, RecordTextReadsAsA68ByteRecord) {
  const ArchiveDecoding d = DecodeArchiveText(
      test::ArchiveBody("LEAR", 2024, 5, 15, 1, 2, 3, {999999, -99999, 15, 0, 123456, 7, 8, 99999}, 8) + "\n" +
      test::ArchiveBody("LEAR", 2024, 5, 15, 1, 2, 4, {1000000, -100000, 3, 4, 5, 6, 7, 100000}, 8) + "\n" +
      test::ArchiveBody("LEAR", 2024, 5, 15, 1, 2, 5, {1, 2, 3, 4, 5, 6, 7, -10000}, 8) + "\n");
  ASSERT_EQ(d.Count(), 3u);
  const FluxRecord fits = Delivered(d, 0);
  EXPECT_EQ(fits.View(), "LEAR20240515010203 999999-99999    15     0123456     7     899999\n");
  EXPECT_FALSE(fits.hasValues);  // the columns show every value
  EXPECT_EQ(LookupStation(fits.View()), "Learmonth     ");
  EXPECT_EQ(FieldText(fits.View(), kYearPos, 2), "24");
  EXPECT_EQ(FieldText(fits.View(), kMonthPos, 2), "05");
  EXPECT_EQ(FieldText(fits.View(), kDayPos, 2), "15");
  EXPECT_EQ(RecordHour(fits.View()) * 10000 + RecordMinute(fits.View()) * 100 + RecordSecond(fits.View()), 10203);

  const FluxRecord wide = Delivered(d, 1);
  EXPECT_EQ(wide.View(), "LEAR20240515010204 ************     3     4     5     6     7*****\n");
  EXPECT_TRUE(wide.hasValues);
  const int expected[] = {1000000, -100000, 3, 4, 5, 6, 7, 100000};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(ChannelValue(wide, k), expected[k]);
  const FluxRecord negative = Delivered(d, 2);
  EXPECT_TRUE(negative.hasValues);
  EXPECT_EQ(ChannelValue(negative, 7), -10000);
  EXPECT_EQ(d.wide.size(), 2u);
}

TEST(ArchiveTextTest, WidthIsWhatMostLinesStateElseTheMostConfidentReading) {
  const auto lines = [](int width, int count, int first) {
    std::string s;
    for (int i = 0; i < count; ++i)
      s += test::ArchiveBody("PHFF", 2010, 1, 1, 0, 0, i % 60, {first + i, 2, 3, 4, 5, 6, 7, 8}, width) + "\n";
    return s;
  };
  EXPECT_EQ(DecodeArchiveText(lines(6, 3, 0)).stats.width, 6);
  EXPECT_EQ(DecodeArchiveText(lines(7, 2, 0) + lines(8, 3, 0)).stats.width, 8);
  EXPECT_EQ(DecodeArchiveText(lines(8, 2, 0) + lines(7, 3, 0)).stats.width, 7);
  // No line of a standard length: wide values push every line past it.
  EXPECT_EQ(DecodeArchiveText(lines(7, 5, 10000000)).stats.width, 7);
  EXPECT_EQ(DecodeArchiveText(lines(6, 5, 1000000)).stats.width, 6);
  const ArchiveDecoding wide = DecodeArchiveText(lines(8, 5, 100000000));
  EXPECT_EQ(wide.stats.width, 8);
  ASSERT_EQ(wide.Count(), 5u);
  EXPECT_EQ(ChannelValue(Delivered(wide, 4), 0), 100000004);
}

TEST(ArchiveTextTest, NothingToDecode) {
  for (const std::string text : {"", "\n\n", "K7OL2024041815470\n", "7777202404181547011\n", "hello\r\nworld"}) {
    const ArchiveDecoding d = DecodeArchiveText(text);
    EXPECT_EQ(d.Count(), 0u) << testing::PrintToString(text);
  }
  EXPECT_EQ(DecodeArchiveText("hello\r\nworld").stats.linesSkipped, 2u);
}

}  // namespace
}  // namespace helvarra
