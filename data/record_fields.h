#pragma once
// The values of a record in the record table's layout. A line of the record
// table is 66 characters: channel k in the six characters from 19 + 6k, the
// last channel in the five before the line end (61-65), each read by the C
// library's decimal rule: leading white space, one optional sign, then digits
// up to the first character that is not one; a field with no digit is a hole.
// A record of another length is broken: it is read by the rules of broken
// lines in the record table's grid (field_rules.h), a field whose place in it
// is uncertain a hole.

#include <string_view>

#include "data/field_values.h"
#include "data/record_table_columns.h"

namespace helvarra {

// The eight values of a record whose header starts `record`.
FieldValues ReadRecordTableFields(std::string_view record);

}  // namespace helvarra
