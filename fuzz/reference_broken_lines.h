#pragma once
// The reference reader's reading of a record line of another length than its
// layout's: every line printf could have written that gives the text, and
// the fields they all agree on. Written plainly, apart from the decoder: each
// field is checked by printing the value read from it again.

#include <string_view>

#include "fuzz/reference_reader.h"

namespace helvarra::fuzz {

// The lines, in order of preference: the text as printf wrote it (values
// longer than their fields pushing the rest on, blanks after the last); else,
// for a line one character longer or shorter, the layout's lines with one
// blank, '-' or digit taken out or put in anywhere after the header. A field
// they all read alike is a value or a blank hole; one they read differently
// is a hole marked unsure. False if there is no such line.
bool ReadBrokenLine(std::string_view line, TextLayout layout, ReferenceRecord& r);

}  // namespace helvarra::fuzz
