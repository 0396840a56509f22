#include "data/flux_decoder.h"

#include "data/field_rules.h"
#include "data/layout_scan.h"
#include "data/record_room.h"
#include "data/record_fields.h"
#include "data/record_headers.h"
#include "data/text_lines.h"

namespace helvarra {
namespace {

// One record: its header and the `n` characters that follow up to the next
// header or the line end. False, and nothing appended, if its date and time
// cannot exist.
bool AppendRecord(FluxTable& table, const char* record, std::size_t n) {
  FluxRecord r;
  if (!ReadHeader(record, r)) return false;
  const FieldValues f =
      table.layout.alignment == Alignment::RecordTable
          ? ReadRecordTableFields(std::string_view(record, n))
          : ReadFields(std::string_view(record + kHeaderChars, n - kHeaderChars), ArchiveGrid(table.layout.width));
  for (int k = 0; k < kChannelCount; ++k) {
    const auto i = static_cast<std::size_t>(k);
    r.values[i] = f.values[i];
    if (f.causes[i] != HoleCause::None) {
      r.holes = static_cast<std::uint8_t>(r.holes | (1u << k));
      ++table.stats.holes[i][static_cast<std::size_t>(f.causes[i]) - 1];
    }
  }
  table.records.push_back(r);
  return true;
}

}  // namespace

FluxTable DecodeFluxText(std::string_view text) {
  FluxTable table;
  const LayoutScan scan = ScanLayout(text);
  table.layout = scan.layout;
  const Alignment a = scan.layout.alignment;
  ReserveRecords(table.records, static_cast<std::size_t>(scan.recordRoom));
  ForEachLine(text, nullptr, [&](const char* line, std::size_t n) {
    if (n == 0) return true;
    std::size_t h = n >= kHeaderChars && HeaderAt(line, a) ? 0 : FindHeader(line, n, 0, a);
    bool kept = false;
    while (h < n) {
      const std::size_t next = FindHeader(line, n, h + kHeaderChars, a);
      if (AppendRecord(table, line + h, next - h)) {
        kept = true;
        table.stats.resynchronised += next < n;
      }
      h = next;
    }
    table.stats.linesSkipped += !kept;
    return true;
  });
  return table;
}

}  // namespace helvarra
