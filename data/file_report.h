#pragma once
// What the decoder found in a file, as plain text (tarrawin-snapshot --info):
// the layout, the record count, the first and last time stamps, the station,
// the lines skipped and records re-synchronised, and per channel the fields
// that hold no value, by cause. It reads the same table the viewer draws.
// For files opened together: each file's path, layout, records and first and
// last times, then each station's series as one file's account.

#include <string>

#include "data/flux_network.h"
#include "data/flux_table.h"

namespace helvarra {

std::string FormatFileReport(const std::string& path, const FluxTable& table);
// One file: FormatFileReport of it.
std::string FormatNetworkReport(const FluxNetwork& network);

}  // namespace helvarra
