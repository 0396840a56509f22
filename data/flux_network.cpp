#include "data/flux_network.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "data/stations.h"

namespace helvarra {
namespace {

// Known stations first, in the table's order; then other codes.
using StationKey = std::pair<std::size_t, std::string>;

StationKey KeyOf(const DecodedFile& f) {
  const std::string_view code = f.table[0].Station();
  if (const auto index = StationIndex(code)) return {*index, {}};
  return {kStations.size(), std::string(code)};
}

}  // namespace

std::size_t FluxNetwork::FileCount() const {
  std::size_t n = 0;
  for (const FluxSeries& s : stations) n += s.files.size();
  return n;
}

FluxNetwork GroupByStation(std::vector<DecodedFile> files) {
  std::map<StationKey, std::vector<DecodedFile>> groups;
  for (DecodedFile& f : files) groups[KeyOf(f)].push_back(std::move(f));
  FluxNetwork network;
  for (auto& [key, group] : groups) network.stations.push_back(JoinSeries(std::move(group)));
  return network;
}

}  // namespace helvarra
