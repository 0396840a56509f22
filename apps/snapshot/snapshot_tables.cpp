#include "platform/qt/snapshot_tables.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "analysis/burst_measure.h"
#include "analysis/csv_export.h"
#include "analysis/measurement_text.h"
#include "data/record_time.h"
#include "data/time_search.h"
#include "platform/qt/snapshot_input.h"

namespace helvarra::snapshot {
namespace {

constexpr int kDone = 0, kNotDone = 1;

int Fail(const std::string& text) {
  std::fprintf(stderr, "tarrawin-snapshot: %s\n", text.c_str());
  return kNotDone;
}

std::string NoRecord(const FluxTable& table, const std::string& path, int from, int to) {
  return "no record from " + HourMinuteSecondText(from) + " to " + HourMinuteSecondText(to) + " UT in " + path +
         " (its records run from " + HourMinuteSecondText(table[0].SecondOfDay()) + " to " +
         HourMinuteSecondText(table.records.back().SecondOfDay()) + " UT)";
}

// The rows --from and --to choose: from the first record at or after --from
// (the file's first without it) to the last at or before --to after that
// (the file's last without it), going on from the file's start.
std::optional<RowRange> CsvRows(const FluxTable& table, const Options& o) {
  const int from = o.from.value_or(table[0].SecondOfDay());
  const RangeSearch found = FindRecordsInRange(table, {from, o.to.value_or(from)});
  std::size_t first = 0, last = table.size() - 1;
  if (o.from) {
    while (first < table.size() && RecordTime(table[first]) < found.start) ++first;
    if (first == table.size()) return std::nullopt;
  }
  if (o.to) {
    if (!found.rows) return std::nullopt;
    last = found.rows->last;
  }
  if (first > last) return std::nullopt;
  return RowRange{first, last};
}

}  // namespace

int PrintMeasurement(const Options& options) {
  const Input in = OpenInput(options.file);
  if (!in.error.empty()) return Fail(in.error);
  const FluxTable& table = in.file->Table();
  const RangeSearch found = FindRecordsInRange(table, *options.measure);
  if (!found.rows) return Fail(NoRecord(table, in.file->GetFilePath(), options.measure->start, options.measure->end));
  const std::string csv = MeasurementCsv(table, MeasureBurst(table, found.rows->first, found.rows->last));
  std::fwrite(csv.data(), 1, csv.size(), stdout);
  return kDone;
}

// Made in memory first, so that a failure leaves no file behind.
int WriteCsv(const Options& options) {
  const Input in = OpenInput(options.file);
  if (!in.error.empty()) return Fail(in.error);
  const FluxTable& table = in.file->Table();
  const std::optional<RowRange> rows = CsvRows(table, options);
  if (!rows)
    return Fail(NoRecord(table, in.file->GetFilePath(), options.from.value_or(table[0].SecondOfDay()),
                         options.to.value_or(table.records.back().SecondOfDay())));
  std::ostringstream text;
  WriteRecordsCsv(text, table, rows->first, rows->last);
  const std::string csv = text.str();
  if (options.output.empty()) {
    std::fwrite(csv.data(), 1, csv.size(), stdout);
    return kDone;
  }
  std::ofstream out(options.output, std::ios::binary | std::ios::trunc);
  if (!out.write(csv.data(), static_cast<std::streamsize>(csv.size())) || !out.flush()) {
    out.close();
    std::remove(options.output.c_str());
    return Fail("cannot write " + options.output);
  }
  return kDone;
}

}  // namespace helvarra::snapshot
