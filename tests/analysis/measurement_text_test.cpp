// A measurement as CSV and as events-list lines, and both on the clipboard.

#include "analysis/measurement_text.h"

#include <gtest/gtest.h>

#include <string>

namespace helvarra {
namespace {

TEST(MeasurementTextTest, WritesCsvThenEventsListLines) {
  FluxTable table;
  for (const int second : {83405, 83550, 84359}) {  // 23:10:05, 23:12:30, 23:25:59
    FluxRecord& r = table.records.emplace_back();
    r.station = {'L', 'E', 'A', 'R'};
    r.hour = second / 3600, r.minute = second / 60 % 60, r.second = second % 60;
  }
  table.records[2].station = {'S', 'V', 'T', '0'};  // no station's code
  BurstMeasure m;
  // background, peak row, peak, peak above background, begin row, end row, holes
  m[0] = {{}, {}, 0, {}, {}, {}, 3};
  m[4] = {100, 1, 1300, 1200, 0, 2, 0};
  m[5] = {100.5, 1, 50, -50.5, {}, {}, 0};
  m[6] = {{}, 1, 50, {}, {}, {}, 0};
  m[7] = {101.5, 2, 2101, 1999.5, 0, 2, 1};
  const std::string csv =
      "frequency_mhz,background_sfu,begin_ut,peak_ut,end_ut,peak_sfu,peak_above_background_sfu,holes\n"
      "245,,,,,,,3\n410,,,,,,,0\n610,,,,,,,0\n1415,,,,,,,0\n"
      "2695,100,23:10:05,23:12:30,23:25:59,1300,1200,0\n"
      "4995,100.5,,23:12:30,,50,-50.5,0\n"
      "8800,,,23:12:30,,50,,0\n"
      "15400,101.5,23:10:05,23:25:59,23:25:59,2101,1999.5,1\n";
  // Begin 0-3, maximum 7-10, end 14-17, observatory 20-22, type 25-27, MHz
  // right-aligned in 28-34, SFU above background rounded, right-aligned in 35-42.
  const std::string events =
      "2310   2312   2325  LEA  RBR   2695    1200\n"
      "2310   2325   2325  ???  RBR  15400    2000\n";
  EXPECT_EQ(MeasurementCsv(table, m), csv);
  EXPECT_EQ(EventsListLines(table, m), events);
  EXPECT_EQ(MeasurementClipboardText(table, m), csv + "\n" + events);
}

}  // namespace
}  // namespace helvarra
