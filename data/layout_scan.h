#pragma once
// How a text is laid out, found from its own lines before it is decoded: the
// line ends, the width of the value fields, where the values stand, and how
// many records the lines can hold at most.

#include <cstdint>
#include <string_view>

#include "data/flux_table.h"

namespace helvarra {

struct LayoutScan {
  FileLayout layout;
  std::uint64_t recordRoom = 0;  // no text holds more records than this
};

// The width is the one most lines state by their length (66, 74 or 82
// characters); when none does, the one whose reading gives the most values
// over the first records. A text of 66-character lines takes the record
// table's alignment unless more of those lines could only be the archive's
// than could only be the record table's; where as many could, their digits
// decide (layout_scan.cpp).
LayoutScan ScanLayout(std::string_view text);

}  // namespace helvarra
