#pragma once
// The eight observing frequencies, numbered 0 to 7 in increasing frequency:
// one row per channel with everything the program knows of it.

#include <array>
#include <cstdint>
#include <string_view>

namespace helvarra {

inline constexpr int kChannelCount = 8;

struct ChannelInfo {
  int megahertz;
  std::string_view label;  // the check box's text and the read-out's first line
  std::uint32_t colour;    // the trace and the check box's band, 0x00BBGGRR
  int controlId;           // the channel's check box
};

inline constexpr std::array<ChannelInfo, kChannelCount> kChannels{{
    {245, "245 MHZ", 0x1E69D2, 1006},
    {410, "410 MHZ", 0x0000FF, 1007},
    {610, "610 MHZ", 0x00A5FF, 1008},
    {1415, "1415 MHZ", 0x00FFFF, 1009},
    {2695, "2695 MHZ", 0x32CD32, 1010},
    {4995, "4995 MHZ", 0xD4FF7F, 1011},
    {8800, "8800 MHZ", 0xFFBF00, 1012},
    {15400, "15400 MHZ", 0xEE82EE, 1013},
}};

constexpr const ChannelInfo& Channel(int k) { return kChannels[static_cast<std::size_t>(k)]; }

}  // namespace helvarra
