#pragma once
// The text files the RSTN archive serves, decoded once into records.
//
// A line holds an 18-character header, "CCCCYYYYMMDDhhmmss" (station code of
// four letters or digits with at least one letter, four-digit year, month,
// day, hour, minute, second), then eight integers, one per channel, each
// right-aligned in a field of w characters (printf "%*d"): w is 6 (66-character
// lines), 7 (74) or 8 (82). A value wider than its field pushes everything
// after it to the right; a record may be cut short and the next one follow on
// the same line; lines of noise occur.
//
// A value is taken only when it can be read with confidence; otherwise the
// field is a hole, with a cause, and reads as 0 (drawn as a gap): see
// data/archive_fields.h and docs/FORMATS.md.
//
// Decoded records are delivered in the fixed record's own columns (see
// ArchiveDecoding::Deliver), so every reader of record text works on them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "data/archive_fields.h"
#include "data/flux_record.h"

namespace helvarra {

inline constexpr int kDecodedChars = 66;  // a decoded record's text without its line feed

enum class LineEnds : std::uint8_t { None, Lf, CrLf, Mixed };

// True if `text` starts with an archive header.
bool StartsWithArchiveHeader(std::string_view text);

struct ArchiveStats {
  std::uint64_t records = 0;
  std::uint64_t linesSkipped = 0;    // non-empty lines without a header
  std::uint64_t resynchronised = 0;  // records ended by a header on the same line
  int width = 0;                     // 6, 7 or 8
  LineEnds lineEnds = LineEnds::None;
  // holes[channel][cause - 1]
  std::array<std::array<std::uint64_t, kHoleCauses>, kArchiveFields> holes{};

  std::uint64_t Holes(int channel, HoleCause cause) const {
    return cause == HoleCause::None ? 0 : holes[static_cast<std::size_t>(channel)][static_cast<std::size_t>(cause) - 1];
  }
};

// The records of a decoded file, compact: the text of each (66 characters,
// the line feed left out), and the values of the few records whose text cannot
// show a value (one wider than its column).
struct ArchiveDecoding {
  struct WideRecord {
    std::uint32_t index;
    std::array<std::int32_t, kArchiveFields> values;
  };
  std::vector<char> text;        // kDecodedChars per record, in file order
  std::vector<WideRecord> wide;  // by ascending index
  ArchiveStats stats;

  std::size_t Count() const { return text.size() / kDecodedChars; }
  std::string_view Text(std::size_t i) const { return {text.data() + i * kDecodedChars, kDecodedChars}; }
  // Copies record i (< Count()) into `record`: 67 characters ending in a line
  // feed; the values as read when the text cannot show them.
  void Deliver(std::size_t i, FluxRecord& record) const;
  // The memory the records take, in bytes.
  std::size_t Bytes() const { return text.capacity() + wide.capacity() * sizeof(WideRecord); }
};

// Decodes archive text: records in file order, and what was found on the way.
ArchiveDecoding DecodeArchiveText(std::string_view text);

}  // namespace helvarra
