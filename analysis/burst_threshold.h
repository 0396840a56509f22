#pragma once
// How far above the quiet level a channel's flux must stand to count towards
// a burst. The quiet level is the median of the flux in a window of the
// minutes before; the noise is kMadToSigma times the median absolute
// deviation (MAD) from it, which for Gaussian noise is its standard
// deviation. Of an even count, the median and the MAD are each the mean of
// the middle two.

#include <algorithm>
#include <cstdint>

#include "analysis/flux_window.h"

namespace helvarra {

inline constexpr double kLeastThresholdSfu = 10;
inline constexpr double kThresholdShareOfQuiet = 0.1;
inline constexpr double kThresholdNoises = 5;
inline constexpr double kMadToSigma = 1.4826;

// The largest of kLeastThresholdSfu, kThresholdShareOfQuiet of the quiet
// level and kThresholdNoises times the noise.
inline double Threshold(double quiet, double mad) {
  return std::max({kLeastThresholdSfu, kThresholdShareOfQuiet * quiet, kThresholdNoises * (kMadToSigma * mad)});
}

// Whether the flux is at or above the window's quiet level plus Threshold,
// given twice the window's median. The MAD is looked into only where the
// other two terms let the flux pass, and then only as far as the answer
// needs: the values near the median counted in one go. The window must not
// be empty.
bool ReachesThreshold(const FluxWindow& window, std::int64_t twiceMedian, std::int32_t flux);

}  // namespace helvarra
