#include "analysis/csv_export.h"

#include <charconv>
#include <cstddef>

namespace helvarra {
namespace {

constexpr std::size_t kBlockBytes = 1 << 16;
constexpr std::size_t kLineBytes = 128;  // 20 for the time, at most 12 for each of eight values, the line end

// `digits` decimal digits of `value`, leading zeros kept.
char* Digits(char* p, unsigned value, int digits) {
  for (int i = digits - 1; i >= 0; --i, value /= 10) p[i] = static_cast<char>('0' + value % 10);
  return p + digits;
}

char* WriteLine(char* p, const FluxRecord& r) {
  p = Digits(p, r.year, 4);
  *p++ = '-';
  p = Digits(p, r.month, 2);
  *p++ = '-';
  p = Digits(p, r.day, 2);
  *p++ = 'T';
  p = Digits(p, r.hour, 2);
  *p++ = ':';
  p = Digits(p, r.minute, 2);
  *p++ = ':';
  p = Digits(p, r.second, 2);
  *p++ = 'Z';
  for (int k = 0; k < kChannelCount; ++k) {
    *p++ = ',';
    if (!r.IsHole(k)) p = std::to_chars(p, p + 11, r.Value(k)).ptr;
  }
  *p++ = '\n';
  return p;
}

}  // namespace

std::string RecordsCsvHeader() {
  std::string header = "time_ut";
  for (const ChannelInfo& c : kChannels) header += ',' + std::to_string(c.megahertz);
  return header;
}

void WriteRecordsCsv(std::ostream& out, const FluxTable& table, std::size_t first, std::size_t last) {
  const std::string header = RecordsCsvHeader() + '\n';
  out.write(header.data(), static_cast<std::streamsize>(header.size()));
  std::string block(kBlockBytes + kLineBytes, '\0');
  char* p = block.data();
  for (std::size_t i = first; i <= last && i < table.size(); ++i) {
    p = WriteLine(p, table[i]);
    if (p - block.data() >= static_cast<std::ptrdiff_t>(kBlockBytes)) {
      out.write(block.data(), p - block.data());
      p = block.data();
    }
  }
  out.write(block.data(), p - block.data());
}

}  // namespace helvarra
