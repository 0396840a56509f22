// The quiet level and threshold of the sliding window against the same found
// by sorting: odd and even counts, ties, medians ending in .5, values spread
// over many blocks and past the binned range, each flux around the threshold.

#include "analysis/burst_threshold.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>

namespace helvarra {
namespace {

double Middle(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 != 0 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

TEST(BurstThresholdTest, AgreesWithSortingTheWindow) {
  std::mt19937 engine(7);
  FluxWindow window;
  for (const auto& [low, high] : {std::pair{5, 12}, {90, 110}, {5, 5000}, {60000, 70000}, {5, 400000}}) {
    window.Clear();
    std::deque<std::int32_t> values;  // oldest first; 1 to 41 of them
    for (int step = 0; step < 400; ++step) {
      values.push_back(low + static_cast<std::int32_t>(engine() % std::uint32_t(high - low + 1)));
      window.Insert(values.back());
      if (values.size() > 1 + step % 41u) window.Erase(values.front()), values.pop_front();
      const double median = Middle({values.begin(), values.end()});
      std::vector<double> deviations;
      for (const std::int32_t v : values) deviations.push_back(std::abs(v - median));
      const double boundary = median + Threshold(median, Middle(deviations));
      const std::int64_t twiceMedian = window.TwiceMedian();
      ASSERT_EQ(twiceMedian, 2 * median) << high;
      for (auto flux = static_cast<std::int32_t>(boundary) - 2; flux <= boundary + 2; ++flux)
        ASSERT_EQ(ReachesThreshold(window, twiceMedian, flux), flux >= boundary) << high << ": " << flux;
    }
  }
}

}  // namespace
}  // namespace helvarra
