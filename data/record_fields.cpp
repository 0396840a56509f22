#include "data/record_fields.h"

namespace helvarra {
namespace {

bool IsWhite(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// One field by the decimal rule; false, with the cause, where it holds no digit.
bool ReadField(std::string_view f, std::int32_t& value, HoleCause& cause) {
  std::size_t i = 0;
  while (i < f.size() && IsWhite(f[i])) ++i;
  if (i == f.size()) {
    cause = f.empty() ? HoleCause::CutShort : HoleCause::Blank;
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
  FieldValues out;
  for (int k = 0; k < kChannelCount; ++k) {
    const auto i = static_cast<std::size_t>(k);
    const int width = TableValueWidth(k);
    const auto at = static_cast<std::size_t>(TableValueColumn(k));
    if (at + static_cast<std::size_t>(width) <= record.size() &&
        ReadPlainField(record.data() + at, width, out.values[i]))
      continue;
    if (!ReadField(FieldText(record, static_cast<int>(at), width), out.values[i], out.causes[i])) out.values[i] = 0;
  }
  return out;
}

}  // namespace helvarra
