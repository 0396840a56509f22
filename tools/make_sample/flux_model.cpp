// The synthetic flux: quiet Sun, noise and the burst's profile per channel.

#include "tools/make_sample/flux_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace helvarra::sample {
namespace {

constexpr Flux kQuietSfu{15, 35, 50, 70, 95, 150, 250, 550};
constexpr Flux kNoise{0.05, 0.04, 0.03, 0.025, 0.02, 0.02, 0.02, 0.025};
// Burst peak excess, share of it coming in type-III-like spikes, time to peak.
constexpr Flux kBurstPeak{4e5, 2.5e5, 1.5e5, 4e4, 1.2e4, 2e4, 4.5e4, 1.3e5};
constexpr Flux kSpiky{0.7, 0.6, 0.5, 0.25, 0, 0, 0, 0};
constexpr Flux kRiseSec{300, 300, 300, 270, 240, 240, 240, 240};
constexpr double kDecaySec = 1200;  // after the peak, excess falls to ~2% of quiet in this time

// Smooth profile, 0..1: in log, rises from 1% of quiet to the peak, then decays exponentially.
double envelope(int k, double t) {
  if (t < 0) return 0;
  if (t < kRiseSec[k]) {
    double x = t / kRiseSec[k], decades = std::log10(kBurstPeak[k] / (0.01 * kQuietSfu[k]));
    return std::pow(10.0, -decades * (1 - x * x * (3 - 2 * x)));
  }
  double tau = kDecaySec / std::log(kBurstPeak[k] / (0.02 * kQuietSfu[k]));
  return std::exp(-(t - kRiseSec[k]) / tau);
}

}  // namespace

FluxModel::FluxModel(std::uint32_t seed, std::optional<long> burstOffset)
    : rng_{decltype(Random::engine){seed}}, burst_(burstOffset) {
  for (double& p : phase_) p = rng_.uniform();
  for (int i = 0; i < 90; ++i)
    spikes_.push_back(
        {kRiseSec[0] * 0.4 + rng_.uniform() * 700, std::pow(10.0, -2 * rng_.uniform()), 1.5 + 2.5 * rng_.uniform()});
}

Flux FluxModel::at(long offset) {
  Flux flux{};
  for (int k = 0; k < kChannels; ++k) {
    double drift = 1 + 0.02 * std::sin(2 * std::numbers::pi * (double(offset) / (5400.0 + 700 * k) + phase_[k]));
    flux[k] = (kQuietSfu[k] * drift + burst(k, offset)) * (1 + kNoise[k] * rng_.gauss());
  }
  return flux;
}

// Type-III-like spikes drift from high to low frequency: 610 MHz first, 245 MHz 2 s later.
double FluxModel::spikes(int k, double t) const {
  double sum = 0, delay = std::max(0, 2 - k);
  for (const Spike& s : spikes_) {
    double dt = t - s.time - delay;
    if (dt < -1 || dt > 10 * s.decay) continue;
    double shape = dt < 0 ? 0.3 : std::exp(-dt / s.decay);
    sum += envelope(k, s.time) * s.amplitude * shape;
  }
  return sum;
}

double FluxModel::burst(int k, long offset) const {
  if (!burst_ || offset < *burst_) return 0;
  double t = double(offset - *burst_);
  if (t > 3 * (kRiseSec[k] + kDecaySec)) return 0;
  double smooth = (1 - kSpiky[k]) * envelope(k, t);
  double spiky = kSpiky[k] > 0 ? kSpiky[k] * 2.5 * spikes(k, t) : 0;
  return kBurstPeak[k] * (smooth + spiky);
}

}  // namespace helvarra::sample
