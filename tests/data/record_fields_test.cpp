// Reading fields of a record by position, and naming the station.

#include "data/record_fields.h"
#include "data/stations.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/support/record_text.h"

namespace helvarra {
namespace {

struct IntegerCase {
  std::string text;
  int value;
};
void PrintTo(const IntegerCase& c, std::ostream* os) { *os << testing::PrintToString(c.text); }

class ReadIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ReadIntegerTest, FollowsTheCLibraryDecimalRule) {
  EXPECT_EQ(ReadInteger(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadIntegerTest,
                         ::testing::Values(IntegerCase{"  -123", -123}, IntegerCase{"12 34 ", 12},
                                           IntegerCase{"      ", 0}, IntegerCase{"", 0}, IntegerCase{"+7", 7},
                                           IntegerCase{"1a", 1}, IntegerCase{"a1", 0}, IntegerCase{"007", 7},
                                           IntegerCase{" \t\n\v\f\r42", 42}, IntegerCase{"99999\n", 99999},
                                           IntegerCase{"-", 0}, IntegerCase{"+-3", 0}, IntegerCase{"- 3", 0},
                                           IntegerCase{"999999", 999999}, IntegerCase{"-99999", -99999}));

TEST(FieldTextTest, CutsAtTheEndOfTheRecord) {
  EXPECT_EQ(FieldText("ABCDEF", 0, 4), "ABCD");
  EXPECT_EQ(FieldText("ABCDEF", 4, 4), "EF");
  EXPECT_EQ(FieldText("ABCDEF", 6, 2), "");
  EXPECT_EQ(FieldText("ABCDEF", 60, 6), "");
  EXPECT_EQ(FieldInteger("  12", 2, 6), 12);
}

TEST(RecordFieldsTest, TimeAndChannelsOfARecordAsRead) {
  const std::string record =
      test::RecordBody("PHFF", 99, 12, 31, 23, 58, 7, {0, -1, 999999, 12, 345, -9999, 6, 99999}) + "\n";
  ASSERT_EQ(record.size(), 67u);
  EXPECT_EQ(RecordHour(record), 23);
  EXPECT_EQ(RecordMinute(record), 58);
  EXPECT_EQ(RecordSecond(record), 7);
  const int expected[] = {0, -1, 999999, 12, 345, -9999, 6, 99999};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(ChannelValue(record, k), expected[k]) << "channel " << k;

  // A short read: the last channel is cut to its first digits, a channel past
  // the end reads 0.
  const std::string_view cut = std::string_view(record).substr(0, 63);
  EXPECT_EQ(ChannelValue(cut, 7), 99);
  EXPECT_EQ(ChannelValue(cut.substr(0, 55), 6), 0);
  EXPECT_EQ(RecordSecond("APLM  2301011200"), 0);
}

struct StationCase {
  std::string record;
  std::string name;
};
void PrintTo(const StationCase& c, std::ostream* os) { *os << testing::PrintToString(c.record); }

class StationTest : public ::testing::TestWithParam<StationCase> {};

TEST_P(StationTest, MatchesTheFirstFourCharactersExactly) {
  EXPECT_EQ(LookupStation(GetParam().record), GetParam().name) << '"' << GetParam().record << '"';
  EXPECT_EQ(LookupStation(GetParam().record).size(), 14u);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, StationTest,
    ::testing::Values(StationCase{"APLM  230101000000", "Learmonth     "}, StationCase{"PHFF", "Palehua       "},
                      StationCase{"K7OL  ", "Sagamore Hill "}, StationCase{"LISSXYZ", "San Vito      "},
                      StationCase{"KHMN\n", "Holloman      "}, StationCase{"aplm  230101", "Unknown Site  "},
                      StationCase{"K7ol", "Unknown Site  "}, StationCase{" APLM", "Unknown Site  "},
                      StationCase{"APL", "Unknown Site  "}, StationCase{"\n", "Unknown Site  "},
                      StationCase{"", "Unknown Site  "}));

}  // namespace
}  // namespace helvarra
