#include "data/layout_scan.h"

#include "data/field_rules.h"
#include "data/record_headers.h"
#include "data/record_table_columns.h"
#include "data/text_lines.h"

namespace helvarra {
namespace {

constexpr int kWidths[] = {6, 7, 8};
constexpr int kSixWide = kWidths[0];  // the archive's narrowest fields, from 18
static_assert(kHeaderChars + kChannelCount * kSixWide == kTableLineChars);
constexpr int kWidthSampleRecords = 200;  // records a width is guessed from when no line states it

// The width no line states by its length: the one whose reading gives the
// most values over the first records.
int GuessWidth(std::string_view text) {
  int score[3] = {0, 0, 0};
  int records = 0;
  ForEachLine(text, nullptr, [&](const char* line, std::size_t n) {
    std::size_t h = FindHeader(line, n, 0, Alignment::Archive);
    while (h < n && records < kWidthSampleRecords) {
      const std::size_t next = FindHeader(line, n, h + kHeaderChars, Alignment::Archive);
      const std::string_view body(line + h + kHeaderChars, next - h - kHeaderChars);
      for (int i = 0; i < 3; ++i) ReadFields(body, ArchiveGrid(kWidths[i]), &score[i]);
      ++records;
      h = next;
    }
    return records < kWidthSampleRecords;
  });
  int best = 0;
  for (int i = 1; i < 3; ++i)
    if (score[i] > score[best]) best = i;
  return kWidths[best];
}

LineEnds LineEndsOf(const LineEndCounts& c) {
  const int kinds = (c.lf > 0) + (c.crlf > 0) + (c.cr > 0);
  if (kinds > 1) return LineEnds::Mixed;
  if (c.crlf > 0) return LineEnds::CrLf;
  if (c.lf > 0) return LineEnds::Lf;
  return c.cr > 0 ? LineEnds::Cr : LineEnds::None;
}

// Records a line can hold: as many as it holds headers, one at its start
// if `startsWithHeader`. The record table's kind of header is the wider.
std::uint64_t RoomIn(const char* line, std::size_t n, bool startsWithHeader) {
  std::uint64_t headers = startsWithHeader ? 1 : 0;
  for (std::size_t h = FindHeader(line, n, startsWithHeader ? kHeaderChars : 0, Alignment::RecordTable); h < n;
       h = FindHeader(line, n, h + kHeaderChars, Alignment::RecordTable))
    ++headers;
  return headers;
}

// Blanks, then an optional '-' and digits to the field's end; or blanks.
bool RightAligned(const char* f, int width) {
  int i = 0;
  while (i < width && f[i] == ' ') ++i;
  if (i < width && f[i] == '-') ++i;
  if (i == width) return f[width - 1] == ' ';
  for (; i < width; ++i)
    if (!IsDigit(f[i])) return false;
  return true;
}

// Where a 6-wide text's values stand, from its 66-character lines (the first
// few thousand): a line each layout could have written says nothing, one
// only the record table's or only the archive's could have says which. Where
// as many say each, the digits decide: a value's last digit stands at 23 + 6k
// in the archive's lines, at 24 + 6k in the record table's, whose blank at 18
// the archive fills with a six-character first value.
class AlignmentVote {
 public:
  void Count(const char* line) {
    if (lines_++ >= kLines) return;
    bool table = line[kTableBlankColumn] == ' ', archive = true;
    for (int k = 0; k < kChannelCount; ++k) {
      table = table && RightAligned(line + TableValueColumn(k), TableValueWidth(k));
      archive = archive && RightAligned(line + kHeaderChars + kSixWide * k, kSixWide);
    }
    onlyTable_ += table && !archive;
    onlyArchive_ += archive && !table;
    filledAt18_ += line[kTableBlankColumn] != ' ';
    for (int k = 0; k < kChannelCount - 1; ++k) {  // the last channels' ends are the line's in both
      digitsAt23_ += IsDigit(line[kHeaderChars + kSixWide * (k + 1) - 1]);
      digitsAt24_ += IsDigit(line[TableValueColumn(k) + kTableValueWidth - 1]);
    }
  }
  bool RecordTable() const {
    if (onlyTable_ != onlyArchive_) return onlyTable_ > onlyArchive_;
    return digitsAt24_ > digitsAt23_ || (digitsAt24_ == digitsAt23_ && filledAt18_ == 0);
  }

 private:
  static constexpr std::uint64_t kLines = 4000;
  std::uint64_t lines_ = 0, onlyTable_ = 0, onlyArchive_ = 0;
  std::uint64_t digitsAt23_ = 0, digitsAt24_ = 0, filledAt18_ = 0;
};

}  // namespace

LayoutScan ScanLayout(std::string_view text) {
  LayoutScan scan;
  LineEndCounts ends;
  std::uint64_t byLength[3] = {0, 0, 0};
  AlignmentVote vote;
  ForEachLine(text, &ends, [&](const char* line, std::size_t n) {
    for (int i = 0; i < 3; ++i) byLength[i] += n == static_cast<std::size_t>(kHeaderChars + kChannelCount * kWidths[i]);
    const bool header = n >= kHeaderChars && HeaderAt(line, Alignment::RecordTable);
    scan.recordRoom += RoomIn(line, n, header);
    if (header && n == static_cast<std::size_t>(kTableLineChars)) vote.Count(line);
    return true;
  });
  int best = 0;
  for (int i = 1; i < 3; ++i)
    if (byLength[i] > byLength[best]) best = i;
  scan.layout.width = byLength[best] > 0 ? kWidths[best] : GuessWidth(text);
  // The record table's lines are 66 characters; without such lines the
  // width was the archive's reading's guess.
  scan.layout.alignment = byLength[0] > 0 && scan.layout.width == kSixWide && vote.RecordTable()
                              ? Alignment::RecordTable
                              : Alignment::Archive;
  scan.layout.lineEnds = LineEndsOf(ends);
  return scan;
}

}  // namespace helvarra
