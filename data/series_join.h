#pragma once
// Files of one station joined into one series (data/flux_series.h).

#include <string>
#include <vector>

#include "data/flux_series.h"

namespace helvarra {

// A file read and decoded, not yet part of a series.
struct DecodedFile {
  std::string path;  // full path
  std::string name;  // without its folder
  FluxTable table;
};

// The series of the files, each holding at least one record. The files are
// taken in the order of their first record's time (as given where two start
// in the same second). A file that starts after every record of the files
// before it is appended whole; one that starts earlier loses the records
// whose second the files before it hold, and the series is then put in UT
// order (a stable sort, so equal seconds keep their order). A single file's
// table is moved in unchanged.
FluxSeries JoinSeries(std::vector<DecodedFile> files);

}  // namespace helvarra
