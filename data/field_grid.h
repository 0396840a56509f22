#pragma once
// Where the eight value fields of a record stand in its body, the text after
// its 18-character header. The archive's: eight fields of w characters. The
// record table's: a blank, seven fields of 6 and one of 5; its blank is taken
// as the first character of a 7-character first field that always starts
// with one, so that a value that fits is right-aligned in every field.

#include "data/channels.h"
#include "data/record_table_columns.h"

namespace helvarra {

struct FieldGrid {
  int width = 6;        // fields 1 to 6
  int firstWidth = 6;   // field 0
  int lastWidth = 6;    // field 7
  int firstBlanks = 0;  // blanks field 0 always starts with

  constexpr int Width(int k) const { return k == 0 ? firstWidth : k == kChannelCount - 1 ? lastWidth : width; }
  constexpr int Start(int k) const { return k == 0 ? 0 : firstWidth + (k - 1) * width; }
  constexpr int End(int k) const { return Start(k) + Width(k); }
  constexpr int Total() const { return End(kChannelCount - 1); }
  constexpr int MinBlanks(int k) const { return k == 0 ? firstBlanks : 0; }
};

constexpr FieldGrid ArchiveGrid(int w) { return FieldGrid{w, w, w, 0}; }

inline constexpr FieldGrid kRecordTableGrid{kTableValueWidth, 1 + kTableValueWidth, kTableLastValueWidth, 1};
static_assert(kTableBlankColumn + kRecordTableGrid.Total() == kTableLineChars);

}  // namespace helvarra
