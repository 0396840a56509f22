#include "data/series_join.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <algorithm>
#include <numeric>
#include <unordered_set>

#include "data/record_room.h"
#include "data/record_time.h"

namespace helvarra {
namespace {

// The C library keeps freed blocks for later use; a series joined from many
// files' tables, each let go once copied, would otherwise hold its records
// twice over at its peak.
void GiveBackFreedMemory() {
#ifdef __GLIBC__
  malloc_trim(0);
#endif
}


SeriesFile Describe(const DecodedFile& f) {
  return SeriesFile{f.path, f.name, f.table.layout, f.table.stats, f.table.size(), 0, f.table[0], f.table.records.back()};
}

void AddStats(DecodeStats& into, const DecodeStats& from) {
  into.linesSkipped += from.linesSkipped;
  into.resynchronised += from.resynchronised;
  for (std::size_t k = 0; k < into.holes.size(); ++k)
    for (std::size_t c = 0; c < into.holes[k].size(); ++c) into.holes[k][c] += from.holes[k][c];
}

// The records joined, each row's file kept while the files overlap.
struct Joined {
  RecordVector records;
  std::vector<std::uint32_t> fileOfRow;  // filled only once the files overlap
  bool overlap = false;
};

// The seconds the rows so far hold, made when a file first overlaps them.
void TakeFile(Joined& j, std::unordered_set<std::int64_t>& held, std::int64_t& latest, std::size_t index,
              DecodedFile& file, SeriesFile& described) {
  const std::int64_t first = RecordTime(file.table[0]);
  if (first <= latest && !j.overlap) {
    j.overlap = true;
    for (const FluxRecord& r : j.records) held.insert(RecordTime(r));
    j.fileOfRow.resize(j.records.size());  // filled by the caller's runs below
  }
  std::vector<std::int64_t> mine;
  for (const FluxRecord& r : file.table.records) {
    const std::int64_t t = RecordTime(r);
    if (j.overlap && held.count(t) != 0) {
      ++described.dropped;
      continue;
    }
    j.records.push_back(r);
    if (j.overlap) {
      j.fileOfRow.push_back(static_cast<std::uint32_t>(index));
      mine.push_back(t);
    }
    latest = std::max(latest, t);
  }
  held.insert(mine.begin(), mine.end());
  RecordVector().swap(file.table.records);
  GiveBackFreedMemory();  // before the next file's records are copied
}

std::vector<FileRun> RunsOf(const std::vector<std::uint32_t>& fileOfRow) {
  std::vector<FileRun> runs;
  for (std::size_t row = 0; row < fileOfRow.size(); ++row)
    if (runs.empty() || runs.back().file != fileOfRow[row]) runs.push_back({row, fileOfRow[row]});
  return runs;
}

// Rows in UT order, equal seconds in the order they had; their files with them.
void PutInTimeOrder(Joined& j) {
  std::vector<std::size_t> order(j.records.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::ranges::stable_sort(order, {}, [&](std::size_t i) { return RecordTime(j.records[i]); });
  RecordVector records(j.records.size());
  std::vector<std::uint32_t> files(j.records.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    records[i] = j.records[order[i]];
    files[i] = j.fileOfRow[order[i]];
  }
  j.records.swap(records);
  j.fileOfRow.swap(files);
}

}  // namespace

const SeriesFile& FluxSeries::FileOf(std::size_t row) const {
  const auto after = std::ranges::upper_bound(runs, row, {}, &FileRun::firstRow);
  return files[after == runs.begin() ? 0 : std::prev(after)->file];
}

FluxSeries JoinSeries(std::vector<DecodedFile> files) {
  std::ranges::stable_sort(files, {}, [](const DecodedFile& f) { return RecordTime(f.table[0]); });
  FluxSeries series;
  for (const DecodedFile& f : files) series.files.push_back(Describe(f));
  if (files.size() == 1) {
    series.table = std::move(files[0].table);
    series.runs = {{0, 0}};
    return series;
  }
  series.table.layout = files[0].table.layout;
  Joined j;
  std::size_t total = 0;
  for (const DecodedFile& f : files) total += f.table.size();
  ReserveRecords(j.records, total);
  std::unordered_set<std::int64_t> held;
  std::int64_t latest = INT64_MIN;
  for (std::size_t i = 0; i < files.size(); ++i) {
    AddStats(series.table.stats, files[i].table.stats);
    const std::size_t before = j.records.size();
    const bool overlapBefore = j.overlap;
    TakeFile(j, held, latest, i, files[i], series.files[i]);
    if (!j.overlap) series.runs.push_back({before, i});
    if (j.overlap && !overlapBefore)  // the rows of the files before, each with its file
      for (const FileRun& run : series.runs)
        std::fill(j.fileOfRow.begin() + static_cast<std::ptrdiff_t>(run.firstRow),
                  j.fileOfRow.begin() + static_cast<std::ptrdiff_t>(before), static_cast<std::uint32_t>(run.file));
  }
  if (j.overlap) {
    PutInTimeOrder(j);
    series.runs = RunsOf(j.fileOfRow);
  }
  series.table.records = std::move(j.records);
  return series;
}

}  // namespace helvarra
