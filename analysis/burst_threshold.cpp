#include "analysis/burst_threshold.h"

#include <algorithm>
#include <cstdlib>

namespace helvarra {
namespace {

// Whether the MAD about twiceMedian / 2 is at most quarters / 4. Deviations
// are counted doubled, |2 x value - twiceMedian|, so they stay integers.
bool MadAtMost(const FluxWindow& window, std::int64_t twiceMedian, std::int64_t quarters) {
  const std::size_t half = window.Size() / 2;
  const std::int64_t reach = quarters / 2;
  const std::int64_t low = twiceMedian <= reach ? 0 : (twiceMedian - reach + 1) / 2;
  const std::int64_t high = (twiceMedian + reach) / 2;
  const std::size_t within = window.CountWithin(low, high);
  if (within > half) return true;  // the middle deviation (or both middle two) within reach
  if (window.Size() % 2 != 0 || within < half) return false;
  // An even count with the lower middle deviation within reach and the upper
  // beyond it: the farthest value within and the nearest beyond decide.
  const auto deviation = [&](std::int64_t value) { return std::abs(2 * value - twiceMedian); };
  const std::int64_t lower =
      std::max(deviation(*window.LowestAtOrAbove(low)), deviation(*window.HighestAtOrBelow(high)));
  const auto below = window.HighestAtOrBelow(low - 1);
  const auto above = window.LowestAtOrAbove(high + 1);
  const std::int64_t upper = below && above ? std::min(deviation(*below), deviation(*above))
                                            : deviation(below ? *below : *above);  // one is there: within < size
  return lower + upper <= quarters;
}

}  // namespace

bool ReachesThreshold(const FluxWindow& window, std::int64_t twiceMedian, std::int32_t flux) {
  const double quiet = static_cast<double>(twiceMedian) / 2;
  const auto allows = [&](std::int64_t quarters) {
    return flux >= quiet + Threshold(quiet, static_cast<double>(quarters) / 4);
  };
  if (!allows(0)) return false;
  // The largest MAD, in quarters of an SFU (the MAD is a multiple of one),
  // that lets the flux pass: from the formula, then checked by the rule itself.
  auto quarters = static_cast<std::int64_t>((flux - quiet) * 4 / (kThresholdNoises * kMadToSigma));
  while (quarters > 0 && !allows(quarters)) --quarters;
  while (allows(quarters + 1)) ++quarters;
  return MadAtMost(window, twiceMedian, quarters);
}

}  // namespace helvarra
