#pragma once
// What the reader found in an open file, as plain text (for
// tarrawin-snapshot --info): the layout, the record count, the first and last
// time stamps, the station, the lines skipped and records re-synchronised, and
// per channel the fields that hold no value, by cause.

#include <string>

#include "data/flux_data_file.h"

namespace helvarra {

// For a file of 68-byte records, its records are read through once (every 68
// bytes, as the viewer takes them) to count the fields without digits; the
// read position is put back afterwards. Nothing is written. The file must be
// open; a read failure throws FileError as ReadRecord does.
std::string FormatFileReport(FluxDataFile& file);

}  // namespace helvarra
