#include "analysis/burst_confirm.h"

#include <algorithm>
#include <array>

namespace helvarra {
namespace {

// One station's bursts at each frequency, in time order.
using ByChannel = std::array<std::vector<const FoundBurst*>, kChannelCount>;

ByChannel GroupByChannel(const std::vector<FoundBurst>& bursts) {
  ByChannel byChannel;
  for (const FoundBurst& b : bursts) byChannel[static_cast<std::size_t>(b.channel)].push_back(&b);
  return byChannel;
}

// Whether a burst in the list overlaps the burst: the first one ending at or
// after its begin is the only one that can.
bool Overlaps(const std::vector<const FoundBurst*>& others, const FoundBurst& burst) {
  const auto first = std::lower_bound(others.begin(), others.end(), burst.begin,
                                      [](const FoundBurst* other, std::int64_t begin) { return other->end < begin; });
  return first != others.end() && (*first)->begin <= burst.end;
}

}  // namespace

void ConfirmBursts(std::span<std::vector<FoundBurst>> stations) {
  std::vector<ByChannel> byStation;
  for (const auto& bursts : stations) byStation.push_back(GroupByChannel(bursts));
  for (std::size_t s = 0; s < stations.size(); ++s) {
    for (FoundBurst& burst : stations[s]) {
      burst.stations = 1;
      for (std::size_t other = 0; other < stations.size(); ++other) {
        if (other != s && Overlaps(byStation[other][static_cast<std::size_t>(burst.channel)], burst)) ++burst.stations;
      }
    }
  }
}

}  // namespace helvarra
