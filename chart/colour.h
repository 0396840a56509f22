#pragma once
// Colours are 24-bit RGB values in their stored form 0x00BBGGRR: red in the
// low byte, blue in the high byte.

#include <cmath>
#include <cstdint>

namespace helvarra {

using Colour = std::uint32_t;

constexpr Colour MakeColour(int red, int green, int blue) {
  return static_cast<Colour>(red & 0xFF) | static_cast<Colour>(green & 0xFF) << 8 |
         static_cast<Colour>(blue & 0xFF) << 16;
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

// The colour, black or white, of a text that stands out more on a
// background: black where the background's relative luminance (sRGB, 0 for
// black to 1 for white) gives it the higher contrast ratio, (L + 0.05) / 0.05
// against 1.05 / (L + 0.05), that is where L is above about 0.18.
inline Colour TextColourOn(Colour background) {
  auto linear = [](int channel) {
    const double v = channel / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  const double luminance =
      0.2126 * linear(RedOf(background)) + 0.7152 * linear(GreenOf(background)) + 0.0722 * linear(BlueOf(background));
  const double onBlack = (luminance + 0.05) / 0.05, onWhite = 1.05 / (luminance + 0.05);
  return onBlack >= onWhite ? MakeColour(0, 0, 0) : MakeColour(255, 255, 255);
}

}  // namespace helvarra
