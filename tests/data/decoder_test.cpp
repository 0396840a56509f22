// The one decoder: the lines real files hold, the field rules, where the
// values stand in a 6-wide line, line ends, re-synchronisation and skipping,
// and the width.

#include "data/flux_decoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "data/field_rules.h"
#include "tests/support/record_text.h"

namespace helvarra {
namespace {

constexpr HoleCause N = HoleCause::None, B = HoleCause::Blank, X = HoleCause::NotANumber, O = HoleCause::Overflow,
                    C = HoleCause::CutShort;
using Values = std::array<std::int32_t, 8>;
using Causes = std::array<HoleCause, 8>;

struct Expected {
  std::string header;  // CCCCYYYYMMDDhhmmss
  Values values;
  Causes causes;
};

std::string Header(const FluxRecord& r) {
  char text[40];
  std::snprintf(text, sizeof text, "%.4s%04d%02d%02d%02d%02d%02d", r.station.data(), r.year, r.month, r.day, r.hour,
                r.minute, r.second);
  return text;
}

void ExpectRecords(const FluxTable& t, const std::vector<Expected>& want) {
  ASSERT_EQ(t.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "record " << i);
    EXPECT_EQ(Header(t[i]), want[i].header);
    for (int k = 0; k < 8; ++k) {
      const auto ku = static_cast<std::size_t>(k);
      EXPECT_EQ(t[i].IsHole(k), want[i].causes[ku] != N) << "channel " << k;
      EXPECT_EQ(t[i].Value(k), want[i].causes[ku] == N ? want[i].values[ku] : 0) << "channel " << k;
    }
  }
  for (int k = 0; k < 8; ++k)
    for (HoleCause cause : {B, X, O, C}) {
      std::uint64_t n = 0;
      for (const Expected& e : want) n += e.causes[static_cast<std::size_t>(k)] == cause;
      EXPECT_EQ(t.stats.Holes(k, cause), n) << "channel " << k << " cause " << static_cast<int>(cause);
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
  const FluxTable alone = DecodeFluxText(c.line + "\n");
  EXPECT_EQ(alone.layout.width, c.width);
  ExpectRecords(alone, c.records);
  EXPECT_EQ(alone.stats.resynchronised, c.resynchronised);

  const std::string around = test::ArchiveBody("K7OL", 2020, 1, 1, 0, 0, 0, {1, 2, 3, 4, 5, 6, 7, 8}, c.width);
  const FluxTable among = DecodeFluxText(around + "\r\n" + around + "\r\n" + c.line + "\r\n" + around + "\r\n");
  std::vector<Expected> want(2, {around.substr(0, 18), {1, 2, 3, 4, 5, 6, 7, 8}, {}});
  want.insert(want.end(), c.records.begin(), c.records.end());
  want.push_back(want.front());
  ExpectRecords(among, want);
  EXPECT_EQ(among.layout.lineEnds, LineEnds::CrLf);
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
        RealLine{"StrayDigitAfterTheLastValue",
                 "K7OL20110615120000     22     47     83    147    215    242    341    5719",
                 7,
                 {{"K7OL20110615120000", {22, 47, 83, 147, 215, 242, 341, 0}, {N, N, N, N, N, N, N, O}}},
                 0},
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
  const FieldValues f = ReadFields(GetParam().body, ArchiveGrid(GetParam().width));
  EXPECT_EQ(f.causes, GetParam().causes);
  for (int k = 0; k < 8; ++k) {
    const auto ku = static_cast<std::size_t>(k);
    EXPECT_EQ(f.values[ku], GetParam().causes[ku] == N ? GetParam().values[ku] : 0) << "channel " << k;
  }
}

const std::string kSix = "     1     2     3     4     5     6";  // six 6-wide fields
const std::string kSixAt8 = "       3       4       5       6       7";

INSTANTIATE_TEST_SUITE_P(
    Bodies, FieldRuleTest,
    ::testing::Values(
        // Bodies of exactly 8w: every field in its columns, ending where the next begins.
        FieldCase{
            "FullWidthNeighboursInTheirColumns", "123456-12345" + kSix, 6, {123456, -12345, 1, 2, 3, 4, 5, 6}, {}},
        FieldCase{"LetterInAFieldIsNotANumber",
                  "    12  1a34" + kSix,
                  6,
                  {12, 0, 1, 2, 3, 4, 5, 6},
                  {N, X, N, N, N, N, N, N}},
        FieldCase{"BlankField", std::string(12, ' ') + kSix, 6, {0, 0, 1, 2, 3, 4, 5, 6}, {B, B, N, N, N, N, N, N}},
        FieldCase{"SignWithoutDigitsIsNotANumber",
                  "     -  12 3" + kSix,
                  6,
                  {0, 0, 1, 2, 3, 4, 5, 6},
                  {X, O, N, N, N, N, N, N}},
        FieldCase{"NumberRunningOnIntoTheNextFieldIsNotRead",
                  "      1   12345     3      4      5      6      7      8",
                  7,
                  {1, 0, 0, 4, 5, 6, 7, 8},
                  {N, O, O, N, N, N, N, N}},
        FieldCase{"OverflowInALineCutAsMuchIsNotRead",
                  "123456789       2" + kSixAt8 + "      8",
                  8,
                  {},
                  {O, O, O, O, O, O, O, O}},
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
                  "99999999999       1       2" + kSixAt8,
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
        // One character too many that no value wider than its field accounts for: a
        // stray blank or digit, the same text either way; the fields it may belong to are holes.
        FieldCase{"StrayDigitAfterTheLastValue",
                  "    10    20    30    40    50    60    70    889",
                  6,
                  {10, 20, 30, 40, 50, 60, 70},
                  {N, N, N, N, N, N, N, O}},
        FieldCase{"StrayDigitInsideTheLine",
                  "     10     20     30    1119     50     60     70     80",
                  7,
                  {10, 20, 30, 0, 50, 60, 70, 80},
                  {N, N, N, O, N, N, N, N}},
        FieldCase{"StrayBlankBeforeTheFirstValue",
                  "      1     2     3     4     5     6     7     8",
                  6,
                  {0, 2, 3, 4, 5, 6, 7, 8},
                  {O, N, N, N, N, N, N, N}},
        FieldCase{"StrayBlankInsideTheLine",
                  "      10      20      30      40      50      571      70      80",
                  8,
                  {10, 20, 30, 40, 50, 0, 70, 80},
                  {N, N, N, N, N, O, N, N}},
        // Either one-digit value may be the stray digit, in a blank field.
        FieldCase{"OneDigitValuesBesideABlankTooLong",
                  "     1       " + kSix,
                  6,
                  {0, 0, 0, 2, 3, 4, 5, 6},
                  {O, B, O, N, N, N, N, N}},
        // Shorter bodies: cut short.
        FieldCase{"CutShortAfterTwoFields", "    12    34  ", 6, {12, 34}, {N, N, C, C, C, C, C, C}},
        FieldCase{"FullFieldAtTheCutMayBeAPartOfALongerValue", "    12123456", 6, {12}, {N, C, C, C, C, C, C, C}},
        FieldCase{"OverflowBeforeTheCut", "1234567    12", 6, {}, {O, C, C, C, C, C, C, C}},
        FieldCase{"NotANumberBeforeTheCut", "    ab    12", 6, {}, {X, C, C, C, C, C, C, C}},
        FieldCase{"EmptyBody", "", 8, {}, {C, C, C, C, C, C, C, C}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace helvarra
