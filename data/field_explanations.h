#pragma once
// A record's body that has not its grid's length, read by the ways printf
// could have written it. printf "%*d" puts a value that fits its field after
// just the blanks it needs, and a longer one after none, pushing the rest of
// the line on; it never pads with more blanks than needed. A field every way
// reads alike is that value (or blank); a field the ways read differently is
// a hole.

#include <string_view>

#include "data/field_grid.h"
#include "data/field_values.h"

namespace helvarra {

// The body as printf wrote it: each field blank or a value as wide as it
// needs, then nothing but blanks. Fields the ways read differently (values
// run together) are holes, cause overflow. False if no way writes the text.
bool ReadAsWritten(std::string_view body, const FieldGrid& grid, FieldValues& out);

// A body one character longer or shorter than its grid, read as a line
// printf wrote at the grid's columns with one character (a blank, a '-' or a
// digit) too many or missing, anywhere. A stray blank and a stray digit leave
// the same text, so every field the character could belong to is a hole:
// overflow for one too many, cut short for one missing. False for other
// lengths, or if no such line writes the text.
bool ReadOneCharacterOff(std::string_view body, const FieldGrid& grid, FieldValues& out);

}  // namespace helvarra
