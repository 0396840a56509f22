// The 68-byte record and the archive's line: each put together in a buffer as
// printf would write it, without printf's cost, then added to the text.

#include "tools/make_sample/record_lines.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace helvarra::sample {

using namespace std::chrono;

namespace {

// printf "%*ld", or with zeros "%0*ld" (for v >= 0), at p; returns the end.
// The digits go straight to their places: the fields are too short for a
// copy through memcpy to pay.
char* putNumber(char* p, long v, int width, char pad = ' ') {
  unsigned long u = v < 0 ? 0UL - static_cast<unsigned long>(v) : static_cast<unsigned long>(v);
  int n = v < 0 ? 2 : 1;
  for (unsigned long rest = u / 10; rest != 0; rest /= 10) ++n;
  for (; n < width; --width) *p++ = pad;
  char* const end = p + n;
  char* q = end;
  do *--q = char('0' + u % 10);
  while ((u /= 10) != 0);
  if (v < 0) *--q = '-';
  return end;
}

// YYMMDDhhmmss, or with a four-digit year YYYYMMDDhhmmss.
char* putStamp(char* p, sys_seconds when, bool fourDigitYear) {
  const auto dayStart = floor<days>(when);
  const year_month_day ymd{dayStart};
  const hh_mm_ss hms{when - dayStart};
  const int y = int(ymd.year());
  p = putNumber(p, fourDigitYear ? y : (y % 100 + 100) % 100, fourDigitYear ? 4 : 2, '0');
  for (long part : {long(unsigned(ymd.month())), long(unsigned(ymd.day())), long(hms.hours().count()),
                    long(hms.minutes().count()), long(hms.seconds().count())})
    p = putNumber(p, part, 2, '0');
  return p;
}

}  // namespace

Values recordValues(const Flux& flux) {
  Values v{};
  for (int k = 0; k < kChannels; ++k)
    v[k] = std::clamp(std::lround(flux[k]), 0L, k == kChannels - 1 ? 99999L : 999999L);
  return v;
}

Values archiveValues(const Flux& flux, int width) {
  long top = 1;
  for (int i = 0; i < width; ++i) top *= 10;
  Values v{};
  for (int k = 0; k < kChannels; ++k) v[k] = std::clamp(std::lround(flux[k]), 0L, top - 1);
  return v;
}

void appendRecord(std::string& text, std::string_view station, sys_seconds when, const Values* values,
                  std::string_view lineEnd) {
  char line[256];  // room for any long in every field, before the check
  char* p = std::copy(station.begin(), station.end(), line);
  p = putStamp(std::fill_n(p, 2, ' '), when, false);
  *p++ = ' ';
  if (values == nullptr)
    p = std::fill_n(p, 47, ' ');
  else
    for (int k = 0; k < kChannels; ++k) p = putNumber(p, (*values)[k], k == kChannels - 1 ? 5 : 6);
  if (p - line != 66) throw std::logic_error("internal error: record is not 66 characters");
  text.append(line, std::copy(lineEnd.begin(), lineEnd.end(), p));
}

void appendArchiveLine(std::string& text, std::string_view station, sys_seconds when, std::span<const Field> fields,
                       int width, std::string_view end) {
  char line[256];  // room for any long in every field
  char* p = putStamp(std::copy(station.begin(), station.end(), line), when, true);
  for (const Field& field : fields) p = field ? putNumber(p, *field, width) : std::fill_n(p, width, ' ');
  text.append(line, std::copy(end.begin(), end.end(), p));
}

long widerThan(int width, int extra, bool negative) {
  const char* digits = negative ? "254264591000" : "142386251000";
  const int n = width + extra - (negative ? 1 : 0);
  return (negative ? -1 : 1) * std::stol(std::string(digits, std::size_t(n)));
}

}  // namespace helvarra::sample
