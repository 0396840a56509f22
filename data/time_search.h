#pragma once
// Records found by time: the record at a time of day, and the records of a
// range of times of day, going on from a file's first record; a table's
// records in a stretch of UT, and the stretch its rows take. The records are
// taken to run forward in time, as a series' do.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "data/flux_table.h"
#include "data/record_time.h"
#include "data/time_of_day.h"

namespace helvarra {

struct TimeSearch {
  std::optional<int> index;             // the record found, if any
  int firstMinute = 0, lastMinute = 0;  // of the day, of the first and the last record
};

// The first record whose time comes at or after `minuteOfDay` counted on from
// the table's first record: a minute earlier in the day than that record's is
// one of the following day, as in the chart. No index when the table ends first.
TimeSearch FindRecordAtTime(const FluxTable& table, int minuteOfDay);

struct RangeSearch {
  std::optional<RowRange> rows;          // none: no record lies in the range
  std::int64_t start = 0, end = 0;      // the range found, as absolute times (record_time.h)
  int firstSecond = 0, lastSecond = 0;  // of the day, of the first and the last record
};

// The records of a range of times of day, going on from the table's first
// record as FindRecordAtTime does. The start is the first time of day
// `range.start` at or after the first record, its day settled at the minute
// as FindRecordAtTime settles it (22:30:00 is on the first record's day when
// that record is at 22:30:40; 22:29:59 is on the next). The end is the first
// time of day `range.end` at or after the start. The rows run from the first
// record whose absolute time lies in [start, end] to the last such record.
RangeSearch FindRecordsInRange(const FluxTable& table, TimeOfDayRange range);

// The first record at or after a second, and the first after it.
std::size_t FirstRowFrom(const FluxTable& table, std::int64_t second);
std::size_t FirstRowAfter(const FluxTable& table, std::int64_t second);

// A table's records in the seconds; nothing where none is.
std::optional<RowRange> RowsInSeconds(const FluxTable& table, SecondRange seconds);
// The seconds from a table's first record of the rows to its last's (rows
// past the end left out); nothing where none is left.
std::optional<SecondRange> SecondsOfRows(const FluxTable& table, const std::optional<RowRange>& rows);

}  // namespace helvarra
