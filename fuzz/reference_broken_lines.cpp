#include "fuzz/reference_broken_lines.h"

#include <cerrno>
#include <climits>
#include <compare>
#include <cstdio>
#include <cstdlib>
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
// ("%*d"), or the field's blanks.
bool Printed(std::string_view text, int width, Cell& cell) {
  cell = Cell{};
  if (text.size() == static_cast<std::size_t>(width) && text.find_first_not_of(' ') == std::string_view::npos)
    return true;
  const std::string s(text);
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(s.c_str(), &end, 10);
  if (errno != 0 || end != s.c_str() + s.size() || v < INT_MIN || v > INT_MAX) return false;
  char again[32];
  std::snprintf(again, sizeof again, "%*ld", width, v);
  cell = Cell{false, static_cast<std::int32_t>(v)};
  return s == again;
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
  const auto keep = [&](const std::string& s) {
    if (const auto cells = AtColumns(s, l)) ways.push_back(*cells);
  };
  const std::string s(line);
  for (std::size_t i = 18; i <= s.size(); ++i) {
    if (s.size() == static_cast<std::size_t>(LineLength(l)) + 1 && i < s.size() &&
        kWritten.find(s[i]) != std::string_view::npos)
      keep(std::string(s).erase(i, 1));
    if (s.size() + 1 == static_cast<std::size_t>(LineLength(l)))
      for (char c : kWritten) keep(std::string(s).insert(i, 1, c));
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
