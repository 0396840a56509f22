#include "data/file_report.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "data/channels.h"
#include "data/record_fields.h"
#include "data/record_scan.h"
#include "data/stations.h"

namespace helvarra {
namespace {

using Counts = std::array<std::array<std::uint64_t, kHoleCauses>, kChannelCount>;

// Characters as they stand, anything unprintable as '?'.
std::string Printable(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c < ' ' || c > '~') c = '?';
  return out;
}

// "2024-05-14 22:30:00 UT" for a record with a four-digit year (the archive's
// header), "24-05-14 22:30:00 UT" for one with two.
std::string Stamp(std::string_view r) {
  auto at = [&](std::size_t pos, std::size_t n) {
    return Printable(FieldText(r, static_cast<int>(pos), static_cast<int>(n)));
  };
  bool fourDigits = r.size() >= 8;
  for (std::size_t i = 4; i < 8 && fourDigits; ++i) fourDigits = r[i] >= '0' && r[i] <= '9';
  const std::string year = fourDigits ? at(4, 4) : at(6, 2);
  return year + "-" + at(8, 2) + "-" + at(10, 2) + " " + at(12, 2) + ":" + at(14, 2) + ":" + at(16, 2) + " UT";
}

std::string Trimmed(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

// A field of a 68-byte record as the fixed reading takes it: blank when it is
// all white space, not a number when it has no digit where one is read.
void CountFixedFields(std::string_view r, Counts& counts) {
  for (int k = 0; k < kChannelCount; ++k) {
    const std::string_view f = FieldText(r, kValuePos + kValueWidth * k, kValueWidth);
    std::size_t i = 0;
    while (i < f.size() && (f[i] == ' ' || (f[i] >= '\t' && f[i] <= '\r'))) ++i;
    if (i == f.size()) {
      ++counts[static_cast<std::size_t>(k)][0];
      continue;
    }
    if (f[i] == '+' || f[i] == '-') ++i;
    if (i == f.size() || f[i] < '0' || f[i] > '9') ++counts[static_cast<std::size_t>(k)][1];
  }
}

void CountArchiveFields(std::string_view r, Counts& counts) {
  const ArchiveFields f = ReadSixWideRecordFields(r);
  for (int k = 0; k < kChannelCount; ++k)
    if (f.causes[static_cast<std::size_t>(k)] != HoleCause::None)
      ++counts[static_cast<std::size_t>(k)][static_cast<std::size_t>(f.causes[static_cast<std::size_t>(k)]) - 1];
}

const char* LineEndsText(LineEnds e) {
  switch (e) {
    case LineEnds::Lf: return "LF line ends";
    case LineEnds::CrLf: return "CR LF line ends";
    case LineEnds::Mixed: return "mixed LF and CR LF line ends";
    case LineEnds::None: break;
  }
  return "no line ends";
}

// The layout line: what kind of file, and for archive text how it is laid out.
std::string LayoutLine(const FluxDataFile::Facts& facts) {
  char line[160];
  if (facts.kind == FluxDataFile::Kind::ArchiveText) {
    std::snprintf(line, sizeof line, "Layout: archive text, %d-wide values (%d-character lines), %s%s\n",
                  facts.stats.width, kArchiveHeaderChars + kArchiveFields * facts.stats.width,
                  LineEndsText(facts.stats.lineEnds), facts.compressed ? ", gzip-compressed" : "");
    return line;
  }
  if (facts.kind == FluxDataFile::Kind::FixedArchiveColumns)
    return "Layout: 68-byte records with the archive's header (four-digit year), values in 6-wide columns from 18\n";
  return "Layout: 68-byte records\n";
}

// The first and the last record, and the fields without a value: counted at
// opening for a decoded file, by reading every record of a fixed one.
struct Reading {
  FluxRecord first, last;
  Counts counts{};
};

Reading ReadThrough(FluxDataFile& file) {
  const FluxDataFile::Facts& facts = file.GetFacts();
  Reading r;
  if (facts.kind == FluxDataFile::Kind::ArchiveText) {
    r.counts = facts.stats.holes;
    file.Seek(0, FluxDataFile::Origin::Begin);
    file.ReadRecord(r.first);
    file.Seek(-kRecordBytes, FluxDataFile::Origin::End);
    file.ReadRecord(r.last);
    return r;
  }
  ForEachRecord(file, [&](std::uint64_t i, const FluxRecord& record) {
    if (facts.kind == FluxDataFile::Kind::FixedArchiveColumns && record.hasValues)
      CountArchiveFields(record.View(), r.counts);
    else
      CountFixedFields(record.View(), r.counts);
    if (i == 0) r.first = record;
    r.last = record;
    return true;
  });
  return r;
}

std::string HoleTable(const Counts& counts) {
  char line[160];
  std::snprintf(line, sizeof line, "  %-10s %10s %13s %10s %10s\n", "channel", "blank", "not a number", "overflow",
                "cut short");
  std::string out = line;
  for (int k = 0; k < kChannelCount; ++k) {
    const auto& c = counts[static_cast<std::size_t>(k)];
    std::snprintf(line, sizeof line, "  %-10s %10llu %13llu %10llu %10llu\n",
                  std::string(kChannels[static_cast<std::size_t>(k)].label).c_str(),
                  static_cast<unsigned long long>(c[0]), static_cast<unsigned long long>(c[1]),
                  static_cast<unsigned long long>(c[2]), static_cast<unsigned long long>(c[3]));
    out += line;
  }
  return out;
}

}  // namespace

std::string FormatFileReport(FluxDataFile& file) {
  const FluxDataFile::Facts& facts = file.GetFacts();
  const bool decoded = facts.kind == FluxDataFile::Kind::ArchiveText;
  const std::uint64_t records = file.GetLength() / kRecordBytes;
  const std::int64_t saved = file.Seek(0, FluxDataFile::Origin::Current);

  std::string out = "File: " + file.GetFilePath() + "\n" + LayoutLine(facts);
  out += "Records: " + std::to_string(records) + "\n";
  const Reading r = ReadThrough(file);
  if (records > 0) {
    out += "First: " + Stamp(r.first.View()) + "\n";
    out += "Last: " + Stamp(r.last.View()) + "\n";
    out += "Station: " + Trimmed(LookupStation(r.last.View())) + " (" + Printable(r.last.View().substr(0, 4)) + ")\n";
  } else {
    out += "First: none\nLast: none\nStation: none\n";
  }
  if (decoded) {
    out += "Lines skipped: " + std::to_string(facts.stats.linesSkipped) + "\n";
    out += "Records re-synchronised: " + std::to_string(facts.stats.resynchronised) + "\n";
  }
  out += decoded ? "Fields without a value, by channel:\n" : "Fields without digits, by channel:\n";
  out += HoleTable(r.counts);
  file.Seek(saved, FluxDataFile::Origin::Begin);
  return out;
}

}  // namespace helvarra
