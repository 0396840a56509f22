#pragma once
// The flux values of a window that slides along a channel: values come in at
// its front and leave at its back, and the median and counts over value
// ranges are asked for at every second. Values below kBinnedTop are counted
// in bins of one SFU, grouped in blocks so that empty stretches are crossed a
// block at a time; the few above it (the peaks of great bursts, values that
// ran over their field) are kept aside in order. A cursor in the bins stays
// near the median, so finding it again after a second's change is a step or
// two.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace helvarra {

class FluxWindow {
 public:
  static constexpr std::int32_t kBinnedTop = 1 << 16;

  FluxWindow();

  // Values are 0 or more; Erase takes only a value that is in the window.
  void Insert(std::int32_t value) {
    if (value >= kBinnedTop) return InsertAside(value);
    ++bins_[Bin(value)];
    ++blocks_[Bin(value >> kBlockBits)];
    ++binned_;
    below_ += value < cursor_ ? 1 : 0;  // no branch: a value falls either side of the median at random
  }
  void Erase(std::int32_t value) {
    if (value >= kBinnedTop) return EraseAside(value);
    --bins_[Bin(value)];
    --blocks_[Bin(value >> kBlockBits)];
    --binned_;
    below_ -= value < cursor_ ? 1 : 0;
  }
  void Clear();

  std::size_t Size() const { return binned_ + aside_.size(); }
  // Twice the median, so that the mean of the middle two of an even count
  // stays an integer. The window must not be empty.
  std::int64_t TwiceMedian() {
    const std::size_t n = Size();
    if (n % 2 != 0) return 2 * ValueOfRank(n / 2);
    return ValueOfRank(n / 2 - 1) + ValueOfRank(n / 2);
  }
  // How many values lie in [low, high].
  std::size_t CountWithin(std::int64_t low, std::int64_t high) const;
  // The nearest value at or below, and at or above, `value`; none if none.
  std::optional<std::int64_t> HighestAtOrBelow(std::int64_t value) const;
  std::optional<std::int64_t> LowestAtOrAbove(std::int64_t value) const;

 private:
  static constexpr int kBlockBits = 8;
  static constexpr std::int32_t kBlock = 1 << kBlockBits;
  static std::size_t Bin(std::int64_t value) { return static_cast<std::size_t>(value); }

  void InsertAside(std::int32_t value);
  void EraseAside(std::int32_t value);
  std::int64_t ValueOfRank(std::size_t rank);  // 0: the smallest
  std::size_t CountBelow(std::int64_t value) const;

  std::vector<std::uint32_t> bins_, blocks_;
  std::vector<std::int32_t> aside_;  // the values from kBinnedTop up, in order
  std::size_t binned_ = 0;
  std::int32_t cursor_ = 0;  // a bin; below_ values are binned below it
  std::size_t below_ = 0;
};

}  // namespace helvarra
