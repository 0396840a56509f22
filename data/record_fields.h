#pragma once
// Fields of a record, taken by character position. A field that runs past the
// end of the record is cut short there; one that starts beyond it is empty.
// Numbers are read by the C library's decimal rule: leading white space, one
// optional sign, then digits up to the first non-digit; no digits reads as 0.

#include <cstddef>
#include <string_view>

#include "data/flux_record.h"

namespace helvarra {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

inline std::string_view FieldText(std::string_view record, int position, int width) {
  if (position < 0 || width <= 0 || static_cast<std::size_t>(position) >= record.size()) return {};
  return record.substr(static_cast<std::size_t>(position), static_cast<std::size_t>(width));
}

inline int ReadInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // Fields are at most 6 characters, so this cannot overflow; the guard keeps
  // a longer text from doing so.
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 1000000000LL; ++i)
    value = value * 10 + (text[i] - '0');
  return static_cast<int>(negative ? -value : value);
}

inline int FieldInteger(std::string_view record, int position, int width) {
  // The usual field: blanks, then digits, wholly inside the record.
  if (position >= 0 && width > 0 &&
      static_cast<std::size_t>(position) + static_cast<std::size_t>(width) <= record.size()) {
    const char* p = record.data() + position;
    const char* const end = p + width;
    while (p < end && *p == ' ') ++p;
    if (p < end && *p >= '0' && *p <= '9') {
      int value = 0;
      for (; p < end && *p >= '0' && *p <= '9'; ++p) value = value * 10 + (*p - '0');
      return value;
    }
  }
  return ReadInteger(FieldText(record, position, width));
}

// Field positions of a record.
inline constexpr int kYearPos = 6, kMonthPos = 8, kDayPos = 10;
inline constexpr int kHourPos = 12, kMinutePos = 14, kSecondPos = 16;
inline constexpr int kValuePos = 19, kValueWidth = 6;  // channel k at 19 + 6k

inline int RecordHour(std::string_view r) { return FieldInteger(r, kHourPos, 2); }
inline int RecordMinute(std::string_view r) { return FieldInteger(r, kMinutePos, 2); }
inline int RecordSecond(std::string_view r) { return FieldInteger(r, kSecondPos, 2); }
inline int ChannelValue(std::string_view r, int k) { return FieldInteger(r, kValuePos + kValueWidth * k, kValueWidth); }
// Channel k of a record as read: the values the reader delivered with it if
// it did, else its text's column.
inline int ChannelValue(const FluxRecord& r, int k) {
  return r.hasValues ? r.values[static_cast<std::size_t>(k)] : ChannelValue(r.View(), k);
}

}  // namespace helvarra
