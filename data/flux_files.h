#pragma once
// The data files open in the viewer: one file or several opened together,
// each opened, locked, read and decoded as FluxDataFile does (several on
// every core), and grouped by station into series on one UT axis. The
// viewer's window and tarrawin-snapshot open files only through here, and
// here is the one place their messages are made.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/flux_data_file.h"
#include "data/flux_network.h"

namespace helvarra {

// Why the files did not open, in the viewer's words.
struct OpenFailure {
  enum class Kind {
    NotOpened,  // "Failed to open PATH": missing, unreadable, not a data file
    NoRecord,   // "Seek failed on PATH": opened, but it holds no record
    ReadError,  // a read failure's own message
  };
  Kind kind = Kind::NotOpened;
  std::string message;
};

// "Failed to open " and the path.
std::string FailedToOpenMessage(const std::string& path);

// A path as the messages name it: made absolute, without "." and "..".
std::string FullPathOf(const std::string& path);

class FluxFiles {
 public:
  // Opens every file, or none: the first of them (in the order given) that
  // does not open says why, and whatever was open before is closed either way.
  std::optional<OpenFailure> Open(const std::vector<std::string>& paths);
  void Close();
  bool IsOpen() const { return !network_.empty(); }

  const FluxNetwork& Network() const { return network_; }

 private:
  std::vector<std::unique_ptr<FluxDataFile>> files_;  // each locked while open
  FluxNetwork network_;
};

}  // namespace helvarra
