#include "data/archive_text.h"

#include <algorithm>
#include <cstring>

#include "data/record_fields.h"

namespace helvarra {
namespace {

constexpr int kWidths[] = {6, 7, 8};
constexpr int kWidthSampleRecords = 200;  // records the width is guessed from when no line tells it

bool IsLetter(char c) { return static_cast<unsigned char>((c | 0x20) - 'a') < 26u; }

bool HeaderAt(const char* p) {
  bool letter = false;
  for (int i = 0; i < 4; ++i) {
    if (IsLetter(p[i]))
      letter = true;
    else if (!IsDigit(p[i]))
      return false;
  }
  if (!letter) return false;
  for (int i = 4; i < kArchiveHeaderChars; ++i)
    if (!IsDigit(p[i])) return false;
  return true;
}

// True if any of the 8 bytes at p is 0x40 or above: letters are, blanks,
// signs and digits are not.
bool AnyHighByte(const char* p) {
  std::uint64_t x;
  std::memcpy(&x, p, sizeof x);
  constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL, kHigh = 0x8080808080808080ULL;
  return (((x & kLow7) + 0x4040404040404040ULL) | x) & kHigh;
}

// The first header starting at or after `from` in line[0, n), or n. A header
// holds a letter in its first four characters, so only letters are looked at.
std::size_t FindHeader(const char* line, std::size_t n, std::size_t from) {
  if (n < kArchiveHeaderChars || from > n - kArchiveHeaderChars) return n;
  // A header's first letter lies in its code, so at most 3 after its start.
  const std::size_t lastLetter = n - kArchiveHeaderChars + 3;
  std::size_t q = from;
  while (q <= lastLetter) {
    if (q + 8 <= n && !AnyHighByte(line + q)) {
      q += 8;
      continue;
    }
    if (IsLetter(line[q])) {
      for (std::size_t s = q >= from + 3 ? q - 3 : from; s <= q && s + kArchiveHeaderChars <= n; ++s)
        if (HeaderAt(line + s)) return s;
    }
    ++q;
  }
  return n;
}

}  // namespace

bool StartsWithArchiveHeader(std::string_view text) {
  return text.size() >= kArchiveHeaderChars && HeaderAt(text.data());
}

namespace {

// Writes v right-aligned into the `width` characters at p, or '*' in all of
// them if it does not fit. False if it did not fit.
bool PutValue(char* p, int width, std::int32_t v) {
  const std::int64_t top = width == 6 ? 999999 : 99999;
  if (v > top || v < -(top / 10)) {
    std::memset(p, '*', static_cast<std::size_t>(width));
    return false;
  }
  std::memset(p, ' ', static_cast<std::size_t>(width));
  const bool negative = v < 0;
  std::uint32_t u =
      negative ? static_cast<std::uint32_t>(-static_cast<std::int64_t>(v)) : static_cast<std::uint32_t>(v);
  int i = width - 1;
  do {
    p[i--] = static_cast<char>('0' + u % 10);
    u /= 10;
  } while (u != 0);
  if (negative) p[i] = '-';
  return true;
}

struct LineScan {
  std::uint64_t lf = 0, crlf = 0;
  std::uint64_t byWidth[3] = {0, 0, 0};
};

// Calls f(line, length) for every line, its LF and the CR before it removed
// (a CR that ends the text likewise); returns the line-end counts.
template <typename F>
void ForEachLine(std::string_view text, LineScan* scan, F&& f) {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end) {
    const auto* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
    const char* lineEnd = lf != nullptr ? lf : end;
    std::size_t n = static_cast<std::size_t>(lineEnd - p);
    const bool cr = n > 0 && p[n - 1] == '\r';
    if (cr) --n;
    if (scan != nullptr && lf != nullptr) ++(cr ? scan->crlf : scan->lf);
    if (!f(p, n)) return;
    p = lf != nullptr ? lf + 1 : end;
  }
}

// The width no line states by its length: the one whose reading gives the
// most values over the first records.
int GuessWidth(std::string_view text) {
  int score[3] = {0, 0, 0};
  int records = 0;
  ForEachLine(text, nullptr, [&](const char* line, std::size_t n) {
    std::size_t h = FindHeader(line, n, 0);
    while (h < n && records < kWidthSampleRecords) {
      const std::size_t next = FindHeader(line, n, h + kArchiveHeaderChars);
      const std::string_view body(line + h + kArchiveHeaderChars, next - h - kArchiveHeaderChars);
      for (int i = 0; i < 3; ++i) ReadArchiveFields(body, kWidths[i], &score[i]);
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

}  // namespace

void ArchiveDecoding::Deliver(std::size_t i, FluxRecord& record) const {
  std::memcpy(record.text, text.data() + i * kDecodedChars, kDecodedChars);
  record.text[kDecodedChars] = '\n';
  record.text[kDecodedChars + 1] = '\0';
  record.length = kDecodedChars + 1;
  record.hasValues = false;
  if (!wide.empty()) {
    const auto it =
        std::lower_bound(wide.begin(), wide.end(), i, [](const WideRecord& w, std::size_t at) { return w.index < at; });
    if (it != wide.end() && it->index == i) {
      std::copy(it->values.begin(), it->values.end(), record.values.begin());
      record.hasValues = true;
    }
  }
}

namespace {

// The line ends found, and the field width the lines state by their length
// (or, when none does, the one their reading suggests). Also how many lines
// could hold a header: the records to make room for.
int ScanLines(std::string_view text, ArchiveStats& st, std::uint64_t& candidates) {
  LineScan scan;
  ForEachLine(text, &scan, [&](const char*, std::size_t n) {
    if (n == 66)
      ++scan.byWidth[0];
    else if (n == 74)
      ++scan.byWidth[1];
    else if (n == 82)
      ++scan.byWidth[2];
    if (n >= kArchiveHeaderChars) ++candidates;
    return true;
  });
  st.lineEnds = scan.lf == 0 ? (scan.crlf == 0 ? LineEnds::None : LineEnds::CrLf)
                             : (scan.crlf == 0 ? LineEnds::Lf : LineEnds::Mixed);
  int best = 0;
  for (int i = 1; i < 3; ++i)
    if (scan.byWidth[i] > scan.byWidth[best]) best = i;
  return scan.byWidth[best] > 0 ? kWidths[best] : GuessWidth(text);
}

// One record: its header, then its values in the fixed record's columns
// (blanks for a hole), kept aside too when the text cannot show one.
void AppendRecord(ArchiveDecoding& out, const char* header, std::string_view body, int w) {
  ArchiveStats& st = out.stats;
  const ArchiveFields f = ReadArchiveFields(body, w);
  const std::size_t at = out.text.size();
  out.text.resize(at + kDecodedChars);
  char* t = out.text.data() + at;
  std::memcpy(t, header, kArchiveHeaderChars);
  t[kArchiveHeaderChars] = ' ';
  bool fits = true;
  for (int k = 0; k < kArchiveFields; ++k) {
    char* field = t + 19 + 6 * k;
    const int width = k == kArchiveFields - 1 ? 5 : 6;
    const HoleCause cause = f.causes[static_cast<std::size_t>(k)];
    if (cause != HoleCause::None) {
      std::memset(field, ' ', static_cast<std::size_t>(width));
      ++st.holes[static_cast<std::size_t>(k)][static_cast<std::size_t>(cause) - 1];
    } else if (!PutValue(field, width, f.values[static_cast<std::size_t>(k)])) {
      fits = false;
    }
  }
  if (!fits) out.wide.push_back({static_cast<std::uint32_t>(st.records), f.values});
  ++st.records;
}

}  // namespace

ArchiveDecoding DecodeArchiveText(std::string_view text) {
  ArchiveDecoding out;
  ArchiveStats& st = out.stats;
  std::uint64_t candidates = 0;
  const int w = ScanLines(text, st, candidates);
  st.width = w;
  out.text.reserve(static_cast<std::size_t>(candidates) * kDecodedChars);

  ForEachLine(text, nullptr, [&](const char* line, std::size_t n) {
    if (n == 0) return true;
    std::size_t h = n >= kArchiveHeaderChars && HeaderAt(line) ? 0 : FindHeader(line, n, 0);
    if (h == n) {
      ++st.linesSkipped;
      return true;
    }
    for (;;) {
      const std::size_t bodyAt = h + kArchiveHeaderChars;
      const std::size_t next = FindHeader(line, n, bodyAt);
      AppendRecord(out, line + h, std::string_view(line + bodyAt, next - bodyAt), w);
      if (next == n) break;
      ++st.resynchronised;
      h = next;
    }
    return true;
  });
  out.text.shrink_to_fit();
  return out;
}

}  // namespace helvarra
