#pragma once
// --days: a run of whole days, one file a day, named as the RSTN archive names
// its files.

#include <chrono>
#include <string>
#include <string_view>

#include "tools/make_sample/options.h"

namespace helvarra::sample {

// ddMONyy.EXT, e.g. 14MAY24.APL (".gz" added if compressed), EXT from the
// station code: APL, PHF, K7O, LIS, HOL, or DAT for a code not known.
std::string archiveFileName(std::string_view station, std::chrono::sys_days day, bool gzip);

// Writes opt.days files into `folder`, making it if missing: day i is the file
// of the same options with the date i days on and the seed plus i.
void writeDays(const Options& opt, const std::string& folder);

}  // namespace helvarra::sample
