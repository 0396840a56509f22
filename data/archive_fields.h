#pragma once
// The eight value fields of a record as the archive writes them, each
// right-aligned in w characters (printf "%*d"). A value is taken only when it
// can be read with confidence; otherwise the field is a hole, with a cause.
// docs/FORMATS.md has the rules with real lines as examples.

#include <string_view>

#include "data/field_values.h"

namespace helvarra {

// The fields of a record's body (the text after its header, up to the next
// header or the line end), in fields of `width` characters. `confident`, if
// given, is increased by the number of values read: the measure a width is
// guessed by.
FieldValues ReadArchiveFields(std::string_view body, int width, int* confident = nullptr);

}  // namespace helvarra
