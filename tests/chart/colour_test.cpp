// A label's text colour on a coloured band: black or white, whichever reads
// better, with at least the 4.5 : 1 contrast of readable body text.

#include "chart/colour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "data/channels.h"

namespace helvarra {
namespace {

// The contrast ratio of two colours, 1 to 21, from their relative luminance
// as the WCAG defines both.
double Luminance(Colour c) {
  auto linear = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(RedOf(c)) + 0.7152 * linear(GreenOf(c)) + 0.0722 * linear(BlueOf(c));
}
double Contrast(Colour a, Colour b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr Colour kBlack = MakeColour(0, 0, 0), kWhite = MakeColour(255, 255, 255);

// The eight channels' bands keep the black labels of the light look; dark
// bands take white. Either way the better of the two, and readable.
TEST(TextColourOnTest, TheBetterOfBlackAndWhiteOnEveryBand) {
  std::vector<std::pair<Colour, Colour>> cases;  // band, text
  for (const ChannelInfo& c : kChannels) cases.emplace_back(c.colour, kBlack);
  for (Colour dark : {kBlack, MakeColour(0, 0, 128), MakeColour(0, 0, 255), MakeColour(100, 100, 100)})
    cases.emplace_back(dark, kWhite);
  for (const auto& [band, text] : cases) {
    EXPECT_EQ(TextColourOn(band), text) << std::hex << band;
    const Colour other = text == kBlack ? kWhite : kBlack;
    EXPECT_GE(Contrast(text, band), std::max(4.5, Contrast(other, band))) << std::hex << band;
  }
}

}  // namespace
}  // namespace helvarra
