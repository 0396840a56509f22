#pragma once
// The records of a data file, decoded once when it is opened, in file order,
// with how the file was laid out and what the decoder met on the way. Every
// reader of the data (the chart, the panel, the browse, the read-out, the
// file report, the measurements and the export) reads this table.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "data/channels.h"
#include "data/flux_record.h"

namespace helvarra {

// Why a field holds no value.
enum class HoleCause : std::uint8_t { None, Blank, NotANumber, Overflow, CutShort };
inline constexpr int kHoleCauses = 4;  // Blank .. CutShort

enum class LineEnds : std::uint8_t { None, Lf, CrLf, Cr, Mixed };

// Where the values stand in a line: a 6-wide line either as the record table
// has them (a blank at 18, fields from 19, the last cut to five characters)
// or as the archive writes them (fields from 18); 7- and 8-wide lines only as
// the archive writes them.
enum class Alignment : std::uint8_t { RecordTable, Archive };

struct FileLayout {
  int width = 6;  // characters a value field takes: 6, 7 or 8
  Alignment alignment = Alignment::RecordTable;
  LineEnds lineEnds = LineEnds::None;
  bool compressed = false;  // gzip
};

struct DecodeStats {
  std::uint64_t linesSkipped = 0;    // non-empty lines without a record
  std::uint64_t resynchronised = 0;  // records ended by another record's header on the same line
  // holes[channel][cause - 1]
  std::array<std::array<std::uint64_t, kHoleCauses>, kChannelCount> holes{};

  std::uint64_t Holes(int channel, HoleCause cause) const {
    return cause == HoleCause::None ? 0 : holes[static_cast<std::size_t>(channel)][static_cast<std::size_t>(cause) - 1];
  }
};

// Rows of a table, both included.
struct RowRange {
  std::size_t first = 0, last = 0;
  friend bool operator==(const RowRange&, const RowRange&) = default;
};

using RecordVector = std::vector<FluxRecord>;

struct FluxTable {
  RecordVector records;
  FileLayout layout;
  DecodeStats stats;

  std::size_t size() const { return records.size(); }
  bool empty() const { return records.empty(); }
  const FluxRecord& operator[](std::size_t i) const { return records[i]; }
};

}  // namespace helvarra
