#include "analysis/text_table.h"

namespace helvarra {
namespace {

void AppendLine(std::string& out, const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) out.append(i == 0 ? "" : ",").append(cells[i]);
  out += '\n';
}

}  // namespace

std::string CsvOf(const TextTable& table) {
  std::string out;
  AppendLine(out, table.header);
  for (const std::vector<std::string>& row : table.rows) AppendLine(out, row);
  return out;
}

}  // namespace helvarra
