// What the CSV export writes, read back, is the table: times, values, holes.

#include "analysis/csv_export.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <sstream>
#include <string>
#include <tuple>

#include "data/record_time.h"
#include "tests/data/midnight_table.h"

namespace helvarra {
namespace {

// A line of the export: a time as YYYY-MM-DDTHH:MM:SSZ, then eight fields.
FluxRecord ReadLine(const std::string& line) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, n = 0;
  EXPECT_EQ(std::sscanf(line.c_str(), "%4d-%2d-%2dT%2d:%2d:%2dZ%n", &y, &mo, &d, &h, &mi, &s, &n), 6) << line;
  EXPECT_EQ(n, 20) << line;
  FluxRecord r;
  r.year = y, r.month = mo, r.day = d, r.hour = h, r.minute = mi, r.second = s;
  std::istringstream fields(line.substr(21) + ",");
  std::string field;
  for (int k = 0; k < kChannelCount && std::getline(fields, field, ','); ++k) {
    if (field.empty())
      r.holes |= 1 << k;
    else
      r.values[static_cast<std::size_t>(k)] = std::stoi(field);
  }
  EXPECT_EQ(fields.peek(), EOF) << line;
  return r;
}

TEST(CsvExportTest, ReadsBackAsTheTable) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  FluxTable table = test::MidnightTable();
  table.records[599].values = {1, 2, 3, 4, 5, 6, 7, 8};
  table.records[600].values = {0, -1, 0, kMax, -kMax - 1, 0, 99999, 0}, table.records[600].holes = 0b10000101;
  table.records[601].holes = 0xFF;
  std::ostringstream out;
  WriteRecordsCsv(out, table, 0, table.size() - 1);
  std::istringstream in(out.str());
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "time_ut,245,410,610,1415,2695,4995,8800,15400");
  for (const FluxRecord& r : table.records) {
    ASSERT_TRUE(std::getline(in, line));
    const FluxRecord back = ReadLine(line);
    EXPECT_EQ(std::tuple(RecordTime(back), back.values, back.holes), std::tuple(RecordTime(r), r.values, r.holes));
  }
  EXPECT_FALSE(std::getline(in, line));
  std::ostringstream part;
  WriteRecordsCsv(part, table, 599, 600);
  EXPECT_EQ(part.str(),
            "time_ut,245,410,610,1415,2695,4995,8800,15400\n2023-12-31T23:59:59Z,1,2,3,4,5,6,7,8\n"
            "2024-01-01T00:00:00Z,,-1,,2147483647,-2147483648,0,99999,\n");
}

}  // namespace
}  // namespace helvarra
