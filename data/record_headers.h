#pragma once
// The 18 characters a record starts with: a station code of four letters or
// digits (at least one letter), then the date and time of the sample (UT):
// YYYYMMDDhhmmss as the archive writes them, or in the record table's layout
// two characters not interpreted (blanks, or the century) and YYMMDDhhmmss.
// A letter never stands in a value, so a header is found by its letters.

#include <cstddef>

#include "data/flux_record.h"
#include "data/flux_table.h"

namespace helvarra {

inline constexpr int kHeaderChars = 18;

// True if the 18 characters at p form a header of the given alignment's kind.
bool HeaderAt(const char* p, Alignment alignment);

// The first header starting at or after `from` in line[0, n), or n.
std::size_t FindHeader(const char* line, std::size_t n, std::size_t from, Alignment alignment);

// The station, date and time of the header at p. A two-digit year is taken
// as 1970 to 2069. False if that date and time cannot exist: a month other
// than 1-12, a day past its month's end (29 February only in leap years) or
// 0, an hour past 23, a minute past 59, a second past 60 (a leap second).
bool ReadHeader(const char* p, FluxRecord& record);

}  // namespace helvarra
