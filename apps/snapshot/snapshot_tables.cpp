#include "apps/snapshot/snapshot_tables.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "analysis/csv_export.h"
#include "analysis/measurement_text.h"
#include "analysis/station_agreement.h"
#include "data/file_report.h"
#include "data/flux_files.h"
#include "data/stations.h"
#include "data/time_search.h"

namespace helvarra::snapshot {
namespace {

constexpr int kDone = 0, kNotDone = 1;

int Fail(const std::string& text) {
  std::fprintf(stderr, "tarrawin-snapshot: %s\n", text.c_str());
  return kNotDone;
}

void Print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

// The series whose first record comes first: the times of day of a range
// are settled going on from it.
const FluxTable& Earliest(const FluxNetwork& network) {
  const FluxTable* earliest = &network.stations[0].table;
  for (const FluxSeries& s : network.stations)
    if (RecordTime(s.table[0]) < RecordTime((*earliest)[0])) earliest = &s.table;
  return *earliest;
}

std::string NoRecord(const FluxNetwork& network, int from, int to) {
  const FluxTable& t = Earliest(network);
  return "no record from " + HourMinuteSecondText(from) + " to " + HourMinuteSecondText(to) + " UT in " +
         network.stations[0].files[0].path + (network.FileCount() > 1 ? " and the files with it" : "") +
         " (its records run from " + HourMinuteSecondText(t[0].SecondOfDay()) + " to " +
         HourMinuteSecondText(t.records.back().SecondOfDay()) + " UT)";
}

// The seconds --from and --to choose, going on from the first record: from
// --from (the start without it) to the first --to after that (the end).
SecondRange CsvSeconds(const FluxNetwork& network, const Options& o) {
  const FluxTable& t = Earliest(network);
  const int from = o.from.value_or(t[0].SecondOfDay());
  const RangeSearch found = FindRecordsInRange(t, {from, o.to.value_or(from)});
  return {o.from ? found.start : INT64_MIN, o.to ? found.end : INT64_MAX};
}

}  // namespace

int PrintInfo(const Options& options) {
  FluxFiles files;
  if (const auto failure = files.Open(options.files)) return Fail(failure->message);
  Print(FormatNetworkReport(files.Network()));
  return kDone;
}

int PrintMeasurement(const Options& options) {
  FluxFiles files;
  if (const auto failure = files.Open(options.files)) return Fail(failure->message);
  const FluxNetwork& network = files.Network();
  const RangeSearch found = FindRecordsInRange(Earliest(network), *options.measure);
  std::vector<StationMeasurement> measures;
  for (const FluxSeries& s : network.stations)
    if (const auto rows = RowsInSeconds(s.table, {found.start, found.end}))
      measures.push_back({&s.table, MeasureBurst(s.table, rows->first, rows->last)});
  if (measures.empty()) return Fail(NoRecord(network, options.measure->start, options.measure->end));
  Print(options.eventsList ? EventsListLines(measures) : CsvOf(MeasurementTable(measures)));
  return kDone;
}

// Made in memory first, so that a failure leaves no file behind.
int WriteCsv(const Options& options) {
  FluxFiles files;
  if (const auto failure = files.Open(options.files)) return Fail(failure->message);
  const FluxNetwork& network = files.Network();
  const SecondRange seconds = CsvSeconds(network, options);
  std::vector<CsvStation> stations;
  for (const FluxSeries& s : network.stations)
    if (const auto rows = RowsInSeconds(s.table, seconds)) stations.push_back({&s.table, *rows});
  if (stations.empty()) {
    const FluxTable& t = Earliest(network);
    return Fail(NoRecord(network, options.from.value_or(t[0].SecondOfDay()),
                         options.to.value_or(t.records.back().SecondOfDay())));
  }
  std::ostringstream text;
  WriteRecordsCsv(text, stations);
  const std::string csv = text.str();
  if (options.output.empty()) {
    Print(csv);
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

// Each station after the first against the first, in the stations' order.
int PrintAgreement(const Options& options) {
  FluxFiles files;
  if (const auto failure = files.Open(options.files)) return Fail(failure->message);
  const FluxNetwork& network = files.Network();
  if (network.stations.size() < 2) return Fail("the files are of one station: --agreement compares two or more");
  const FluxTable& first = network.stations[0].table;
  TextTable all;
  for (std::size_t i = 1; i < network.stations.size(); ++i) {
    const FluxTable& other = network.stations[i].table;
    const StationAgreement a = CompareStations(first, {0, first.size() - 1}, other, {0, other.size() - 1});
    if (a.commonSeconds == 0)
      return Fail(std::string(StationName(other[0].Station())) + " and " + std::string(StationName(first[0].Station())) +
                  " hold no second in common");
    TextTable t = AgreementTable(first, other, a);
    all.header = t.header;
    all.rows.insert(all.rows.end(), t.rows.begin(), t.rows.end());
  }
  Print(CsvOf(all));
  return kDone;
}

}  // namespace helvarra::snapshot
