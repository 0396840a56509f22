#pragma once
// tarrawin-snapshot's tables, from the same records the viewer draws, the
// files opened as the viewer opens them (data/flux_files.h): --info, what
// was read; --measure, a burst measured between two times of day at every
// station; --csv, the records; --agreement, two stations compared.

#include "apps/snapshot/snapshot_options.h"

namespace helvarra::snapshot {

// Each returns the exit status; messages go to standard error.
int PrintInfo(const Options& options);
int PrintMeasurement(const Options& options);
int WriteCsv(const Options& options);
int PrintAgreement(const Options& options);

}  // namespace helvarra::snapshot
