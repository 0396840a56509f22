#pragma once
// A burst measurement as text: a table (CSV), the lines of the daily edited
// events lists, and both together for the clipboard, for one station or
// several measured over the same stretch. Times are the records' own times
// of day (UT).

#include <span>
#include <string>

#include "analysis/burst_measure.h"
#include "analysis/text_table.h"
#include "data/flux_table.h"

namespace helvarra {

inline constexpr const char* kMeasurementCsvHeader =
    "frequency_mhz,background_sfu,begin_ut,peak_ut,end_ut,peak_sfu,peak_above_background_sfu,holes";

// A station's records and what was measured over them.
struct StationMeasurement {
  const FluxTable* table = nullptr;
  BurstMeasure measure;
};

// One row per channel in channel order, a station after another: times as
// HH:MM:SS, the background and the peak above it as whole numbers or with
// one decimal (x.5), an empty cell where there is no value. With more than
// one station, a first column "station" holds the four-letter code of the
// station's first record.
TextTable MeasurementTable(std::span<const StationMeasurement> stations);
// The table as CSV (one station: the header kMeasurementCsvHeader).
std::string MeasurementCsv(const FluxTable& table, const BurstMeasure& measure);

// One events-list line for each station and channel with a begin, a peak
// and an end, a station after another, in channel order, each ending in
// "\n", in fixed columns (counted from 0):
//   0-3   begin, HHMM              20-22  observatory (stations.h), "???" unknown
//   7-10  maximum (the peak), HHMM  25-27  type, "RBR" (fixed-frequency burst)
//   14-17 end, HHMM                28-34  frequency in MHz, right-aligned
//                                  35-42  peak above background in SFU, rounded
//                                         half away from zero, right-aligned
// e.g. "2310   2312   2325  LEA  RBR   2695    1200". The observatory is the
// station of the record at the peak.
std::string EventsListLines(std::span<const StationMeasurement> stations);
// One such line for a burst at channel k (the observatory the peak's station).
std::string EventsListLine(const FluxRecord& begin, const FluxRecord& peak, const FluxRecord& end, int k,
                           double peakAboveBackground);
std::string EventsListLines(const FluxTable& table, const BurstMeasure& measure);

// What the viewer's "Copy" puts on the clipboard: the CSV, then, after an
// empty line, the events-list lines (no empty line when there are none).
std::string MeasurementClipboardText(std::span<const StationMeasurement> stations);
std::string MeasurementClipboardText(const FluxTable& table, const BurstMeasure& measure);

}  // namespace helvarra
