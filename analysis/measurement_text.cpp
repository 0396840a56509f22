#include "analysis/measurement_text.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "data/stations.h"

namespace helvarra {
namespace {

// "HH:MM:SS" of the record at `row`, or nothing.
std::string TimeField(const FluxTable& table, const std::optional<std::size_t>& row) {
  if (!row) return {};
  const FluxRecord& r = table[*row];
  char text[40];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", r.hour, r.minute, r.second);
  return text;
}

// A whole number as one, a half with its one decimal, or nothing.
std::string SfuField(const std::optional<double>& sfu) {
  if (!sfu) return {};
  char text[64];
  std::snprintf(text, sizeof text, *sfu == std::floor(*sfu) ? "%.0f" : "%.1f", *sfu);
  return text;
}

std::string CsvRow(const FluxTable& table, int k, const ChannelMeasure& m) {
  std::string row = std::to_string(Channel(k).megahertz);
  row += ',' + SfuField(m.background);
  row += ',' + TimeField(table, m.beginRow);
  row += ',' + TimeField(table, m.peakRow);
  row += ',' + TimeField(table, m.endRow);
  row += ',' + (m.peakRow ? std::to_string(m.peak) : std::string());
  row += ',' + SfuField(m.peakAboveBackground);
  row += ',' + std::to_string(m.holes) + '\n';
  return row;
}

std::string EventsLine(const FluxTable& table, int k, const ChannelMeasure& m) {
  const FluxRecord &begin = table[*m.beginRow], &peak = table[*m.peakRow], &end = table[*m.endRow];
  const std::string observatory(LookupObservatory(peak.Station()));
  char line[160];
  std::snprintf(line, sizeof line, "%02d%02d   %02d%02d   %02d%02d  %-3s  RBR%7d%8lld\n", begin.hour, begin.minute,
                peak.hour, peak.minute, end.hour, end.minute, observatory.c_str(), Channel(k).megahertz,
                std::llround(*m.peakAboveBackground));
  return line;
}

}  // namespace

std::string MeasurementCsv(const FluxTable& table, const BurstMeasure& measure) {
  std::string csv = std::string(kMeasurementCsvHeader) + '\n';
  for (int k = 0; k < kChannelCount; ++k) csv += CsvRow(table, k, measure[static_cast<std::size_t>(k)]);
  return csv;
}

std::string EventsListLines(const FluxTable& table, const BurstMeasure& measure) {
  std::string lines;
  for (int k = 0; k < kChannelCount; ++k) {
    const ChannelMeasure& m = measure[static_cast<std::size_t>(k)];
    if (m.beginRow && m.peakRow && m.endRow && m.peakAboveBackground) lines += EventsLine(table, k, m);
  }
  return lines;
}

std::string MeasurementClipboardText(const FluxTable& table, const BurstMeasure& measure) {
  const std::string events = EventsListLines(table, measure);
  return MeasurementCsv(table, measure) + (events.empty() ? "" : "\n" + events);
}

}  // namespace helvarra
