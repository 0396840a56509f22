#include "data/file_report.h"

#include <cstdio>
#include <string_view>

#include "data/record_headers.h"
#include "data/stations.h"
#include "data/time_of_day.h"

namespace helvarra {
namespace {

// "2024-05-14 22:30:00 UT"
std::string Stamp(const FluxRecord& r) {
  char date[32];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d ", r.year, r.month, r.day);
  return date + HourMinuteSecondText(r.SecondOfDay()) + " UT";
}

// Characters as they stand, anything unprintable as '?'.
std::string Printable(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c < ' ' || c > '~') c = '?';
  return out;
}

const char* LineEndsText(LineEnds e) {
  switch (e) {
    case LineEnds::Lf: return "LF line ends";
    case LineEnds::CrLf: return "CR LF line ends";
    case LineEnds::Cr: return "CR line ends";
    case LineEnds::Mixed: return "mixed line ends";
    case LineEnds::None: break;
  }
  return "no line ends";
}

std::string LayoutLine(const FileLayout& layout) {
  const bool table = layout.alignment == Alignment::RecordTable;
  char line[200];
  std::snprintf(line, sizeof line, "Layout: %d-wide values in %s (%d-character lines), %s%s\n", layout.width,
                table ? "the record table's columns, from 19" : "the archive's columns, from 18",
                kHeaderChars + 8 * layout.width, LineEndsText(layout.lineEnds),
                layout.compressed ? ", gzip-compressed" : "");
  return line;
}

std::string HoleTable(const DecodeStats& stats) {
  char line[160];
  std::snprintf(line, sizeof line, "  %-10s %10s %13s %10s %10s\n", "channel", "blank", "not a number", "overflow",
                "cut short");
  std::string out = line;
  for (int k = 0; k < kChannelCount; ++k) {
    auto count = [&](HoleCause c) { return static_cast<unsigned long long>(stats.Holes(k, c)); };
    std::snprintf(line, sizeof line, "  %-10s %10llu %13llu %10llu %10llu\n", std::string(Channel(k).label).c_str(),
                  count(HoleCause::Blank), count(HoleCause::NotANumber), count(HoleCause::Overflow),
                  count(HoleCause::CutShort));
    out += line;
  }
  return out;
}

// The records, their first and last stamps and station, and what the
// decoder met.
std::string TableReport(const FluxTable& table) {
  std::string out = "Records: " + std::to_string(table.size()) + "\n";
  if (!table.empty()) {
    const FluxRecord& last = table.records.back();
    out += "First: " + Stamp(table[0]) + "\n";
    out += "Last: " + Stamp(last) + "\n";
    out += "Station: " + std::string(StationName(last.Station())) + " (" + Printable(last.Station()) + ")\n";
  } else {
    out += "First: none\nLast: none\nStation: none\n";
  }
  out += "Lines skipped: " + std::to_string(table.stats.linesSkipped) + "\n";
  out += "Records re-synchronised: " + std::to_string(table.stats.resynchronised) + "\n";
  out += "Fields without a value, by channel:\n" + HoleTable(table.stats);
  return out;
}

std::string SeriesFileReport(const SeriesFile& f) {
  std::string out = "File: " + f.path + "\n  " + LayoutLine(f.layout);
  out += "  Records: " + std::to_string(f.decoded);
  if (f.dropped > 0) out += " (" + std::to_string(f.dropped) + " left out: their seconds are in an earlier file)";
  return out + "\n  First: " + Stamp(f.first) + "\n  Last: " + Stamp(f.last) + "\n";
}

}  // namespace

std::string FormatFileReport(const std::string& path, const FluxTable& table) {
  return "File: " + path + "\n" + LayoutLine(table.layout) + TableReport(table);
}

std::string FormatNetworkReport(const FluxNetwork& network) {
  if (network.FileCount() == 1) return FormatFileReport(network.stations[0].files[0].path, network.stations[0].table);
  std::string out = "Files: " + std::to_string(network.FileCount()) + " in " + std::to_string(network.stations.size()) +
                    (network.stations.size() == 1 ? " series\n" : " series, a station each\n");
  for (const FluxSeries& series : network.stations) {
    out += "Series of " + std::to_string(series.files.size()) + (series.files.size() == 1 ? " file:\n" : " files:\n");
    for (const SeriesFile& f : series.files) out += SeriesFileReport(f);
    out += TableReport(series.table);
  }
  return out;
}

}  // namespace helvarra
