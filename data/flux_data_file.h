#pragma once
// The data file as the viewer holds it: opened read-only by path and locked
// against other openers for as long as it is open, read whole and decoded
// once into the record table (docs/FORMATS.md). A gzip-compressed file is
// inflated in memory first. Nothing is ever written, and a change another
// program makes to the file shows when the file is opened again.

#include <string>
#include <utility>

#include "data/file_error.h"
#include "data/flux_table.h"

namespace helvarra {

// A record's size in the record table's own files: 66 characters and CR LF.
inline constexpr int kRecordBytes = 68;

class FluxDataFile {
 public:
  FluxDataFile() = default;
  ~FluxDataFile() { Close(); }
  FluxDataFile(const FluxDataFile&) = delete;
  FluxDataFile& operator=(const FluxDataFile&) = delete;

  // Opens an existing regular file and decodes it. False if it is missing,
  // unreadable, not a regular file or held by another program; if it is a
  // damaged gzip stream, more than 64 MiB (compressed or inflated), or cannot
  // be held in memory; and if it holds text but no record. A file shorter
  // than one record that holds no record opens with an empty table. A read
  // failure after the file was opened throws FileError(Generic), closed.
  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

  // The full path of the open file (empty while closed).
  const std::string& GetFilePath() const { return path_; }
  // The records (none while closed).
  const FluxTable& Table() const { return table_; }
  // The records handed over, the file staying open and locked.
  FluxTable TakeTable() { return std::exchange(table_, FluxTable{}); }

 private:
  bool Load(std::size_t size);

  int fd_ = -1;
  std::string path_;
  FluxTable table_;
};

}  // namespace helvarra
