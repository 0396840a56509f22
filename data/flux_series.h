#pragma once
// One station's files opened together, as one series: their records in UT
// order, file after file (the files ordered by their first record's time),
// each file's own order kept within it, and a second that two files hold
// taken once, from the earlier file. One file alone is a series of itself,
// its table unchanged. data/series_join.cpp joins them.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "data/flux_table.h"

namespace helvarra {

// A file of a series, as it was opened.
struct SeriesFile {
  std::string path;  // full path
  std::string name;  // the file's name, without its folder
  FileLayout layout;
  DecodeStats stats;
  std::size_t decoded = 0;  // records the file holds
  std::size_t dropped = 0;  // of them, those whose second an earlier file held
  FluxRecord first, last;   // its first and last records
};

// The rows from `firstRow` up to the next run's first row come from `file`.
struct FileRun {
  std::size_t firstRow = 0;
  std::size_t file = 0;
  friend bool operator==(const FileRun&, const FileRun&) = default;
};

struct FluxSeries {
  // The records; its layout is the first file's and its counts the files'
  // together.
  FluxTable table;
  std::vector<SeriesFile> files;  // in the series' order
  std::vector<FileRun> runs;      // by first row; one a file unless files overlap

  // The file the record at `row` comes from (the last file past the end).
  const SeriesFile& FileOf(std::size_t row) const;
  // The station code of the series' first record (empty for no record).
  std::string_view StationCode() const { return table.empty() ? std::string_view() : table[0].Station(); }
};

}  // namespace helvarra
