#include "data/record_fields.h"

#include <algorithm>

#include "data/field_rules.h"

namespace helvarra {
namespace {

bool IsWhite(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// One field by the decimal rule; false, with the cause, where it holds no digit.
bool ReadField(std::string_view f, std::int32_t& value, HoleCause& cause) {
  std::size_t i = 0;
  while (i < f.size() && IsWhite(f[i])) ++i;
  if (i == f.size()) {
    cause = HoleCause::Blank;
    return false;
  }
  const bool negative = f[i] == '-';
  if (f[i] == '+' || f[i] == '-') ++i;
  if (i == f.size() || !IsDigit(f[i])) {
    cause = HoleCause::NotANumber;
    return false;
  }
  std::int32_t v = 0;  // at most six characters: no overflow
  for (; i < f.size() && IsDigit(f[i]); ++i) v = v * 10 + (f[i] - '0');
  value = negative ? -v : v;
  return true;
}

// The usual field, wholly inside the record: blanks, then digits to its end.
bool ReadPlainField(const char* f, int width, std::int32_t& value) {
  int i = 0;
  while (i < width && f[i] == ' ') ++i;
  if (i == width || !IsDigit(f[i])) return false;
  std::int32_t v = 0;
  for (; i < width && IsDigit(f[i]); ++i) v = v * 10 + (f[i] - '0');
  if (i < width) return false;  // something after the digits: the general rule
  value = v;
  return true;
}

}  // namespace

FieldValues ReadRecordTableFields(std::string_view record) {
  if (record.size() != static_cast<std::size_t>(kTableLineChars))
    return ReadFields(record.substr(std::min<std::size_t>(record.size(), kTableBlankColumn)), kRecordTableGrid);
  FieldValues out;
  for (int k = 0; k < kChannelCount; ++k) {
    const auto i = static_cast<std::size_t>(k);
    const auto at = static_cast<std::size_t>(TableValueColumn(k)), width = static_cast<std::size_t>(TableValueWidth(k));
    if (!ReadPlainField(record.data() + at, static_cast<int>(width), out.values[i]) &&
        !ReadField(record.substr(at, width), out.values[i], out.causes[i]))
      out.values[i] = 0;
  }
  return out;
}

}  // namespace helvarra
