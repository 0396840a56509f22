#pragma once
// Made-up days of one station, a record a second from 00:00:00 UT: a quiet
// level drifting through the day, 2 % noise, bursts of known shape,
// interference spikes and receivers dropping out to 0; the same for a seed.

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "data/flux_record.h"

namespace helvarra::test {

struct MadeUpBurst {
  int channel, start, rise, fall;  // start: second of the day; rise to the maximum, fall back to quiet
  double excess;                   // at the maximum, times the quiet level at the start
  bool impulsive;                  // a straight rise and an exponential fall; else a smooth hump
  int End() const { return start + rise + fall; }
  double Shape(int second) const {
    const double t = second - start;
    if (t < 0 || second > End()) return 0;
    if (impulsive) return t <= rise ? t / rise : std::exp(-4 * (t - rise) / fall);
    return std::pow(std::sin(std::numbers::pi / 2 * (t <= rise ? t / rise : 1 + (t - rise) / fall)), 2);
  }
};

struct MadeUpDay {
  std::uint32_t seed = 1;
  std::vector<MadeUpBurst> bursts{};
  std::vector<int> spikes{};                   // every channel x 8, from the second for 1 + second % 3 s
  std::vector<std::array<int, 3>> dropouts{};  // channel, first and last second reading 0
};

inline double QuietLevel(int k, int second) {
  constexpr std::array<double, kChannelCount> kSfu{15, 35, 50, 70, 95, 150, 250, 550};
  return kSfu[static_cast<std::size_t>(k)] * (1 + 0.15 * std::sin(2 * std::numbers::pi * second / 86400 + k));
}

inline std::vector<FluxRecord> MakeDay(const MadeUpDay& day) {
  std::mt19937 engine(day.seed);  // its sequence is fixed by the standard; Box-Muller on it
  const auto uniform = [&] { return (engine() + 0.5) / 4294967296.0; };
  std::vector<FluxRecord> records(86400);
  for (int s = 0; s < 86400; ++s) {
    FluxRecord& r = records[static_cast<std::size_t>(s)];
    r.station = {'L', 'E', 'A', 'R'}, r.year = 2024, r.month = 5, r.day = 14;
    r.hour = static_cast<std::uint8_t>(s / 3600), r.minute = s / 60 % 60, r.second = s % 60;
    for (int k = 0; k < kChannelCount; ++k) {
      double flux = QuietLevel(k, s);
      for (const MadeUpBurst& b : day.bursts)
        flux += b.channel == k ? b.excess * QuietLevel(k, b.start) * b.Shape(s) : 0;
      for (const int spike : day.spikes) flux *= s >= spike && s <= spike + spike % 3 ? 8 : 1;
      const double gauss = std::sqrt(-2 * std::log(uniform())) * std::cos(2 * std::numbers::pi * uniform());
      r.values[static_cast<std::size_t>(k)] = static_cast<std::int32_t>(std::lround(flux * (1 + 0.02 * gauss)));
    }
  }
  for (const auto [k, from, to] : day.dropouts)
    for (int s = from; s <= to; ++s) records[static_cast<std::size_t>(s)].values[static_cast<std::size_t>(k)] = 0;
  return records;
}

}  // namespace helvarra::test
