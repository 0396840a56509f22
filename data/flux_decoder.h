#pragma once
// The one decoder: a data file's text, whatever its layout (the record
// table's 68-byte records, the archive's 6-, 7- and 8-wide lines, LF, CR LF
// or CR line ends, with the broken lines real files have), decoded once into
// the record table. docs/FORMATS.md has the rules.

#include <string_view>

#include "data/flux_table.h"

namespace helvarra {

// The records of the text in file order. A record starts at a header; a
// header found inside a line ends the record before it there; a record whose
// date and time cannot exist is dropped; a line left without a record (no
// header, or only such records) is skipped. The text's layout is found from
// its own lines first.
FluxTable DecodeFluxText(std::string_view text);

}  // namespace helvarra
