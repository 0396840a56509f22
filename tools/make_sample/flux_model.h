#pragma once
// The synthetic flux: quiet-Sun levels that drift slowly, noise, and an
// optional solar radio burst, for the eight channels (245, 410, 610, 1415,
// 2695, 4995, 8800 and 15400 MHz). The same seed gives the same numbers with
// every standard library.

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace helvarra::sample {

constexpr int kChannels = 8;
using Flux = std::array<double, kChannels>;

// std::mt19937's numbers from 32-bit words (its own are 64-bit here, and
// slower), with own distributions, so every library gives the same numbers.
struct Random {
  std::mersenne_twister_engine<std::uint32_t, 32, 624, 397, 31, 0x9908b0df, 11, 0xffffffff, 7, 0x9d2c5680, 15,
                               0xefc60000, 18, 1812433253>
      engine;
  double uniform() { return double(engine()) / 4294967296.0; }
  // Irwin-Hall: the sum of 12 uniforms, less 6 (mean 0, sd 1). Summed as
  // integers: the same double as adding the uniforms one by one, as each
  // partial sum is exact.
  double gauss() {
    std::uint64_t sum = 0;
    for (int i = 0; i < 12; ++i) sum += engine();
    return double(sum) / 4294967296.0 - 6;
  }
};

class FluxModel {
 public:
  // burstOffset: the burst's start in seconds from the first record, if any.
  FluxModel(std::uint32_t seed, std::optional<long> burstOffset);

  // The flux at `offset` seconds from the first record, called for every
  // second in turn: it draws the same amount of noise every second, so gaps do
  // not shift the values.
  Flux at(long offset);

 private:
  struct Spike {
    double time, amplitude, decay;
  };
  double spikes(int k, double t) const;
  double burst(int k, long offset) const;

  Random rng_;
  std::optional<long> burst_;
  std::array<double, kChannels> phase_{};
  std::vector<Spike> spikes_;
};

}  // namespace helvarra::sample
