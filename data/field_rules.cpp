#include "data/field_rules.h"

#include "data/field_explanations.h"

namespace helvarra {
namespace {

// A field read by itself: all blanks; blanks (at least the field's least),
// then an optional '-', then digits to the field's end ("fits": the value is
// narrower than it could be); or its least blanks, then sign and digits
// filling it ("full": as wide as the field allows).
enum class Shape { Blank, Fits, Full, Bad };

Shape ShapeOf(const char* f, int w, int least, std::int32_t& value) {
  int i = 0;
  while (i < w && f[i] == ' ') ++i;
  if (i == w) return Shape::Blank;
  if (i < least) return Shape::Bad;
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
  return start == least ? Shape::Full : Shape::Fits;
}

Shape ShapeAt(std::string_view body, std::size_t at, const FieldGrid& g, int k, std::int32_t& value) {
  return ShapeOf(body.data() + at, g.Width(k), g.MinBlanks(k), value);
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

void SetHole(FieldValues& out, int k, HoleCause cause) {
  out.values[static_cast<std::size_t>(k)] = 0;
  out.causes[static_cast<std::size_t>(k)] = cause;
}

// A field the passes read: a hole if blank, else its value.
void Take(FieldValues& out, int k, Shape shape, std::int32_t value, int& confident) {
  if (shape == Shape::Blank) {
    SetHole(out, k, HoleCause::Blank);
  } else {
    out.values[static_cast<std::size_t>(k)] = value;
    ++confident;
  }
}

std::string_view FieldAt(std::string_view body, const FieldGrid& g, int k) {
  return body.substr(static_cast<std::size_t>(g.Start(k)), static_cast<std::size_t>(g.Width(k)));
}

// True if field k's number ends with the field: no digit follows it, or the
// next field lies whole in the body and is filled to its first character.
bool EndsWithItsField(std::string_view body, const FieldGrid& g, int k) {
  const auto end = static_cast<std::size_t>(g.End(k));
  if (end >= body.size() || !IsDigit(body[end])) return true;
  const int next = k + 1 < kChannelCount ? k + 1 : k;  // past the last field: a field as wide
  std::int32_t v = 0;
  return end + static_cast<std::size_t>(g.Width(next)) <= body.size() &&
         ShapeOf(body.data() + end, g.Width(next), 0, v) == Shape::Full;
}

// A body of exactly the grid's length: each field in its own columns, and a
// number that runs on into the next field not read.
void ReadColumns(std::string_view body, const FieldGrid& g, FieldValues& out, int& confident) {
  for (int k = 0; k < kChannelCount; ++k) {
    std::int32_t v = 0;
    const Shape s = ShapeAt(body, static_cast<std::size_t>(g.Start(k)), g, k, v);
    if (s == Shape::Bad)
      SetHole(out, k, CauseOf(FieldAt(body, g, k)));
    else if (s != Shape::Blank && !EndsWithItsField(body, g, k))
      SetHole(out, k, HoleCause::Overflow);
    else
      Take(out, k, s, v, confident);
  }
}

// Fields from the start while they are confident; returns how many.
int LeftPass(std::string_view body, const FieldGrid& g, FieldValues& out, int& confident) {
  const std::size_t n = body.size();
  int left = 0;
  for (; left < kChannelCount; ++left) {
    const auto at = static_cast<std::size_t>(g.Start(left)), end = static_cast<std::size_t>(g.End(left));
    if (end > n) break;
    std::int32_t v = 0;
    const Shape s = ShapeAt(body, at, g, left, v);
    if (s == Shape::Bad) break;
    if (s == Shape::Full && (end == n || (body[end] != ' ' && body[end] != '-'))) break;
    if (s == Shape::Fits && !EndsWithItsField(body, g, left)) break;
    Take(out, left, s, v, confident);
  }
  return left;
}

// A body shorter than the grid: the field the left pass stopped at, and
// every later one, hold no value.
void MarkCutShort(std::string_view body, const FieldGrid& g, int left, FieldValues& out) {
  const std::size_t n = body.size(), at = static_cast<std::size_t>(g.Start(left));
  const auto end = static_cast<std::size_t>(g.End(left));
  HoleCause cause = HoleCause::CutShort;
  std::int32_t v = 0;
  if (end < n || (end == n && ShapeAt(body, at, g, left, v) == Shape::Bad)) cause = CauseOf(FieldAt(body, g, left));
  SetHole(out, left, cause);
  for (int k = left + 1; k < kChannelCount; ++k) SetHole(out, k, HoleCause::CutShort);
}

// A body longer than the grid: fields from the end while they are
// confident, down to the left pass's; returns the first one read.
int RightPass(std::string_view body, const FieldGrid& g, int left, FieldValues& out, int& confident) {
  const std::size_t shift = body.size() - static_cast<std::size_t>(g.Total());
  int right = kChannelCount;  // fields [right, 8) read
  while (right > left) {
    const int k = right - 1;
    const std::size_t at = static_cast<std::size_t>(g.Start(k)) + shift;
    const std::size_t number = at + static_cast<std::size_t>(g.MinBlanks(k));  // >= 1 since shift >= 1
    std::int32_t v = 0;
    const Shape s = ShapeAt(body, at, g, k, v);
    if (s == Shape::Bad) break;
    if (s == Shape::Full && body[number] != '-' && body[number - 1] != ' ') break;
    Take(out, k, s, v, confident);
    right = k;
  }
  return right;
}

// The fields [left, right) neither pass read, from the text between them.
void ReadSpan(std::string_view body, const FieldGrid& g, int left, int right, FieldValues& out) {
  const std::size_t shift = body.size() - static_cast<std::size_t>(g.Total());
  auto span = [&] {
    const auto at = static_cast<std::size_t>(g.Start(left));
    const std::size_t end = right < kChannelCount ? static_cast<std::size_t>(g.Start(right)) + shift : body.size();
    return body.substr(at, end - at);
  };
  // Text between the passes that no field accounts for (but blanks after the
  // last): the fields on either side of it are not confident after all.
  if (right == left && (left < kChannelCount || span().find_first_not_of(' ') != std::string_view::npos)) {
    if (left > 0) --left;
    if (right < kChannelCount) ++right;
  }
  for (int k = left; k < right; ++k) SetHole(out, k, CauseOf(FieldAt(body, g, k)));
}

}  // namespace

// The rules, by the body's length n against the grid's:
// - n equal to it: every field is in its columns (unless a value ran over and
//   the line lost as much). Each is read by itself: blank, a value that fits
//   or fills it and ends with it (no digit follows, or the next field is
//   filled to its first character), or a hole: not a number if it holds
//   anything but blanks, signs and digits (or no digit), else overflow.
// - n longer: the ways printf could have written the text as it stands
//   (values longer than their fields pushing the rest on), and failing those,
//   for n one longer, the ways with one stray character; the fields they all
//   read alike are read so, the others are holes (field_explanations.h).
// - n one shorter: the ways with one character missing, likewise.
// - failing all those, a left pass reads fields from the start while they
//   are confident: blank, a value that fits and ends with its field, or one
//   that fills its field and is followed by a blank or a '-' (followed by a
//   digit, it ran over into the next field).
// - n longer: a right pass reads from the body's end with the mirrored rule
//   (a full field's number must be preceded by a blank or start with '-').
//   The fields between the passes are holes: not a number if their own
//   columns hold anything but blanks, signs and digits, else overflow. Text
//   left between the passes when they met (but blanks after the last field)
//   makes the field on each side of it a hole too.
// - n shorter (cut short): the fields the left pass read stand. The field it
//   stopped at is not a number or overflow if it was whole, cut short if the
//   body ended inside it or with it full (a longer value may have been cut);
//   every later field is cut short.
FieldValues ReadFields(std::string_view body, const FieldGrid& grid, int* confident) {
  int unused = 0;
  int& count = confident != nullptr ? *confident : unused;
  FieldValues out;
  const auto full = static_cast<std::size_t>(grid.Total());
  if (body.size() == full) {
    ReadColumns(body, grid, out, count);
    return out;
  }
  if ((body.size() > full && ReadAsWritten(body, grid, out)) || ReadOneCharacterOff(body, grid, out)) {
    for (HoleCause c : out.causes) count += c == HoleCause::None;
    return out;
  }
  const int left = LeftPass(body, grid, out, count);
  if (body.size() < full)
    MarkCutShort(body, grid, left, out);
  else
    ReadSpan(body, grid, left, RightPass(body, grid, left, out, count), out);
  return out;
}

}  // namespace helvarra
