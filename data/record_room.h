#pragma once
// Room for a table's records, made once: a day's records fill 3.8 MB and a
// month's 114 MB, and faulted in page by page of 4 KiB that is thousands of
// faults, much of the time an open takes; the room is asked for in pages of
// 2 MiB where the system has them.

#include <cstddef>

#include "data/flux_table.h"

namespace helvarra {

void ReserveRecords(RecordVector& records, std::size_t count);

}  // namespace helvarra
