#include "analysis/flux_window.h"

#include <algorithm>
#include <numeric>

namespace helvarra {

FluxWindow::FluxWindow() : bins_(Bin(kBinnedTop)), blocks_(Bin(kBinnedTop / kBlock)) {}

void FluxWindow::InsertAside(std::int32_t value) {
  aside_.insert(std::upper_bound(aside_.begin(), aside_.end(), value), value);
}

void FluxWindow::EraseAside(std::int32_t value) { aside_.erase(std::lower_bound(aside_.begin(), aside_.end(), value)); }

void FluxWindow::Clear() {
  std::fill(bins_.begin(), bins_.end(), 0);
  std::fill(blocks_.begin(), blocks_.end(), 0);
  aside_.clear();
  binned_ = below_ = 0;
  cursor_ = 0;
}

// Moves the cursor to the bin holding the rank: whole blocks where the
// cursor stands on a block's edge and the rank lies beyond the block.
std::int64_t FluxWindow::ValueOfRank(std::size_t rank) {
  if (rank >= binned_) return aside_[rank - binned_];
  const std::size_t noBlock = binned_ + 1;  // off a block's edge: more than the window holds
  while (below_ > rank) {
    const std::size_t previous = cursor_ % kBlock == 0 ? blocks_[Bin(cursor_ / kBlock - 1)] : noBlock;
    if (previous <= below_ && below_ - previous > rank) {
      below_ -= previous, cursor_ -= kBlock;
    } else {
      below_ -= bins_[Bin(--cursor_)];
    }
  }
  while (below_ + bins_[Bin(cursor_)] <= rank) {
    const std::size_t next = cursor_ % kBlock == 0 ? blocks_[Bin(cursor_ / kBlock)] : noBlock;
    if (below_ + next <= rank) {
      below_ += next, cursor_ += kBlock;
    } else {
      below_ += bins_[Bin(cursor_++)];
    }
  }
  return cursor_;
}

std::size_t FluxWindow::CountBelow(std::int64_t value) const {
  if (value <= 0) return 0;
  if (value >= kBinnedTop)
    return binned_ + static_cast<std::size_t>(std::lower_bound(aside_.begin(), aside_.end(), value) - aside_.begin());
  const std::int64_t blockStart = value & ~std::int64_t{kBlock - 1};
  const auto blocks = blocks_.begin() + (value >> kBlockBits);
  const auto bins = bins_.begin() + blockStart;
  return std::accumulate(blocks_.begin(), blocks, std::size_t{0}) +
         std::accumulate(bins, bins + (value - blockStart), std::size_t{0});
}

std::size_t FluxWindow::CountWithin(std::int64_t low, std::int64_t high) const {
  return low > high ? 0 : CountBelow(high + 1) - CountBelow(low);
}

std::optional<std::int64_t> FluxWindow::HighestAtOrBelow(std::int64_t value) const {
  if (value < 0) return std::nullopt;
  if (value >= kBinnedTop) {
    const auto above = std::upper_bound(aside_.begin(), aside_.end(), value);
    if (above != aside_.begin()) return *(above - 1);
    value = kBinnedTop - 1;
  }
  for (std::int64_t bin = value; bin >= 0;) {
    if (bins_[Bin(bin)] != 0) return bin;
    const bool blockEmpty = (bin + 1) % kBlock == 0 && blocks_[Bin(bin / kBlock)] == 0;
    bin -= blockEmpty ? kBlock : 1;
  }
  return std::nullopt;
}

std::optional<std::int64_t> FluxWindow::LowestAtOrAbove(std::int64_t value) const {
  for (std::int64_t bin = std::max<std::int64_t>(value, 0); bin < kBinnedTop;) {
    if (bins_[Bin(bin)] != 0) return bin;
    const bool blockEmpty = bin % kBlock == 0 && blocks_[Bin(bin / kBlock)] == 0;
    bin += blockEmpty ? kBlock : 1;
  }
  const auto at = std::lower_bound(aside_.begin(), aside_.end(), value);
  if (at == aside_.end()) return std::nullopt;
  return *at;
}

}  // namespace helvarra
