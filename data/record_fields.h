#pragma once
// The values of a record in the record table's layout: channel k in the six
// characters from 19 + 6k, the last channel cut to the five characters before
// the line end (61-65), each read by the C library's decimal rule: leading
// white space, one optional sign, then digits up to the first character that
// is not one. A field with no digit, or one the line ends before, is a hole.

#include <string_view>

#include "data/field_values.h"
#include "data/record_table_columns.h"

namespace helvarra {

// The field of `width` characters at `position`, cut short where the text
// ends; empty if it starts beyond the end.
inline std::string_view FieldText(std::string_view text, int position, int width) {
  if (position < 0 || width <= 0 || static_cast<std::size_t>(position) >= text.size()) return {};
  return text.substr(static_cast<std::size_t>(position), static_cast<std::size_t>(width));
}

// The eight values of a record whose header starts `record`.
FieldValues ReadRecordTableFields(std::string_view record);

}  // namespace helvarra
