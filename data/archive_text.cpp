#include "data/archive_text.h"

#include <algorithm>
#include <cstring>

namespace helvarra {
namespace {

constexpr int kWidths[] = {6, 7, 8};
constexpr int kWidthSampleRecords = 200;  // records the width is guessed from when no line tells it

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return static_cast<unsigned char>((c | 0x20) - 'a') < 26u; }
bool IsNumberChar(char c) { return c == ' ' || c == '-' || IsDigit(c); }

bool HeaderAt(const char* p) {
  bool letter = false;
  for (int i = 0; i < 4; ++i) {
    if (IsLetter(p[i])) letter = true;
    else if (!IsDigit(p[i])) return false;
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

// A field read by itself: all blanks; blanks, then an optional '-', then
// digits to the field's end ("fits": the value is narrower than the field);
// or sign and digits filling it ("full": as wide as the field).
enum class Shape { Blank, Fits, Full, Bad };

Shape ShapeOf(const char* f, int w, std::int32_t& value) {
  int i = 0;
  while (i < w && f[i] == ' ') ++i;
  if (i == w) return Shape::Blank;
  const int start = i;
  const bool negative = f[i] == '-';
  if (negative) ++i;
  if (i == w) return Shape::Bad;
  std::int32_t v = 0;  // at most 8 digits: no overflow
  for (; i < w; ++i) {
    if (!IsDigit(f[i])) return Shape::Bad;
    v = v * 10 + (f[i] - '0');
  }
  value = negative ? -v : v;
  return start == 0 ? Shape::Full : Shape::Fits;
}

// Why a field that was not read holds no value: not a number if it holds
// anything but blanks, signs and digits, or no digit at all; else overflow
// (values run together or shifted into it).
HoleCause CauseOf(std::string_view field) {
  bool digit = false;
  for (char c : field) {
    if (!IsNumberChar(c)) return HoleCause::NotANumber;
    digit = digit || IsDigit(c);
  }
  return digit ? HoleCause::Overflow : HoleCause::NotANumber;
}

// A clean integer: an optional '-', then digits, within 32 bits.
bool CleanInteger(std::string_view t, std::int32_t& value) {
  std::size_t i = t.size() > 0 && t[0] == '-' ? 1 : 0;
  if (i == t.size()) return false;
  std::int64_t v = 0;
  for (; i < t.size(); ++i) {
    if (!IsDigit(t[i])) return false;
    v = v * 10 + (t[i] - '0');
    if (v > std::int64_t{2147483648}) return false;
  }
  if (t[0] == '-') v = -v;
  if (v > INT32_MAX || v < INT32_MIN) return false;
  value = static_cast<std::int32_t>(v);
  return true;
}

// The fields [first, last) that neither pass read, from the text `span` that
// holds them: the blank-separated tokens (a '-' after a digit also starts one)
// are their values if there are as many as fields and each is a clean integer.
bool SplitSpan(std::string_view span, int first, int last, ArchiveFields& out) {
  std::array<std::int32_t, kArchiveFields> got{};
  int count = 0;
  std::size_t i = 0;
  while (i < span.size()) {
    if (span[i] == ' ') {
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    while (j < span.size() && span[j] != ' ' && !(span[j] == '-' && IsDigit(span[j - 1]))) ++j;
    if (count == last - first || !CleanInteger(span.substr(i, j - i), got[static_cast<std::size_t>(count)]))
      return false;
    ++count;
    i = j;
  }
  if (count != last - first) return false;
  for (int k = first; k < last; ++k) out.values[static_cast<std::size_t>(k)] = got[static_cast<std::size_t>(k - first)];
  return true;
}

void SetHole(ArchiveFields& out, int k, HoleCause cause) {
  out.values[static_cast<std::size_t>(k)] = 0;
  out.causes[static_cast<std::size_t>(k)] = cause;
}

ArchiveFields ReadFields(std::string_view body, int w, int* read);

}  // namespace

bool StartsWithArchiveHeader(std::string_view text) {
  return text.size() >= kArchiveHeaderChars && HeaderAt(text.data());
}

// The rules, by the body's length n against the record's 8w:
// - n = 8w: every field is in its columns (a value wider than its field would
//   have made the body longer). Each is read by itself: blank, a value that fits
//   or fills it, or a hole: not a number if it holds anything but blanks,
//   signs and digits (or no digit), else overflow.
// - otherwise a left pass reads fields from the start while they are confident:
//   blank, a value that fits, or one that fills its field and is followed by a
//   blank or a '-' (followed by a digit, it ran over into the next field).
// - n > 8w (a value ran over): a right pass reads from the body's end with the
//   mirrored rule (a full field must be preceded by a blank or start with '-').
//   The fields between the passes take the tokens of their text (split at
//   blanks, and before a '-' that follows a digit) if there are as many as
//   fields and each is a clean integer; otherwise each is a hole: not a number
//   if its own columns hold anything but blanks, signs and digits, else
//   overflow (merged values, or a token that is no 32-bit integer). Text left
//   between the passes when they met (not a value's overflow) makes the field
//   on each side of it unread too.
// - n < 8w (cut short): the fields the left pass read stand. The field it
//   stopped at is not a number or overflow if it was whole, cut short if the
//   body ended inside it or with it full (a longer value may have been cut);
//   every later field is cut short.
ArchiveFields ReadArchiveFields(std::string_view body, int w) { return ReadFields(body, w, nullptr); }

namespace {

// `read`, if given, counts the values the passes (or the columns) read with
// confidence: the measure a width is guessed by.
ArchiveFields ReadFields(std::string_view body, int w, int* read) {
  int unused = 0;
  int& confident = read != nullptr ? *read : unused;
  ArchiveFields out;
  const char* b = body.data();
  const std::size_t n = body.size(), full = static_cast<std::size_t>(kArchiveFields * w);

  if (n == full) {
    for (int k = 0; k < kArchiveFields; ++k) {
      std::int32_t v = 0;
      const Shape s = ShapeOf(b + k * w, w, v);
      if (s == Shape::Blank) SetHole(out, k, HoleCause::Blank);
      else if (s == Shape::Bad) SetHole(out, k, CauseOf(body.substr(static_cast<std::size_t>(k * w), static_cast<std::size_t>(w))));
      else {
        out.values[static_cast<std::size_t>(k)] = v;
        ++confident;
      }
    }
    return out;
  }

  int left = 0;  // fields read by the left pass
  for (; left < kArchiveFields; ++left) {
    const std::size_t at = static_cast<std::size_t>(left * w), end = at + static_cast<std::size_t>(w);
    if (end > n) break;
    std::int32_t v = 0;
    const Shape s = ShapeOf(b + at, w, v);
    if (s == Shape::Bad) break;
    if (s == Shape::Full && (end == n || (b[end] != ' ' && b[end] != '-'))) break;
    if (s == Shape::Blank) {
      SetHole(out, left, HoleCause::Blank);
    } else {
      out.values[static_cast<std::size_t>(left)] = v;
      ++confident;
    }
  }

  if (n < full) {
    const std::size_t at = static_cast<std::size_t>(left * w), end = at + static_cast<std::size_t>(w);
    HoleCause cause = HoleCause::CutShort;
    if (end < n) cause = CauseOf(body.substr(at, static_cast<std::size_t>(w)));
    else if (end == n) {
      std::int32_t v = 0;
      if (ShapeOf(b + at, w, v) == Shape::Bad) cause = CauseOf(body.substr(at, static_cast<std::size_t>(w)));
    }
    SetHole(out, left, cause);
    for (int k = left + 1; k < kArchiveFields; ++k) SetHole(out, k, HoleCause::CutShort);
    return out;
  }

  int right = kArchiveFields;  // fields [right, 8) read by the right pass
  while (right > left) {
    const int k = right - 1;
    const std::size_t end = n - static_cast<std::size_t>((kArchiveFields - 1 - k) * w), at = end - static_cast<std::size_t>(w);
    std::int32_t v = 0;
    const Shape s = ShapeOf(b + at, w, v);
    if (s == Shape::Bad) break;
    if (s == Shape::Full && b[at] != '-' && b[at - 1] != ' ') break;  // at >= 1 since n > 8w
    if (s == Shape::Blank) {
      SetHole(out, k, HoleCause::Blank);
    } else {
      out.values[static_cast<std::size_t>(k)] = v;
      ++confident;
    }
    right = k;
  }
  auto span = [&] {
    const std::size_t at = static_cast<std::size_t>(left * w);
    return body.substr(at, n - static_cast<std::size_t>((kArchiveFields - right) * w) - at);
  };
  // Text between the passes that no field accounts for: the fields on either
  // side of it are not confident after all.
  if (right == left && span().find_first_not_of(' ') != std::string_view::npos) {
    if (left > 0) --left;
    if (right < kArchiveFields) ++right;
  }
  if (right == left || SplitSpan(span(), left, right, out)) return out;
  for (int k = left; k < right; ++k)
    SetHole(out, k, CauseOf(body.substr(static_cast<std::size_t>(k * w), static_cast<std::size_t>(w))));
  return out;
}

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
  std::uint32_t u = negative ? static_cast<std::uint32_t>(-static_cast<std::int64_t>(v)) : static_cast<std::uint32_t>(v);
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
      for (int i = 0; i < 3; ++i) ReadFields(body, kWidths[i], &score[i]);
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
    const auto it = std::lower_bound(wide.begin(), wide.end(), i,
                                     [](const WideRecord& w, std::size_t at) { return w.index < at; });
    if (it != wide.end() && it->index == i) {
      std::copy(it->values.begin(), it->values.end(), record.values.begin());
      record.hasValues = true;
    }
  }
}

ArchiveDecoding DecodeArchiveText(std::string_view text) {
  ArchiveDecoding out;
  ArchiveStats& st = out.stats;

  LineScan scan;
  std::uint64_t lines = 0;  // that can hold a header: the records expected
  ForEachLine(text, &scan, [&](const char*, std::size_t n) {
    if (n == 66) ++scan.byWidth[0];
    else if (n == 74) ++scan.byWidth[1];
    else if (n == 82) ++scan.byWidth[2];
    if (n >= kArchiveHeaderChars) ++lines;
    return true;
  });
  st.lineEnds = scan.lf == 0 ? (scan.crlf == 0 ? LineEnds::None : LineEnds::CrLf)
                             : (scan.crlf == 0 ? LineEnds::Lf : LineEnds::Mixed);
  int best = 0;
  for (int i = 1; i < 3; ++i)
    if (scan.byWidth[i] > scan.byWidth[best]) best = i;
  const int w = scan.byWidth[best] > 0 ? kWidths[best] : GuessWidth(text);
  st.width = w;

  out.text.reserve(static_cast<std::size_t>(lines) * kDecodedChars);
  auto emit = [&](const char* header, std::string_view body) {
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
  };

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
      emit(line + h, std::string_view(line + bodyAt, next - bodyAt));
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
