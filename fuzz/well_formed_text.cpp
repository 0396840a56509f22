#include "fuzz/well_formed_text.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <tuple>

namespace helvarra::fuzz {
namespace {

constexpr int kMaxRecords = 256;
constexpr std::string_view kLineEnds[] = {"\n", "\r\n", "\r\r\n", "\r"};
// First lines that are not records: no header in them, and not the length of
// any layout's line.
constexpr std::string_view kComments[] = {
    "# Learmonth Solar Observatory, 1-second flux, 245 to 15400 MHz",
    "Station APLM  245  410  610  1415  2695  4995  8800  15400 MHz",
    "x",
};

// The input read from its start, a byte at a time; zeros once it has run out.
class Recipe {
 public:
  explicit Recipe(std::string_view bytes) : bytes_(bytes) {}
  bool Empty() const { return at_ >= bytes_.size(); }
  unsigned Byte() { return at_ < bytes_.size() ? static_cast<unsigned char>(bytes_[at_++]) : 0u; }
  unsigned Pick(std::size_t n) { return Byte() % static_cast<unsigned>(n); }
  std::uint32_t Word() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = v << 8 | Byte();
    return v;
  }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

std::int64_t TenTo(int n) { return n == 0 ? 1 : 10 * TenTo(n - 1); }

// A value that fits a field of `chars` characters, or none (a blank field):
// the widest either way, small ones, and ones of any length in between.
std::optional<std::int32_t> Value(Recipe& r, int chars) {
  switch (r.Pick(8)) {
    case 0: return std::nullopt;
    case 1: return static_cast<std::int32_t>(-(TenTo(chars - 1) - 1));
    case 2: return static_cast<std::int32_t>(TenTo(chars) - 1);
    case 3: return static_cast<std::int32_t>(r.Pick(100));
    case 4: return -static_cast<std::int32_t>(r.Pick(1000));
    default: {
      const int digits = 1 + static_cast<int>(r.Pick(static_cast<std::size_t>(chars)));
      const auto magnitude = static_cast<std::int32_t>(r.Word() % TenTo(digits));
      return (r.Byte() & 1) != 0 && digits < chars ? -magnitude : magnitude;
    }
  }
}

// A value one to three characters longer than a field of `chars`.
std::int32_t WiderValue(Recipe& r, int chars) {
  const int length = chars + 1 + static_cast<int>(r.Pick(3));
  const bool negative = (r.Byte() & 1) != 0;
  const int digits = length - (negative ? 1 : 0);  // at most 9
  const auto magnitude = static_cast<std::int32_t>(TenTo(digits - 1) + r.Word() % (9 * TenTo(digits - 1)));
  return negative ? -magnitude : magnitude;
}

// Four letters or digits, at least one a letter.
std::string Station(Recipe& r) {
  constexpr std::string_view kChars = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcdefghijklmnopqrstuvwxyz";
  std::string s;
  for (int i = 0; i < 4; ++i) s += kChars[r.Pick(kChars.size())];
  if (s.find_first_not_of("0123456789") == std::string::npos) s[r.Pick(4)] = 'K';
  return s;
}

struct Stamp {
  int year = 0, month = 0, day = 0, secondOfDay = 0;
};

ReferenceRecord StampRecord(const std::string& station, const Stamp& s) {
  return ReferenceRecord{station,           s.year, s.month, s.day, s.secondOfDay / 3600, s.secondOfDay / 60 % 60,
                         s.secondOfDay % 60};
}

std::string Header(TextLayout layout, const ReferenceRecord& r) {
  char h[40];
  if (layout == TextLayout::RecordTableBlanks)
    std::snprintf(h, sizeof h, "%s  %02d", r.station.c_str(), r.year % 100);
  else
    std::snprintf(h, sizeof h, "%s%04d", r.station.c_str(), r.year);
  std::string out = h;
  std::snprintf(h, sizeof h, "%02d%02d%02d%02d%02d", r.month, r.day, r.hour, r.minute, r.second);
  return out + h;
}

// A date or time that cannot exist, in one of the header's fields: a month
// of 0 or past 12, a day of 0 or past its month's last, an hour past 23, a
// minute past 59, a second past 60.
void NoSuchStamp(Recipe& recipe, ReferenceRecord& r) {
  using namespace std::chrono;
  const int field = static_cast<int>(recipe.Pick(5)), v = static_cast<int>(recipe.Byte());
  const int last = static_cast<int>(static_cast<unsigned>(
      year_month_day_last{year{r.year}, month_day_last{month{static_cast<unsigned>(r.month)}}}.day()));
  switch (field) {
    case 0: r.month = v % 2 == 0 ? 0 : 13 + v % 87; break;
    case 1: r.day = v % 2 == 0 ? 0 : last + 1 + v % 4; break;
    case 2: r.hour = 24 + v % 76; break;
    case 3: r.minute = 60 + v % 40; break;
    default: r.second = 61 + v % 39; break;
  }
}

// The eight fields as the layout's writer prints them, one after the other.
// Field `wider`, if one, holds a value longer than the field.
std::string Fields(TextLayout layout, Recipe& recipe, ReferenceRecord& r, int wider) {
  const bool table = IsRecordTable(layout);
  std::string out = table ? " " : "";
  for (int k = 0; k < 8; ++k) {
    const int chars = table && k == 7 ? 5 : FieldWidth(layout);
    const std::optional<std::int32_t> v = k == wider ? WiderValue(recipe, chars) : Value(recipe, chars);
    char f[16];
    if (v)
      std::snprintf(f, sizeof f, "%*d", chars, static_cast<int>(*v));
    else
      std::snprintf(f, sizeof f, "%*s", chars, "");
    r.values[static_cast<std::size_t>(k)] = v.value_or(0);
    if (!v) r.holes |= 1u << k;
    out += f;
  }
  return out;
}

// Blanks, then an optional '-' and digits to the end; or blanks only.
bool RightAligned(std::string_view f) {
  std::size_t i = f.find_first_not_of(' ');
  if (i == std::string_view::npos) return true;
  if (f[i] == '-') ++i;
  return i < f.size() && f.find_first_not_of("0123456789", i) == std::string_view::npos;
}

// How a record's line is broken, from bits 3-5 of its byte.
enum class Damage { None, NoSuchStamp, LeapSecond, Wider, StrayBlank, StrayDigit, Missing };

Damage DamageOf(unsigned flags, TextLayout layout, bool first) {
  switch (first ? 0 : (flags >> 3) & 7) {
    case 4: return Damage::NoSuchStamp;
    case 5: return Damage::LeapSecond;
    case 6: return IsRecordTable(layout) ? Damage::Wider : Damage::StrayBlank;
    case 7: return IsRecordTable(layout) ? Damage::Missing : Damage::StrayDigit;
    default: return Damage::None;
  }
}

// A record's line, broken as `damage` says; `stray` is the field a stray
// character went into (the one whose columns it was put in), or -1.
std::string RecordLine(TextLayout layout, Recipe& r, Damage damage, ReferenceRecord& record, int& stray) {
  if (damage == Damage::NoSuchStamp) NoSuchStamp(r, record);
  if (damage == Damage::LeapSecond) record.second = 60;
  std::string line = Header(layout, record);
  line += Fields(layout, r, record, damage == Damage::Wider ? static_cast<int>(r.Pick(8)) : -1);
  stray = -1;
  if (damage == Damage::StrayBlank || damage == Damage::StrayDigit) {
    const char c = damage == Damage::StrayBlank ? ' ' : static_cast<char>('0' + r.Pick(10));
    const std::size_t at = 18 + r.Pick(line.size() - 17);  // after the header, its end too
    line.insert(at, 1, c);
    stray = std::min(static_cast<int>(at - 18) / FieldWidth(layout), 7);
  } else if (damage == Damage::Missing) {
    line.erase(18 + r.Pick(line.size() - 18), 1);
  }
  return line;
}

// The next record's time: a day's last records cross 00 UT into the next.
void Advance(Stamp& s, unsigned flags) {
  s.secondOfDay += 1 + static_cast<int>((flags >> 1) & 3);
  if (s.secondOfDay < 86400) return;
  s.secondOfDay -= 86400;
  using namespace std::chrono;
  if (!year_month_day{year{s.year}, month{static_cast<unsigned>(s.month)}, day{static_cast<unsigned>(++s.day)}}.ok()) {
    s.day = 1;
    ++s.month;  // from a day of at most 28: never past December
  }
}

}  // namespace

bool ReadsAsWritten(const std::vector<ReferenceRecord>& read, const WellFormedText& t) {
  if (read.size() != t.written.size()) return false;
  for (std::size_t i = 0; i < read.size(); ++i) {
    const ReferenceRecord &a = read[i], &w = t.written[i];
    if (std::tie(a.station, a.year, a.month, a.day, a.hour, a.minute, a.second) !=
        std::tie(w.station, w.year, w.month, w.day, w.hour, w.minute, w.second))
      return false;
    if (t.strayIn[i] >= 0 && a.asItStands) continue;  // printf could have written the text: values wider than fields
    for (int k = 0; k < 8; ++k) {
      if (((a.unsure >> k) & 1) != 0) continue;
      if (a.values[static_cast<std::size_t>(k)] != w.values[static_cast<std::size_t>(k)] ||
          ((a.holes ^ w.holes) >> k & 1) != 0)
        return false;
    }
  }
  return true;
}

bool AlsoReadsAsRecordTable(std::string_view line) {
  if (line.size() != 66 || line[18] != ' ') return false;
  for (std::size_t k = 0; k < 8; ++k)
    if (!RightAligned(line.substr(19 + 6 * k, k == 7 ? 5 : 6))) return false;
  return true;
}

WellFormedText MakeWellFormedText(std::string_view recipe) {
  Recipe r(recipe);
  WellFormedText t;
  t.layout = static_cast<TextLayout>(r.Pick(kTextLayouts));
  t.lineEnd = kLineEnds[r.Pick(4)];
  const unsigned options = r.Byte();
  constexpr Delivery kDeliveries[] = {Delivery::Text, Delivery::Text, Delivery::PlainFile, Delivery::GzipFile};
  t.delivery = kDeliveries[options & 3];
  const bool blankLines = (options & 16) != 0 && t.lineEnd != "\r";  // a run of CRs is one line end
  const std::string station = Station(r);
  Stamp s;
  s.year = static_cast<int>(t.layout == TextLayout::RecordTableBlanks ? 1970 + r.Pick(100) : 1950 + r.Byte());
  s.month = 1 + static_cast<int>(r.Pick(12));
  s.day = 1 + static_cast<int>(r.Pick(28));
  s.secondOfDay = static_cast<int>(r.Word() % 86400);
  int lines = 0;
  if ((options & 4) != 0) {
    t.text.append(kComments[r.Pick(std::size(kComments))]).append(t.lineEnd);
    t.otherLines = 1;
    ++lines;
  }
  bool alsoTable = true;
  for (int i = 0; i < kMaxRecords && (i == 0 || !r.Empty()); ++i) {
    const unsigned flags = r.Byte();
    if (blankLines && (flags & 1) != 0) {
      t.text.append(t.lineEnd);
      ++lines;
    }
    ReferenceRecord record = StampRecord(station, s);
    const Damage damage = DamageOf(flags, t.layout, i == 0);
    int stray = -1;
    const std::string line = RecordLine(t.layout, r, damage, record, stray);
    if (line.size() == 66) alsoTable = alsoTable && AlsoReadsAsRecordTable(line);
    t.text.append(line).append(t.lineEnd);
    if (damage == Damage::NoSuchStamp) {
      ++t.otherLines;
    } else {
      t.written.push_back(record);
      t.strayIn.push_back(stray);
    }
    ++lines;
    Advance(s, flags);
  }
  if ((options & 8) != 0 && lines >= 2) t.text.resize(t.text.size() - t.lineEnd.size());  // no end to the last line
  t.layoutCanBeTold = t.layout != TextLayout::Archive6 || !alsoTable;
  return t;
}

}  // namespace helvarra::fuzz
