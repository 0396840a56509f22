#pragma once
// The eight observing frequencies, numbered 0 to 7 in increasing frequency.

#include <array>
#include <string_view>

namespace helvarra {

inline constexpr int kChannelCount = 8;

struct ChannelInfo {
  int megahertz;
  std::string_view label;
};

inline constexpr std::array<ChannelInfo, kChannelCount> kChannels{{
    {245, "245 MHZ"},
    {410, "410 MHZ"},
    {610, "610 MHZ"},
    {1415, "1415 MHZ"},
    {2695, "2695 MHZ"},
    {4995, "4995 MHZ"},
    {8800, "8800 MHZ"},
    {15400, "15400 MHZ"},
}};

}  // namespace helvarra
