#pragma once
// A plain reader of data file text whose layout and line end are known
// beforehand: the text is split at its line end; a line whose header does not
// read, or whose date and time cannot exist, is another line; a record line
// of the layout's length is read field by field at the layout's fixed columns
// with strtol, one of another length by reference_broken_lines.h. It takes
// nothing from the decoder; the decoders' harness compares the two.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace helvarra::fuzz {

// The layouts a text can be written in: the archive's, values in fields of
// 6, 7 or 8 characters from column 18; the record table's, values from 19,
// with blanks or the century in columns 4-5.
enum class TextLayout : std::uint8_t { Archive6, Archive7, Archive8, RecordTableBlanks, RecordTableCentury };
inline constexpr int kTextLayouts = 5;

constexpr bool IsRecordTable(TextLayout l) { return l >= TextLayout::RecordTableBlanks; }
constexpr int FieldWidth(TextLayout l) { return IsRecordTable(l) ? 6 : 6 + static_cast<int>(l); }
constexpr int LineLength(TextLayout l) { return 18 + 8 * FieldWidth(l); }

struct ReferenceRecord {
  std::string station;
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  std::array<std::int32_t, 8> values{};  // 0 for a hole
  unsigned holes = 0;                    // bit k: channel k's field is blank, or unsure
  unsigned unsure = 0;                   // bit k: a broken line's field whose value cannot be told
  bool asItStands = false;               // a broken line printf could have written as it stands

  bool operator==(const ReferenceRecord&) const = default;
};

struct ReferenceReading {
  std::vector<ReferenceRecord> records;
  int otherLines = 0;    // non-empty lines that are not records (a comment, a date that cannot exist)
  bool readable = true;  // false if a record line held a field that cannot be read as printf wrote it
};

ReferenceReading ReadReference(std::string_view text, TextLayout layout, std::string_view lineEnd);

}  // namespace helvarra::fuzz
