#pragma once
// tarrawin-snapshot --overview: the day overview of each file as a PNG
// picture, as the overview window draws it, the files shared out among every
// core. A file that cannot be read is named on standard error and the others
// go on.

#include "platform/qt/snapshot_options.h"

namespace helvarra::snapshot {

// The picture's size.
inline constexpr int kOverviewWidth = 1200, kOverviewHeight = 400;

// Returns the exit status: 1 if any file could not be drawn or its picture
// not written.
int WriteOverviews(const Options& options);

}  // namespace helvarra::snapshot
