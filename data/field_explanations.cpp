#include "data/field_explanations.h"

#include <algorithm>
#include <bitset>
#include <optional>
#include <string>

namespace helvarra {
namespace {

constexpr int kMaxValueChars = 11;  // '-' and ten digits: every 32-bit value
// The longest text printf writes before the blanks that may end it, and the
// places a reading looks at: that, and eight blank fields after it.
constexpr int kMaxWritten = kChannelCount * (1 + kMaxValueChars);
constexpr std::size_t kPlaces = kMaxWritten + kChannelCount * 8 + 1;

// A value as printf writes it: an optional '-', then digits without a
// leading zero ("0" itself, never "-0"), within 32 bits.
bool WrittenValue(std::string_view t, std::int32_t& value) {
  const std::size_t sign = !t.empty() && t[0] == '-' ? 1 : 0, digits = t.size() - sign;
  if (digits == 0 || digits > 10 || (t[sign] == '0' && (digits > 1 || sign == 1))) return false;
  std::int64_t v = 0;
  for (std::size_t i = sign; i < t.size(); ++i) {
    if (!IsDigit(t[i])) return false;
    v = v * 10 + (t[i] - '0');
  }
  v = sign == 1 ? -v : v;
  if (v < INT32_MIN || v > INT32_MAX) return false;
  value = static_cast<std::int32_t>(v);
  return true;
}

// A field as one way reads it.
struct Reading {
  bool blank = false;
  std::int32_t value = 0;
  bool operator==(const Reading&) const = default;
};

// What the ways say of each field: the one reading they all give, or none.
class Agreement {
 public:
  void Add(int k, Reading r, bool differs = false) {
    const auto i = static_cast<std::size_t>(k);
    differ_[i] = differ_[i] || differs || (seen_[i] && !(reading_[i] == r));
    reading_[i] = r;
    seen_[i] = true;
  }
  bool Any() const { return seen_[0]; }  // every way reads every field
  void WriteTo(FieldValues& out, HoleCause differing) const {
    for (std::size_t i = 0; i < kChannelCount; ++i) {
      out.values[i] = differ_[i] || reading_[i].blank ? 0 : reading_[i].value;
      out.causes[i] = differ_[i] ? differing : reading_[i].blank ? HoleCause::Blank : HoleCause::None;
    }
  }

 private:
  std::array<bool, kChannelCount> seen_{}, differ_{};
  std::array<Reading, kChannelCount> reading_{};
};

// Calls f(end, reading) for each way field k can be written from `at`: its
// width in blanks; a value right-aligned in it after more than its least
// blanks; or a value after just its least blanks, as long as it needs.
template <typename F>
void ForEachWriting(std::string_view t, int at, const FieldGrid& g, int k, F&& f) {
  const int n = static_cast<int>(t.size()), w = g.Width(k), least = g.MinBlanks(k);
  int b = 0;
  while (at + b < n && b < w && t[static_cast<std::size_t>(at + b)] == ' ') ++b;
  if (b == w) return f(at + w, Reading{true, 0});
  if (b < least || at + b == n) return;
  const auto number = [&](int end) {
    return t.substr(static_cast<std::size_t>(at + b), static_cast<std::size_t>(end - at - b));
  };
  std::int32_t v = 0;
  if (b > least) {
    if (at + w <= n && WrittenValue(number(at + w), v)) f(at + w, Reading{false, v});
    return;
  }
  for (int end = at + w; end <= n && end - at - b <= kMaxValueChars; ++end)
    if (WrittenValue(number(end), v)) f(end, Reading{false, v});
}

// Exactly field k's width of text, read as one whole field.
std::optional<Reading> WholeField(std::string_view f, const FieldGrid& g, int k) {
  const std::size_t b = std::min(f.find_first_not_of(' '), f.size());
  if (b == f.size()) return Reading{true, 0};
  std::int32_t v = 0;
  if (b < static_cast<std::size_t>(g.MinBlanks(k)) || !WrittenValue(f.substr(b), v)) return std::nullopt;
  return Reading{false, v};
}

// Field k at its columns moved `shift` characters on, if they lie in the body.
std::optional<Reading> AtColumns(std::string_view body, const FieldGrid& g, int k, int shift) {
  const int at = g.Start(k) + shift;
  if (at < 0 || at + g.Width(k) > static_cast<int>(body.size())) return std::nullopt;
  return WholeField(body.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(g.Width(k))), g, k);
}

// Field k's text with the character too many taken out (shift 1), or the one
// missing put in (shift -1), at each place in it: f(reading, differs) for
// every whole field that makes; `differs` when a digit was put in, whose
// value cannot be known. Only a blank, a '-' or a digit is taken out or put in.
template <typename F>
void ForEachChange(std::string_view body, const FieldGrid& g, int k, int shift, F&& f) {
  const auto w = static_cast<std::size_t>(g.Width(k));
  const std::string_view text = body.substr(static_cast<std::size_t>(g.Start(k)), shift > 0 ? w + 1 : w - 1);
  std::string field;
  const auto whole = [&](bool differs) {
    if (const auto r = WholeField(field, g, k)) f(*r, differs);
  };
  for (std::size_t p = 0; p < (shift > 0 ? w + 1 : w); ++p) {
    if (shift < 0) {
      for (const char c : {' ', '-', '1'}) {
        field.assign(text.substr(0, p)).append(1, c).append(text.substr(p));
        whole(c == '1');
      }
    } else if (IsNumberChar(text[p])) {
      field.assign(text.substr(0, p)).append(text.substr(p + 1));
      whole(false);
    }
  }
}

}  // namespace

bool ReadAsWritten(std::string_view body, const FieldGrid& g, FieldValues& out) {
  const std::size_t lastChar = body.find_last_not_of(' ');
  const int last = lastChar == std::string_view::npos ? 0 : static_cast<int>(lastChar) + 1;
  if (last > kMaxWritten) return false;
  const std::string_view t = body.substr(0, kPlaces - 1);  // beyond, only blanks
  const int n = static_cast<int>(t.size());
  std::array<std::bitset<kPlaces>, kChannelCount + 1> reach{}, finish{};  // from the start; to the end
  reach[0][0] = true;
  for (int k = 0; k < kChannelCount; ++k)
    for (int a = 0; a <= n; ++a)
      if (reach[k][static_cast<std::size_t>(a)])
        ForEachWriting(t, a, g, k, [&](int end, Reading) { reach[k + 1][static_cast<std::size_t>(end)] = true; });
  for (int e = last; e <= n; ++e) finish[kChannelCount][static_cast<std::size_t>(e)] = true;
  for (int k = kChannelCount - 1; k >= 0; --k)
    for (int a = 0; a <= n; ++a)
      if (reach[k][static_cast<std::size_t>(a)])
        ForEachWriting(t, a, g, k, [&](int end, Reading) {
          if (finish[k + 1][static_cast<std::size_t>(end)]) finish[k][static_cast<std::size_t>(a)] = true;
        });
  if (!finish[0][0]) return false;
  Agreement agree;
  for (int k = 0; k < kChannelCount; ++k)
    for (int a = 0; a <= n; ++a)
      if (reach[k][static_cast<std::size_t>(a)] && finish[k][static_cast<std::size_t>(a)])
        ForEachWriting(t, a, g, k, [&](int end, Reading r) {
          if (finish[k + 1][static_cast<std::size_t>(end)]) agree.Add(k, r);
        });
  agree.WriteTo(out, HoleCause::Overflow);
  return true;
}

bool ReadOneCharacterOff(std::string_view body, const FieldGrid& g, FieldValues& out) {
  const int shift = static_cast<int>(body.size()) - g.Total();
  if (shift != 1 && shift != -1) return false;
  // Each field at its own columns (before the change) and at those moved by
  // it (after); which runs of them are whole fields.
  std::array<std::optional<Reading>, kChannelCount> before, after;
  std::array<bool, kChannelCount + 1> wholeBefore{}, wholeAfter{};
  wholeBefore[0] = wholeAfter[kChannelCount] = true;
  for (int k = 0; k < kChannelCount; ++k) {
    const auto i = static_cast<std::size_t>(k);
    before[i] = AtColumns(body, g, k, 0);
    after[i] = AtColumns(body, g, k, shift);
    wholeBefore[i + 1] = wholeBefore[i] && before[i];
  }
  for (int k = kChannelCount - 1; k >= 0; --k)
    wholeAfter[static_cast<std::size_t>(k)] =
        wholeAfter[static_cast<std::size_t>(k) + 1] && after[static_cast<std::size_t>(k)];
  Agreement agree;
  for (int k = 0; k < kChannelCount; ++k) {
    if (!wholeBefore[static_cast<std::size_t>(k)] || !wholeAfter[static_cast<std::size_t>(k) + 1]) continue;
    ForEachChange(body, g, k, shift, [&](Reading r, bool differs) {
      for (int j = 0; j < kChannelCount; ++j)
        agree.Add(j, j == k ? r : *(j < k ? before : after)[static_cast<std::size_t>(j)], j == k && differs);
    });
  }
  if (!agree.Any()) return false;
  agree.WriteTo(out, shift > 0 ? HoleCause::Overflow : HoleCause::CutShort);
  return true;
}

}  // namespace helvarra
