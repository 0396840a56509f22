#pragma once
// The eight value fields of a record's body, each written right-aligned in
// its field (printf "%*d") in a grid: the archive's, or the record table's.
// A value is taken only when it can be read with confidence; otherwise the
// field is a hole, with a cause. docs/FORMATS.md has the rules with real
// lines as examples.

#include <string_view>

#include "data/field_grid.h"
#include "data/field_values.h"

namespace helvarra {

// The fields of a record's body (the text after its header, up to the next
// header or the line end). `confident`, if given, is increased by the number
// of values read: the measure a width is guessed by.
FieldValues ReadFields(std::string_view body, const FieldGrid& grid, int* confident = nullptr);

}  // namespace helvarra
