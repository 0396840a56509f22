#pragma once
// Records as CSV: a header "time_ut,245,...,15400" (the channels'
// frequencies), then one line per record, its time as YYYY-MM-DDTHH:MM:SSZ
// from its own date and time, each value a decimal integer and a hole an
// empty field. Records of several stations: "station" (the four-letter code
// the file gives) follows time_ut, and the lines of all the stations run in
// UT order, within one second in the stations' order. Lines end in "\n".
// The lines are put together in a buffer, with no stream formatting, and
// written in 64 KiB blocks: a whole day (86,400 records, 6 MB) takes about
// 10 ms.

#include <cstddef>
#include <ostream>
#include <span>
#include <string>

#include "data/flux_table.h"

namespace helvarra {

// "time_ut,245,410,610,1415,2695,4995,8800,15400", from kChannels; with the
// station column after time_ut for several stations.
std::string RecordsCsvHeader(bool stations = false);

// A record's time as the CSV writes it: YYYY-MM-DDTHH:MM:SSZ.
std::string IsoTimeText(const FluxRecord& record);

// A station's rows to write, both ends included (rows past the table's end
// are not written).
struct CsvStation {
  const FluxTable* table = nullptr;
  RowRange rows;
};

// The header and the rows, to `out`. Whether all was written is `out`'s state.
void WriteRecordsCsv(std::ostream& out, std::span<const CsvStation> stations);
void WriteRecordsCsv(std::ostream& out, const FluxTable& table, std::size_t first, std::size_t last);

}  // namespace helvarra
