#include "data/stations.h"

namespace helvarra {

std::string_view LookupStation(std::string_view record) {
  const std::string_view code = record.substr(0, 4);
  for (const StationInfo& s : kStations)
    if (s.code == code) return s.displayName;
  return kUnknownStationName;
}

}  // namespace helvarra
