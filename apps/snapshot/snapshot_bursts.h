#pragma once
// tarrawin-snapshot --bursts: the catalogue of the bursts found, as CSV
// (analysis/burst_catalogue.h) or, with --events-list, as the events lists'
// lines. With --join the files are opened together and the stations confirm
// each other's bursts; without it each file is a series of its own, the files
// shared out among every core, and their bursts make one catalogue in UT order.

#include "apps/snapshot/snapshot_options.h"

namespace helvarra::snapshot {

// Returns the exit status: 1 if a file could not be read (the others are
// catalogued) or the output not written.
int WriteBursts(const Options& options);

}  // namespace helvarra::snapshot
