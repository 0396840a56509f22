// Bursts found in made-up days: each standing five thresholds or more above
// its background once, at its highest record; nothing else, not the
// interference, not a quiet stretch. Then a burst seen at two stations.

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "analysis/burst_confirm.h"
#include "analysis/burst_detect.h"
#include "analysis/burst_threshold.h"
#include "tests/analysis/made_up_day.h"

namespace helvarra {
namespace {

using test::MadeUpBurst;

constexpr int kHour = 3600;

struct Expected {
  int channel, from, to;  // one burst over these seconds, at the highest record there
};

bool Overlaps(const FoundBurst& f, int channel, int from, int to) {
  return f.channel == channel && f.beginRow <= std::size_t(to) && f.endRow >= std::size_t(from);
}

// The bursts five thresholds above the quiet level (2 % noise makes the noise
// term 0.1 x quiet), those less than a minute apart as one.
std::vector<Expected> ToBeFound(const std::vector<MadeUpBurst>& bursts) {
  std::vector<Expected> expected;
  for (const MadeUpBurst& b : bursts) {
    const double quiet = test::QuietLevel(b.channel, b.start);
    if (b.excess * quiet < 5 * Threshold(quiet, 0.02 * quiet / kMadToSigma)) continue;
    const bool joins =
        !expected.empty() && expected.back().channel == b.channel && b.start - expected.back().to < kJoinSeconds;
    if (joins) expected.back().to = b.End();
    if (!joins) expected.push_back({b.channel, b.start, b.End()});
  }
  return expected;
}

// Bursts: channel, start, rise, fall, excess over quiet, impulsive. Then
// spikes, and dropouts: channel, from, to. The first day's burst at 4995 MHz
// is 3 thresholds high: it may be found or not. In the second, the two at
// 1415 MHz are 40 s apart, the two at 4995 MHz 2 minutes.
// clang-format off
const test::MadeUpDay kDays[]{
    {1, {{4, 4 * kHour, 3, 17, 20, true}, {0, 6 * kHour, 240, 960, 8, false}, {7, 8 * kHour, 10, 300, 0.8, true},
         {2, 10 * kHour, 60, 120, 1.5, false}, {5, 12 * kHour, 30, 90, 0.3, false}, {3, 14 * kHour, 5, 600, 5, true},
         {6, 16 * kHour, 120, 480, 2, false}},
     {2 * kHour, 3 * kHour + 1, 5 * kHour + 2}, {{4, 9 * kHour, 9 * kHour + 1800}, {0, 13 * kHour, 13 * kHour + 300}}},
    {2, {{3, 5 * kHour, 5, 60, 4, true}, {3, 5 * kHour + 105, 5, 60, 6, true}, {5, 8 * kHour, 5, 60, 4, true},
         {5, 8 * kHour + 185, 5, 60, 6, true}, {4, 11 * kHour, 30, 600, 3, true}, {1, 15 * kHour + 300, 10, 200, 6, true}},
     {4 * kHour, 9 * kHour + 2}, {{4, 11 * kHour + 120, 11 * kHour + 135}, {1, 14 * kHour, 15 * kHour}}},
};
// clang-format on

TEST(BurstsFoundTest, AreTheMadeUpDaysBursts) {
  for (const test::MadeUpDay& day : kDays) {
    SCOPED_TRACE(day.seed);
    const std::vector<FluxRecord> records = test::MakeDay(day);
    const std::vector<FoundBurst> found = FindBursts(records);
    for (const auto& [k, from, to] : ToBeFound(day.bursts)) {
      const auto over = [&](const FoundBurst& f) { return Overlaps(f, k, from, to); };
      ASSERT_EQ(std::count_if(found.begin(), found.end(), over), 1) << Channel(k).label << " at " << from;
      const FoundBurst& f = *std::find_if(found.begin(), found.end(), over);
      const auto highest = std::max_element(&records[std::size_t(from)], &records[std::size_t(to)] + 1,
                                            [&](auto& a, auto& b) { return a.Value(k) < b.Value(k); });
      EXPECT_EQ(&records[f.peakRow], highest) << Channel(k).label << " at " << from;
      EXPECT_NEAR(f.background, test::QuietLevel(k, from), 0.03 * f.background);
    }
    for (const FoundBurst& f : found)
      EXPECT_TRUE(std::any_of(day.bursts.begin(), day.bursts.end(),
                              [&](auto& b) { return Overlaps(f, b.channel, b.start, b.End()); }))
          << Channel(f.channel).label << " at " << f.beginRow;
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end(), [](auto& a, auto& b) {
      return std::tie(a.begin, a.channel) < std::tie(b.begin, b.channel);
    }));
  }
}

// Learmonth's burst at 2695 MHz is at the second station 3 s later, beside one
// at 4995 MHz then and one at 2695 MHz an hour later, which confirm nothing.
TEST(BurstsFoundTest, AreConfirmedByTheStationsThatSawThem) {
  const std::vector<MadeUpBurst> learmonth{{4, 10 * kHour, 5, 300, 5, true}},
      second{{4, 10 * kHour + 3, 5, 300, 5, true}, {5, 10 * kHour, 5, 300, 5, true}, {4, 11 * kHour, 5, 300, 5, true}};
  std::vector<std::vector<FoundBurst>> found{FindBursts(test::MakeDay({1, learmonth})),
                                             FindBursts(test::MakeDay({2, second}))};
  const auto stations = [&](std::size_t s) {
    std::vector<int> counts;
    for (const FoundBurst& b : found[s]) counts.push_back(b.stations);
    return counts;
  };
  ConfirmBursts(found);
  EXPECT_EQ(stations(0), std::vector{2});
  EXPECT_EQ(stations(1), (std::vector{1, 2, 1}));  // 4995 MHz begins first
  found[1].erase(found[1].begin() + 1);
  ConfirmBursts(found);
  EXPECT_EQ(stations(0), std::vector{1});
  EXPECT_EQ(stations(1), (std::vector{1, 1}));
}

}  // namespace
}  // namespace helvarra
