#include "data/record_fields.h"

namespace helvarra {

std::string_view FieldText(std::string_view record, int position, int width) {
  if (position < 0 || width <= 0 || static_cast<std::size_t>(position) >= record.size()) return {};
  return record.substr(static_cast<std::size_t>(position), static_cast<std::size_t>(width));
}

int ReadInteger(std::string_view text) {
  std::size_t i = 0;
  auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
  while (i < text.size() && isSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  // Fields are at most 6 characters, so this cannot overflow; the guard keeps
  // a longer text from doing so.
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 1000000000LL; ++i)
    value = value * 10 + (text[i] - '0');
  return static_cast<int>(negative ? -value : value);
}

int FieldInteger(std::string_view record, int position, int width) {
  return ReadInteger(FieldText(record, position, width));
}

}  // namespace helvarra
