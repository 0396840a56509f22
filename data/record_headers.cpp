#include "data/record_headers.h"

#include <cstdint>
#include <cstring>

namespace helvarra {
namespace {

bool IsLetter(char c) { return static_cast<unsigned char>((c | 0x20) - 'a') < 26u; }
bool IsDigitChar(char c) { return static_cast<unsigned char>(c - '0') < 10u; }

// True if any of the 8 bytes at p is 0x40 or above: letters are, blanks,
// signs and digits are not.
bool AnyHighByte(const char* p) {
  std::uint64_t x;
  std::memcpy(&x, p, sizeof x);
  constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL, kHigh = 0x8080808080808080ULL;
  return (((x & kLow7) + 0x4040404040404040ULL) | x) & kHigh;
}

// True if the 8 bytes at p are all ASCII digits: each byte's high nibble is
// 3, and stays 3 with 6 added (no byte passes '9').
bool EightDigits(const char* p) {
  std::uint64_t x;
  std::memcpy(&x, p, sizeof x);
  constexpr std::uint64_t kHigh = 0xF0F0F0F0F0F0F0F0ULL, kThrees = 0x3030303030303030ULL;
  return (x & kHigh) == kThrees && ((x + 0x0606060606060606ULL) & kHigh) == kThrees;
}

int Digits(const char* p, int n) {
  int v = 0;
  for (int i = 0; i < n; ++i) v = v * 10 + (p[i] - '0');
  return v;
}

int DaysInMonth(int year, int month) {
  constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// Days 1 to 28 are in every month: the month's length is looked up only
// past them (a decoder reads some 100,000 stamps a file).
bool StampExists(const FluxRecord& r) {
  if (r.month < 1 || r.month > 12 || r.day < 1 || r.hour >= 24 || r.minute >= 60 || r.second > 60) return false;
  return r.day <= 28 || r.day <= DaysInMonth(r.year, r.month);
}

}  // namespace

bool HeaderAt(const char* p, Alignment alignment) {
  bool letter = false;
  for (int i = 0; i < 4; ++i) {
    if (IsLetter(p[i]))
      letter = true;
    else if (!IsDigitChar(p[i]))
      return false;
  }
  if (!letter) return false;
  if (alignment == Alignment::Archive) return EightDigits(p + 4) && EightDigits(p + 10);
  for (int i = 4; i < 6; ++i)
    if (p[i] != ' ' && !IsDigitChar(p[i])) return false;
  return EightDigits(p + 6) && EightDigits(p + 10);
}

std::size_t FindHeader(const char* line, std::size_t n, std::size_t from, Alignment alignment) {
  if (n < kHeaderChars || from > n - kHeaderChars) return n;
  // A header's first letter lies in its code, so at most 3 after its start.
  const std::size_t lastLetter = n - kHeaderChars + 3;
  std::size_t q = from;
  while (q <= lastLetter) {
    if (q + 8 <= n && !AnyHighByte(line + q)) {
      q += 8;
      continue;
    }
    if (IsLetter(line[q])) {
      for (std::size_t s = q >= from + 3 ? q - 3 : from; s <= q && s + kHeaderChars <= n; ++s)
        if (HeaderAt(line + s, alignment)) return s;
    }
    ++q;
  }
  return n;
}

bool ReadHeader(const char* p, FluxRecord& record) {
  std::memcpy(record.station.data(), p, 4);
  if (IsDigitChar(p[4]) && IsDigitChar(p[5])) {
    record.year = static_cast<std::uint16_t>(Digits(p + 4, 4));
  } else {
    const int yy = Digits(p + 6, 2);
    record.year = static_cast<std::uint16_t>(yy >= 70 ? 1900 + yy : 2000 + yy);
  }
  record.month = static_cast<std::uint8_t>(Digits(p + 8, 2));
  record.day = static_cast<std::uint8_t>(Digits(p + 10, 2));
  record.hour = static_cast<std::uint8_t>(Digits(p + 12, 2));
  record.minute = static_cast<std::uint8_t>(Digits(p + 14, 2));
  record.second = static_cast<std::uint8_t>(Digits(p + 16, 2));
  return StampExists(record);
}

}  // namespace helvarra
