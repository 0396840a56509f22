// The main window's size on a screen too small for its 798 x 574 client area
// with 14-pixel scroll bars: a scroll bar only in a direction that does not
// fit, the other direction keeping room for it where the screen has room.

#include <gtest/gtest.h>

#include "platform/qt/qt_flux_dialog.h"

namespace helvarra::test {
namespace {

TEST(ScrolledWindowSizeTest, AScrollBarOnlyWhereTheClientAreaDoesNotFit) {
  const QSize natural(798, 574), bars(14, 14);
  const struct {
    QSize room, expected;
  } cases[] = {
      {{1280, 1000}, {798, 574}},  // fits
      {{798, 574}, {798, 574}},    // just fits
      {{910, 511}, {812, 511}},    // too low: the vertical bar beside the whole width
      {{805, 511}, {805, 511}},    // too low, no room beside: both bars
      {{700, 1000}, {700, 588}},   // too narrow: the horizontal bar under the whole height
      {{700, 580}, {700, 580}},    // too narrow, no room under: both bars
      {{681, 371}, {681, 371}},    // too small both ways
  };
  for (const auto& c : cases)
    EXPECT_EQ(qt::ScrolledWindowSize(natural, c.room, bars), c.expected) << c.room.width() << " x " << c.room.height();
}

}  // namespace
}  // namespace helvarra::test
