#include "analysis/csv_export.h"

#include <charconv>
#include <cstddef>
#include <vector>

#include "data/record_time.h"

namespace helvarra {
namespace {

constexpr std::size_t kBlockBytes = 1 << 16;
constexpr std::size_t kLineBytes = 128;  // 20 for the time, 5 for a station, at most 12 for each of eight values

// `digits` decimal digits of `value`, leading zeros kept.
char* Digits(char* p, unsigned value, int digits) {
  for (int i = digits - 1; i >= 0; --i, value /= 10) p[i] = static_cast<char>('0' + value % 10);
  return p + digits;
}

char* WriteIsoTime(char* p, const FluxRecord& r) {
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
  return p;
}

char* WriteLine(char* p, const FluxRecord& r, bool station) {
  p = WriteIsoTime(p, r);
  if (station) {
    *p++ = ',';
    for (char c : r.station) *p++ = c;
  }
  for (int k = 0; k < kChannelCount; ++k) {
    *p++ = ',';
    if (!r.IsHole(k)) p = std::to_chars(p, p + 11, r.Value(k)).ptr;
  }
  *p++ = '\n';
  return p;
}

// Lines gathered into blocks and written a block at a time.
class BlockWriter {
 public:
  explicit BlockWriter(std::ostream& out) : out_(out), block_(kBlockBytes + kLineBytes, '\0'), p_(block_.data()) {}
  ~BlockWriter() { Flush(); }
  void Line(const FluxRecord& r, bool station) {
    p_ = WriteLine(p_, r, station);
    if (p_ - block_.data() >= static_cast<std::ptrdiff_t>(kBlockBytes)) Flush();
  }

 private:
  void Flush() {
    out_.write(block_.data(), p_ - block_.data());
    p_ = block_.data();
  }
  std::ostream& out_;
  std::string block_;
  char* p_;
};

// Several stations' rows merged by time, ties in the stations' order.
void WriteMerged(BlockWriter& w, std::span<const CsvStation> stations) {
  std::vector<std::size_t> next, end;
  for (const CsvStation& s : stations) {
    next.push_back(s.rows.first);
    end.push_back(std::min(s.rows.last + 1, s.table->size()));
  }
  for (;;) {
    std::size_t best = stations.size();
    std::int64_t bestTime = 0;
    for (std::size_t i = 0; i < stations.size(); ++i) {
      if (next[i] >= end[i]) continue;
      const std::int64_t t = RecordTime((*stations[i].table)[next[i]]);
      if (best == stations.size() || t < bestTime) best = i, bestTime = t;
    }
    if (best == stations.size()) return;
    w.Line((*stations[best].table)[next[best]++], true);
  }
}

}  // namespace

std::string IsoTimeText(const FluxRecord& record) {
  char text[32];
  return std::string(text, WriteIsoTime(text, record));
}

std::string RecordsCsvHeader(bool stations) {
  std::string header = stations ? "time_ut,station" : "time_ut";
  for (const ChannelInfo& c : kChannels) header += ',' + std::to_string(c.megahertz);
  return header;
}

void WriteRecordsCsv(std::ostream& out, std::span<const CsvStation> stations) {
  const bool several = stations.size() > 1;
  const std::string header = RecordsCsvHeader(several) + '\n';
  out.write(header.data(), static_cast<std::streamsize>(header.size()));
  BlockWriter w(out);
  if (several) {
    WriteMerged(w, stations);
    return;
  }
  for (const CsvStation& s : stations)
    for (std::size_t i = s.rows.first; i <= s.rows.last && i < s.table->size(); ++i) w.Line((*s.table)[i], false);
}

void WriteRecordsCsv(std::ostream& out, const FluxTable& table, std::size_t first, std::size_t last) {
  const CsvStation one{&table, {first, last}};
  WriteRecordsCsv(out, {&one, 1});
}

}  // namespace helvarra
