#pragma once
// A table of text cells with a header: what the analysis gives the windows
// to show, and, joined with commas, the CSV it writes (no cell holds a comma
// or a line end).

#include <string>
#include <vector>

namespace helvarra {

struct TextTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
  friend bool operator==(const TextTable&, const TextTable&) = default;
};

// The header line and one line per row, cells joined by commas, each line
// ending in "\n".
std::string CsvOf(const TextTable& table);

}  // namespace helvarra
