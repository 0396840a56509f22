// The chart's flux and time scales.

#include "chart/chart_layout.h"

#include <gtest/gtest.h>

#include <utility>

namespace helvarra {
namespace {

class FluxRowTest : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(FluxRowTest, HundredLogTenMinus69TruncatedTowardZero) {
  const auto [value, row] = GetParam();
  EXPECT_EQ(FluxRow(value), row) << "value " << value;
}

INSTANTIATE_TEST_SUITE_P(Values, FluxRowTest,
                         ::testing::Values(std::pair{0, -69}, std::pair{1, -69}, std::pair{2, -38}, std::pair{3, -21},
                                           std::pair{4, -8}, std::pair{5, 0}, std::pair{10, 31}, std::pair{49, 100},
                                           std::pair{100, 131}, std::pair{1000, 231}, std::pair{10000, 331},
                                           std::pair{100000, 431}, std::pair{489778, 499}, std::pair{489779, 500},
                                           std::pair{999999, 530}, std::pair{-1, 0}, std::pair{-99999, 0}));

TEST(ScalesTest, DecadeGridLinesMeetTheirFluxRows) {
  const std::pair<int, int> decades[] = {{10, 479}, {100, 379}, {1000, 279}, {10000, 179}, {100000, 79}};
  for (const auto& [decade, y] : decades) {
    EXPECT_EQ(DecadeY(decade), y) << "decade " << decade;
    EXPECT_EQ(RowY(FluxRow(decade)), y) << "decade " << decade;
  }
  EXPECT_EQ(RowY(0), 510);
  EXPECT_EQ(RowY(500), 10);
  EXPECT_EQ(RowY(-69), 579);
}

TEST(ScalesTest, OffsetXIsOneColumnPerThreeSeconds) {
  const std::pair<int, int> offsets[] = {{0, 80}, {2, 80}, {3, 81}, {1799, 679}, {1800, 680}, {1805, 681}};
  for (const auto& [seconds, x] : offsets) EXPECT_EQ(OffsetX(seconds), x) << seconds << " s";
  static_assert(OffsetX(kWindowSeconds) == kTraceRightX);
}

}  // namespace
}  // namespace helvarra
