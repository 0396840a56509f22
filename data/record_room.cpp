#include "data/record_room.h"

#include <sys/mman.h>

#include <cstdint>

namespace helvarra {

void ReserveRecords(RecordVector& records, std::size_t count) {
  records.reserve(count);
#ifdef MADV_HUGEPAGE
  constexpr std::uintptr_t kLarge = std::uintptr_t{2} << 20;
  const auto begin = reinterpret_cast<std::uintptr_t>(records.data());
  const std::uintptr_t end = begin + records.capacity() * sizeof(FluxRecord);
  const std::uintptr_t first = (begin + kLarge - 1) & ~(kLarge - 1), last = end & ~(kLarge - 1);
  if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

}  // namespace helvarra
