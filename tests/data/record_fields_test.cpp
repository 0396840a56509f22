// The record table's fields by the C library's decimal rule, a two-digit
// year, and the station named by the first four characters.

#include "data/record_fields.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "data/flux_decoder.h"
#include "data/stations.h"
#include "tests/support/record_text.h"

namespace helvarra {
namespace {

struct FieldCase {
  std::string field;  // channel 0's six characters
  int value;
  HoleCause cause;
};
void PrintTo(const FieldCase& c, std::ostream* os) { *os << testing::PrintToString(c.field); }

class TableFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(TableFieldTest, FollowsTheCLibraryDecimalRule) {
  const std::string record = "APLM  240514120000 " + GetParam().field + "     2";
  const FieldValues f = ReadRecordTableFields(record);
  EXPECT_EQ(f.values[0], GetParam().value);
  EXPECT_EQ(f.causes[0], GetParam().cause);
  EXPECT_EQ(f.values[1], 2);
  EXPECT_EQ(f.causes[2], HoleCause::CutShort);
}

constexpr HoleCause N = HoleCause::None;
INSTANTIATE_TEST_SUITE_P(
    Fields, TableFieldTest,
    ::testing::Values(FieldCase{"  -123", -123, N}, FieldCase{"12 34 ", 12, N}, FieldCase{"+7    ", 7, N},
                      FieldCase{"1a    ", 1, N}, FieldCase{"007   ", 7, N}, FieldCase{"\t\v\f42 ", 42, N},
                      FieldCase{"999999", 999999, N}, FieldCase{"-99999", -99999, N},
                      FieldCase{"      ", 0, HoleCause::Blank}, FieldCase{"a1    ", 0, HoleCause::NotANumber},
                      FieldCase{"-     ", 0, HoleCause::NotANumber}, FieldCase{"+-3   ", 0, HoleCause::NotANumber},
                      FieldCase{"- 3   ", 0, HoleCause::NotANumber}));

// The last channel has the five characters before the line end; a record
// cut short has its last fields cut or missing.
TEST(TableFieldTest, LastChannelAndRecordsCutShort) {
  const std::string record = test::RecordBody("PHFF", 99, 12, 31, 23, 58, 7, {0, -1, 999999, 12, 345, -9999, 6, 99999});
  const FieldValues whole = ReadRecordTableFields(record + "123");
  EXPECT_EQ(whole.values, (std::array<std::int32_t, 8>{0, -1, 999999, 12, 345, -9999, 6, 99999}));
  const FieldValues cut = ReadRecordTableFields(std::string_view(record).substr(0, 63));
  EXPECT_EQ(cut.values[7], 99);
  EXPECT_EQ(ReadRecordTableFields(std::string_view(record).substr(0, 55)).causes[6], HoleCause::CutShort);
  const FluxTable t = DecodeFluxText(record + "\r\n");
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].year, 1999);
  EXPECT_EQ(t[0].SecondOfDay(), 23 * 3600 + 58 * 60 + 7);
}

class StationTest : public ::testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(StationTest, MatchesTheFirstFourCharactersExactly) {
  EXPECT_EQ(LookupStation(GetParam().first), GetParam().second) << '"' << GetParam().first << '"';
}

INSTANTIATE_TEST_SUITE_P(Codes, StationTest,
                         ::testing::Values(std::pair{"APLM", "Learmonth     "}, std::pair{"PHFF", "Palehua       "},
                                           std::pair{"K7OL", "Sagamore Hill "}, std::pair{"LISSXYZ", "San Vito      "},
                                           std::pair{"KHMN", "Holloman      "}, std::pair{"LEAR", "Learmonth     "},
                                           std::pair{"PALE", "Palehua       "}, std::pair{"SGMR", "Sagamore Hill "},
                                           std::pair{"SVTO", "San Vito      "}, std::pair{"HOLL", "Holloman      "},
                                           std::pair{"aplm", "Unknown Site  "}, std::pair{"K7ol", "Unknown Site  "},
                                           std::pair{" APLM", "Unknown Site  "}, std::pair{"APL", "Unknown Site  "},
                                           std::pair{"SVT0", "Unknown Site  "}, std::pair{"", "Unknown Site  "}));

TEST(OpenFileFilterTest, ListsEachStationsPlainAndCompressedFiles) {
  EXPECT_EQ(OpenFileFilter(),
            "All Files (*.*)|*.*|Learmonth Files (*.apl)|*.apl;*.apl.gz|Palehua Files (*.phf)|*.phf;*.phf.gz|"
            "Sagamore Hill Files (*.k7o)|*.k7O;*.k7O.gz|San Vito Files (*.lis)|*.lis;*.lis.gz||");
}

}  // namespace
}  // namespace helvarra
