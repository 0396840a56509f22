#pragma once
// tarrawin-snapshot --measure and --csv: a burst measured between two times
// of day, and the records as CSV, from the same table the viewer draws.

#include "platform/qt/snapshot_options.h"

namespace helvarra::snapshot {

// Each returns the exit status; messages go to standard error.
int PrintMeasurement(const Options& options);
int WriteCsv(const Options& options);

}  // namespace helvarra::snapshot
