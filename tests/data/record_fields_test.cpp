// The record table's fields by the C library's decimal rule, its broken
// lines, and the station named by the first four characters.

#include "data/record_fields.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

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

// In a line of 66 characters.
TEST_P(TableFieldTest, FollowsTheCLibraryDecimalRule) {
  const std::string record =
      test::RecordBody("APLM", 24, 5, 14, 12, 0, 0, {0, 2, 3, 4, 5, 6, 7, 8}).replace(19, 6, GetParam().field);
  const FieldValues f = ReadRecordTableFields(record);
  EXPECT_EQ(f.values[0], GetParam().value);
  EXPECT_EQ(f.causes[0], GetParam().cause);
  EXPECT_EQ(f.values[1], 2);
}

constexpr HoleCause N = HoleCause::None, O = HoleCause::Overflow, C = HoleCause::CutShort;
INSTANTIATE_TEST_SUITE_P(
    Fields, TableFieldTest,
    ::testing::Values(FieldCase{"  -123", -123, N}, FieldCase{"12 34 ", 12, N}, FieldCase{"+7    ", 7, N},
                      FieldCase{"1a    ", 1, N}, FieldCase{"007   ", 7, N}, FieldCase{"\t\v\f42 ", 42, N},
                      FieldCase{"999999", 999999, N}, FieldCase{"-99999", -99999, N},
                      FieldCase{"      ", 0, HoleCause::Blank}, FieldCase{"a1    ", 0, HoleCause::NotANumber},
                      FieldCase{"-     ", 0, HoleCause::NotANumber}, FieldCase{"+-3   ", 0, HoleCause::NotANumber},
                      FieldCase{"- 3   ", 0, HoleCause::NotANumber}));

// The record table's line as printf writes it: a value longer than its field
// pushes the rest of the line on.
std::string Written(const std::array<int, 8>& v) {
  std::string line = "PHFF  031001214758 ";
  char f[16];
  for (int k = 0; k < 8; ++k) {
    std::snprintf(f, sizeof f, "%*d", k == 7 ? 5 : 6, v[static_cast<std::size_t>(k)]);
    line += f;
  }
  return line;
}
const std::array<int, 8> kValues{17, 41, 45, 68, 93, 137, 225, 571};

struct BrokenCase {
  const char* name;
  std::string record;
  std::array<int, 8> values;
  std::array<HoleCause, 8> causes;
};
void PrintTo(const BrokenCase& c, std::ostream* os) { *os << c.name; }

class BrokenTableLineTest : public ::testing::TestWithParam<BrokenCase> {};

// A record of another length than 66 characters: its fields where they can
// be told, a hole where a field's place is uncertain.
TEST_P(BrokenTableLineTest, LeavesHolesWhereAFieldsPlaceIsUncertain) {
  const FieldValues f = ReadRecordTableFields(GetParam().record);
  EXPECT_EQ(f.causes, GetParam().causes);
  for (std::size_t k = 0; k < 8; ++k)
    EXPECT_EQ(f.values[k], GetParam().causes[k] == N ? GetParam().values[k] : 0) << "channel " << k;
}

INSTANTIATE_TEST_SUITE_P(
    Records, BrokenTableLineTest,
    ::testing::Values(
        BrokenCase{"ValueLongerThanItsField",
                   Written({17, 41, 1234567, 68, 93, 137, 225, 571}),
                   {17, 41, 1234567, 68, 93, 137, 225, 571},
                   {}},
        BrokenCase{"LastValueLongerThanItsField",
                   Written({17, 41, 45, 68, 93, 137, 225, 123456}),
                   {17, 41, 45, 68, 93, 137, 225, 123456},
                   {}},
        BrokenCase{"ValuesRunTogether",
                   Written({17, 1234567, 123456, 68, 93, 137, 225, 571}),
                   {17, 0, 0, 68, 93, 137, 225, 571},
                   {N, O, O, N, N, N, N, N}},
        BrokenCase{"LastCharacterMissing", Written(kValues).substr(0, 65), kValues, {N, N, N, N, N, N, N, C}},
        BrokenCase{"DigitMissingInsideTheLine", Written(kValues).erase(54, 1), kValues, {N, N, N, N, N, C, N, N}},
        BrokenCase{"CutShortByTheNextRecord", Written(kValues).substr(0, 63), kValues, {N, N, N, N, N, N, N, C}}),
    [](const auto& info) { return std::string(info.param.name); });

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
