#include "fuzz/reference_reader.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

#include "fuzz/reference_broken_lines.h"

namespace helvarra::fuzz {
namespace {

// The field line[at, at + n): all blanks (blank), or a number strtol reads
// whole. False if it is neither.
bool Number(std::string_view line, int at, int n, long& value, bool& blank) {
  char field[16] = {};
  std::memcpy(field, line.data() + at, static_cast<std::size_t>(n));
  blank = std::strspn(field, " ") == static_cast<std::size_t>(n);
  value = 0;
  if (blank) return true;
  char* end = nullptr;
  errno = 0;
  value = std::strtol(field, &end, 10);
  return errno == 0 && end == field + n;
}

// A header field of digits only.
bool Digits(std::string_view line, int at, int n, int& out) {
  long v = 0;
  bool blank = false;
  const bool ok = Number(line, at, n, v, blank) && !blank && line[static_cast<std::size_t>(at)] != '-';
  out = static_cast<int>(v);
  return ok;
}

// A date of the proleptic Gregorian calendar, a time of day, a leap second.
bool StampExists(const ReferenceRecord& r) {
  using namespace std::chrono;
  const year_month_day date{year{r.year}, month{static_cast<unsigned>(r.month)}, day{static_cast<unsigned>(r.day)}};
  return date.ok() && r.hour < 24 && r.minute < 60 && r.second <= 60;
}

bool ReadHeader(std::string_view line, TextLayout layout, ReferenceRecord& r) {
  if (line.size() < 18) return false;
  r.station = std::string(line.substr(0, 4));
  bool ok = true;
  if (layout == TextLayout::RecordTableBlanks) {
    ok = line.substr(4, 2) == "  " && Digits(line, 6, 2, r.year);
    r.year += r.year >= 70 ? 1900 : 2000;
  } else {
    ok = Digits(line, 4, 4, r.year);
  }
  return ok && Digits(line, 8, 2, r.month) && Digits(line, 10, 2, r.day) && Digits(line, 12, 2, r.hour) &&
         Digits(line, 14, 2, r.minute) && Digits(line, 16, 2, r.second) && StampExists(r);
}

bool ReadValues(std::string_view line, TextLayout layout, ReferenceRecord& r) {
  const int w = FieldWidth(layout);
  for (int k = 0; k < 8; ++k) {
    const bool table = IsRecordTable(layout);
    const int at = table ? 19 + 6 * k : 18 + w * k;
    const int n = table && k == 7 ? 5 : w;
    long v = 0;
    bool blank = false;
    if (!Number(line, at, n, v, blank)) return false;
    r.values[static_cast<std::size_t>(k)] = static_cast<std::int32_t>(v);
    if (blank) r.holes |= 1u << k;
  }
  return !IsRecordTable(layout) || line[18] == ' ';
}

}  // namespace

ReferenceReading ReadReference(std::string_view text, TextLayout layout, std::string_view lineEnd) {
  ReferenceReading out;
  while (!text.empty()) {
    const std::size_t end = text.find(lineEnd);
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + lineEnd.size());
    if (line.empty()) continue;
    ReferenceRecord r;
    if (!ReadHeader(line, layout, r)) {
      ++out.otherLines;
      continue;
    }
    const bool whole = line.size() == static_cast<std::size_t>(LineLength(layout));
    out.readable = out.readable && (whole ? ReadValues(line, layout, r) : ReadBrokenLine(line, layout, r));
    out.records.push_back(r);
  }
  return out;
}

}  // namespace helvarra::fuzz
