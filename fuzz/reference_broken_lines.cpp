#include "fuzz/reference_broken_lines.h"

#include <algorithm>
#include <charconv>
#include <compare>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace helvarra::fuzz {
namespace {

// A field as one line reads it: a value, or none (blank).
struct Cell {
  bool blank = true;
  std::int32_t value = 0;
  auto operator<=>(const Cell&) const = default;
};
using Cells = std::array<Cell, 8>;

constexpr std::string_view kWritten = " -0123456789";  // what printf puts in a value field

int Width(TextLayout l, int k) { return IsRecordTable(l) && k == 7 ? 5 : FieldWidth(l); }
std::size_t FirstValue(TextLayout l) { return IsRecordTable(l) ? 19 : 18; }

// True if `text` is what printf writes for a value in a field of `width`
// ("%*d": its digits after as many blanks as fill the field, none if they
// fill it), or the field's blanks.
bool Printed(std::string_view text, int width, Cell& cell) {
  cell = Cell{};
  const std::size_t blanks = std::min(text.find_first_not_of(' '), text.size());
  if (blanks == text.size()) return text.size() == static_cast<std::size_t>(width);
  const char* const end = text.data() + text.size();
  std::int32_t v = 0;
  if (const auto read = std::from_chars(text.data() + blanks, end, v); read.ec != std::errc() || read.ptr != end)
    return false;
  char again[16];
  const auto n = static_cast<std::size_t>(std::to_chars(again, again + sizeof again, v).ptr - again);
  cell = Cell{false, v};
  return blanks == (n < static_cast<std::size_t>(width) ? static_cast<std::size_t>(width) - n : 0) &&
         text.substr(blanks) == std::string_view(again, n);
}

// The ways printf could have written line[at, end): fields from k on, each
// as long as its value needs, then blanks only.
void AsWritten(std::string_view line, TextLayout l, std::size_t at, int k, Cells& cells, std::vector<Cells>& ways) {
  if (k == 8) {
    if (line.find_first_not_of(' ', at) == std::string_view::npos) ways.push_back(cells);
    return;
  }
  const auto w = static_cast<std::size_t>(Width(l, k));
  for (std::size_t n = w; n <= w + 11 && at + n <= line.size(); ++n) {
    if (Printed(line.substr(at, n), Width(l, k), cells[static_cast<std::size_t>(k)]))
      AsWritten(line, l, at + n, k + 1, cells, ways);
  }
}

// A line of the layout's length, each field where the layout has it.
std::optional<Cells> AtColumns(std::string_view line, TextLayout l) {
  if (line.size() != static_cast<std::size_t>(LineLength(l)) || (IsRecordTable(l) && line[18] != ' '))
    return std::nullopt;
  Cells cells;
  std::size_t at = FirstValue(l);
  for (int k = 0; k < 8; ++k) {
    if (!Printed(line.substr(at, static_cast<std::size_t>(Width(l, k))), Width(l, k),
                 cells[static_cast<std::size_t>(k)]))
      return std::nullopt;
    at += static_cast<std::size_t>(Width(l, k));
  }
  return cells;
}

// The layout's lines one character away from `line`, after its header.
std::vector<Cells> OneAway(std::string_view line, TextLayout l) {
  std::vector<Cells> ways;
  std::string edited;
  const auto keep = [&] {
    if (const auto cells = AtColumns(edited, l)) ways.push_back(*cells);
  };
  const auto length = static_cast<std::size_t>(LineLength(l));
  for (std::size_t i = 18; i <= line.size(); ++i) {
    if (line.size() == length + 1 && i < line.size() && kWritten.find(line[i]) != std::string_view::npos) {
      edited.assign(line.substr(0, i)).append(line.substr(i + 1));
      keep();
    }
    for (const char c : line.size() + 1 == length ? kWritten : std::string_view()) {
      edited.assign(line.substr(0, i)).append(1, c).append(line.substr(i));
      keep();
    }
  }
  return ways;
}

}  // namespace

bool ReadBrokenLine(std::string_view line, TextLayout l, ReferenceRecord& r) {
  std::vector<Cells> ways;
  Cells cells;
  if (line.size() > static_cast<std::size_t>(LineLength(l)) && (!IsRecordTable(l) || line[18] == ' '))
    AsWritten(line, l, FirstValue(l), 0, cells, ways);
  r.asItStands = !ways.empty();
  if (ways.empty()) ways = OneAway(line, l);
  if (ways.empty()) return false;
  for (std::size_t k = 0; k < 8; ++k) {
    std::set<Cell> seen;
    for (const Cells& way : ways) seen.insert(way[k]);
    const Cell only = seen.size() == 1 ? *seen.begin() : Cell{};
    r.values[k] = only.value;
    if (only.blank) r.holes |= 1u << k;
    if (seen.size() > 1) r.unsure |= 1u << k;
  }
  return true;
}

}  // namespace helvarra::fuzz
