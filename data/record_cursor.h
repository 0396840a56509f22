#pragma once
// A table's records read one after another from a position, as the chart
// window and the browse walk them: a read takes the record at the position
// and moves past it; past the last record a read finds nothing and leaves
// the record it was given as it was.

#include <cstddef>
#include <cstdint>

#include "data/flux_table.h"

namespace helvarra {

class RecordCursor {
 public:
  RecordCursor(const FluxTable& table, std::int64_t position) : table_(table), position_(position) {}

  bool Read(FluxRecord& record) {
    if (position_ < 0 || static_cast<std::uint64_t>(position_) >= table_.size()) return false;
    record = table_[static_cast<std::size_t>(position_++)];
    return true;
  }
  // Steps back over n records, never before the first.
  void Back(std::int64_t n) { position_ = position_ > n ? position_ - n : 0; }
  void MoveTo(std::int64_t position) { position_ = position < 0 ? 0 : position; }
  std::int64_t Position() const { return position_; }

 private:
  const FluxTable& table_;
  std::int64_t position_;
};

}  // namespace helvarra
