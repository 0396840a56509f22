#pragma once
// A burst measurement as text: CSV, the lines of the daily edited events
// lists, and both together for the clipboard. Times are the records' own
// times of day (UT).

#include <string>

#include "analysis/burst_measure.h"
#include "data/flux_table.h"

namespace helvarra {

inline constexpr const char* kMeasurementCsvHeader =
    "frequency_mhz,background_sfu,begin_ut,peak_ut,end_ut,peak_sfu,peak_above_background_sfu,holes";

// The header and one row per channel in channel order: times as HH:MM:SS,
// the background and the peak above it as whole numbers or with one decimal
// (x.5), an empty field where there is no value. Lines end in "\n".
std::string MeasurementCsv(const FluxTable& table, const BurstMeasure& measure);

// One events-list line for each channel with a begin, a peak and an end, in
// channel order, each ending in "\n", in fixed columns (counted from 0):
//   0-3   begin, HHMM              20-22  observatory (stations.h), "???" unknown
//   7-10  maximum (the peak), HHMM  25-27  type, "RBR" (fixed-frequency burst)
//   14-17 end, HHMM                28-34  frequency in MHz, right-aligned
//                                  35-42  peak above background in SFU, rounded
//                                         half away from zero, right-aligned
// e.g. "2310   2312   2325  LEA  RBR   2695    1200". The observatory is the
// station of the record at the peak.
std::string EventsListLines(const FluxTable& table, const BurstMeasure& measure);

// What the viewer's "Copy" puts on the clipboard: the CSV, then, after an
// empty line, the events-list lines (no empty line when there are none).
std::string MeasurementClipboardText(const FluxTable& table, const BurstMeasure& measure);

}  // namespace helvarra
