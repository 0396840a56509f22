// Times and ranges of times as the user types them, civil days, and the
// records of a range going on over midnight.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "data/record_time.h"
#include "data/time_search.h"
#include "tests/data/midnight_table.h"

namespace helvarra {
namespace {

TEST(TimeTextTest, ReadsTimesAndRanges) {
  EXPECT_EQ(ParseTimeOfDay("00:00"), 0);
  EXPECT_EQ(ParseTimeOfDay("7:05"), 25500);
  EXPECT_EQ(ParseTimeOfDay("23:59:59"), 86399);
  EXPECT_EQ(HourMinuteSecondText(86399), "23:59:59");
  for (const char* bad : {"24:00", "12:60", "12:00:60", "12:3", "12:345", "", ":30", "123:00", "12:34:5", "1a:00",
                          "+1:00", " 1:00", "12:34:56:00", "12:34:"})
    EXPECT_EQ(ParseTimeOfDay(bad), std::nullopt) << bad;
  const auto range = ParseTimeRange("23:50-0:10:30");
  ASSERT_TRUE(range);
  EXPECT_EQ(std::pair(range->start, range->end), std::pair(85800, 630));
  for (const char* bad : {"23:50", "23:50-", "-00:10", "23:50-00:10-01:00", "23:50 - 00:10"})
    EXPECT_FALSE(ParseTimeRange(bad)) << bad;
}

// 2000 is a leap year, 1900 and 2100 are not.
TEST(RecordTimeTest, CountsCivilDays) {
  EXPECT_EQ(std::tuple(DaysFromCivil(1969, 12, 31), DaysFromCivil(2000, 3, 1), DaysFromCivil(1900, 3, 1),
                       DaysFromCivil(2100, 3, 1)),
            std::tuple(-1, 11017, -25508, 47541));
}

// The file runs from 23:50:00 to 00:10:00 the next day.
TEST(RangeSearchTest, GoesOnFromTheFirstRecordOverMidnight) {
  using test::MidnightRow;
  FluxTable table = test::MidnightTable();
  const std::size_t end = table.size() - 1;
  const struct {
    const char* range;
    std::optional<RowRange> rows;
  } cases[] = {{"23:58-00:02", RowRange{MidnightRow(-120), MidnightRow(120)}},
               {"23:50-23:50", RowRange{0, 0}},
               {"00:05-23:55", RowRange{MidnightRow(300), end}},      // that day's 23:55
               {"23:55-23:52:30", RowRange{MidnightRow(-300), end}},  // the next day's 23:52:30
               {"23:49:59-23:51", std::nullopt}};                    // from the next day, after the file
  for (const auto& c : cases) EXPECT_EQ(FindRecordsInRange(table, *ParseTimeRange(c.range)).rows, c.rows) << c.range;
  const RangeSearch none = FindRecordsInRange(table, *ParseTimeRange("00:15-00:20"));
  EXPECT_FALSE(none.rows);
  EXPECT_EQ(std::pair(none.firstSecond, none.lastSecond), std::pair(85800, 600));
  // From 23:50:30, as for --time, 23:50 is on the first record's day.
  table.records.erase(table.records.begin(), table.records.begin() + 30);
  EXPECT_EQ(FindRecordsInRange(table, *ParseTimeRange("23:50-23:51")).rows, (RowRange{0, 30}));
}

}  // namespace
}  // namespace helvarra
