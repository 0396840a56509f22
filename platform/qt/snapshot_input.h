#pragma once
// A data file opened for the tool, or the viewer's message for why it cannot
// be: "Failed to open PATH", "Seek failed on PATH" for a file with no record,
// or a read failure's own message.

#include <memory>
#include <string>

#include "data/flux_data_file.h"

namespace helvarra::snapshot {

struct Input {
  std::unique_ptr<FluxDataFile> file = std::make_unique<FluxDataFile>();
  std::string error;  // empty: open, with records
};

// `path` as given on the command line; the messages name its full path.
Input OpenInput(const std::string& path);

}  // namespace helvarra::snapshot
