#include "analysis/measurement_text.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "data/stations.h"
#include "data/time_of_day.h"

namespace helvarra {
namespace {

// "HH:MM:SS" of the record at `row`, or nothing.
std::string TimeField(const FluxTable& table, const std::optional<std::size_t>& row) {
  return row ? HourMinuteSecondText(table[*row].SecondOfDay()) : std::string();
}

// A whole number as one, a half with its one decimal, or nothing.
std::string SfuField(const std::optional<double>& sfu) {
  if (!sfu) return {};
  char text[64];
  std::snprintf(text, sizeof text, *sfu == std::floor(*sfu) ? "%.0f" : "%.1f", *sfu);
  return text;
}

std::vector<std::string> Cells(const FluxTable& table, int k, const ChannelMeasure& m) {
  return {std::to_string(Channel(k).megahertz),
          SfuField(m.background),
          TimeField(table, m.beginRow),
          TimeField(table, m.peakRow),
          TimeField(table, m.endRow),
          m.peakRow ? std::to_string(m.peak) : std::string(),
          SfuField(m.peakAboveBackground),
          std::to_string(m.holes)};
}

std::vector<std::string> SplitHeader(std::string_view header) {
  std::vector<std::string> cells;
  for (std::size_t at = 0;;) {
    const std::size_t comma = header.find(',', at);
    cells.emplace_back(header.substr(at, comma == std::string_view::npos ? std::string_view::npos : comma - at));
    if (comma == std::string_view::npos) return cells;
    at = comma + 1;
  }
}

}  // namespace

std::string EventsListLine(const FluxRecord& begin, const FluxRecord& peak, const FluxRecord& end, int k,
                           double peakAboveBackground) {
  const std::string observatory(LookupObservatory(peak.Station()));
  char line[160];
  std::snprintf(line, sizeof line, "%02d%02d   %02d%02d   %02d%02d  %-3s  RBR%7d%8lld\n", begin.hour, begin.minute,
                peak.hour, peak.minute, end.hour, end.minute, observatory.c_str(), Channel(k).megahertz,
                std::llround(peakAboveBackground));
  return line;
}

TextTable MeasurementTable(std::span<const StationMeasurement> stations) {
  const bool several = stations.size() > 1;
  TextTable t;
  t.header = SplitHeader(kMeasurementCsvHeader);
  if (several) t.header.insert(t.header.begin(), "station");
  for (const StationMeasurement& s : stations)
    for (int k = 0; k < kChannelCount; ++k) {
      std::vector<std::string> row = Cells(*s.table, k, s.measure[static_cast<std::size_t>(k)]);
      if (several) row.insert(row.begin(), s.table->empty() ? std::string() : std::string((*s.table)[0].Station()));
      t.rows.push_back(std::move(row));
    }
  return t;
}

std::string MeasurementCsv(const FluxTable& table, const BurstMeasure& measure) {
  const StationMeasurement one{&table, measure};
  return CsvOf(MeasurementTable({&one, 1}));
}

std::string EventsListLines(std::span<const StationMeasurement> stations) {
  std::string lines;
  for (const StationMeasurement& s : stations)
    for (int k = 0; k < kChannelCount; ++k) {
      const ChannelMeasure& m = s.measure[static_cast<std::size_t>(k)];
      if (m.beginRow && m.peakRow && m.endRow && m.peakAboveBackground)
        lines += EventsListLine((*s.table)[*m.beginRow], (*s.table)[*m.peakRow], (*s.table)[*m.endRow], k,
                                *m.peakAboveBackground);
    }
  return lines;
}

std::string EventsListLines(const FluxTable& table, const BurstMeasure& measure) {
  const StationMeasurement one{&table, measure};
  return EventsListLines({&one, 1});
}

std::string MeasurementClipboardText(std::span<const StationMeasurement> stations) {
  const std::string events = EventsListLines(stations);
  return CsvOf(MeasurementTable(stations)) + (events.empty() ? "" : "\n" + events);
}

std::string MeasurementClipboardText(const FluxTable& table, const BurstMeasure& measure) {
  const StationMeasurement one{&table, measure};
  return MeasurementClipboardText({&one, 1});
}

}  // namespace helvarra
