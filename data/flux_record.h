#pragma once
// One record of a flux data file as the decoder takes it: the station code,
// the date and time of day (UT) of the sample and the eight channel values.
// A value that could not be read with confidence is a hole: it holds 0, which
// the chart draws as a gap, and its bit in `holes` is set.

#include <array>
#include <cstdint>
#include <string_view>

#include "data/channels.h"

namespace helvarra {

// Below 5 SFU is no flux: files hold runs of 0 where a receiver dropped out.
// The chart's row of such a value is below its bottom, so no stroke goes to
// or from it; the overview, the measurements and the burst search leave it out.
inline constexpr int kLowestFluxSfu = 5;

struct FluxRecord {
  std::array<char, 4> station{};  // the code exactly as it stands in the file
  std::uint16_t year = 0;         // four digits; a two-digit year is 1970 to 2069
  std::uint8_t month = 0, day = 0;
  std::uint8_t hour = 0, minute = 0, second = 0;  // as written, two digits each
  std::uint8_t holes = 0;                         // bit k: channel k holds no value
  std::array<std::int32_t, kChannelCount> values{};

  std::string_view Station() const { return {station.data(), station.size()}; }
  int MinuteOfDay() const { return hour * 60 + minute; }
  int SecondOfDay() const { return hour * 3600 + minute * 60 + second; }
  int Value(int k) const { return values[static_cast<std::size_t>(k)]; }
  bool IsHole(int k) const { return ((holes >> k) & 1) != 0; }
  // Channel k holds flux: a value read, and not below kLowestFluxSfu.
  bool IsFlux(int k) const { return !IsHole(k) && Value(k) >= kLowestFluxSfu; }
};

}  // namespace helvarra
