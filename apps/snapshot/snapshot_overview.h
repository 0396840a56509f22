#pragma once
// tarrawin-snapshot --overview: the day overview as a PNG picture, as the
// overview window draws it. Without --join, one picture a file, the files
// shared out among every core; a file that cannot be read is named on
// standard error and the others go on. With --join, one picture of the files
// opened together, a strip a station.

#include "apps/snapshot/snapshot_options.h"

namespace helvarra::snapshot {

// The picture's size.
inline constexpr int kOverviewWidth = 1200, kOverviewHeight = 400;

// Returns the exit status: 1 if any file could not be drawn or its picture
// not written; 2, before anything is written, if two files of the batch
// would write the same picture.
int WriteOverviews(const Options& options);

}  // namespace helvarra::snapshot
