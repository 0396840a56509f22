#pragma once
// Fields of a record, taken by character position. A field that runs past the
// end of the record is cut short there; one that starts beyond it is empty.
// Numbers are read by the C library's decimal rule: leading white space, one
// optional sign, then digits up to the first non-digit; no digits reads as 0.

#include <string_view>

namespace helvarra {

std::string_view FieldText(std::string_view record, int position, int width);
int ReadInteger(std::string_view text);
int FieldInteger(std::string_view record, int position, int width);

// Field positions of a record.
inline constexpr int kStationPos = 0, kStationWidth = 4;
inline constexpr int kYearPos = 6, kMonthPos = 8, kDayPos = 10;
inline constexpr int kHourPos = 12, kMinutePos = 14, kSecondPos = 16;
inline constexpr int kValuePos = 19, kValueWidth = 6;  // channel k at 19 + 6k

inline int RecordHour(std::string_view r) { return FieldInteger(r, kHourPos, 2); }
inline int RecordMinute(std::string_view r) { return FieldInteger(r, kMinutePos, 2); }
inline int RecordSecond(std::string_view r) { return FieldInteger(r, kSecondPos, 2); }
inline int ChannelValue(std::string_view r, int k) {
  return FieldInteger(r, kValuePos + kValueWidth * k, kValueWidth);
}

}  // namespace helvarra
