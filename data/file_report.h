#pragma once
// What the decoder found in a file, as plain text (tarrawin-snapshot --info):
// the layout, the record count, the first and last time stamps, the station,
// the lines skipped and records re-synchronised, and per channel the fields
// that hold no value, by cause. It reads the same table the viewer draws.

#include <string>

#include "data/flux_table.h"

namespace helvarra {

std::string FormatFileReport(const std::string& path, const FluxTable& table);

}  // namespace helvarra
