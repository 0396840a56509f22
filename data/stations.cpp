#include "data/stations.h"

namespace helvarra {

std::string_view LookupStation(std::string_view record) {
  const std::string_view code = record.substr(0, 4);
  for (const StationInfo& s : kStations)
    if (s.code == code) return s.displayName;
  for (const StationAlias& s : kStationAliases)
    if (s.code == code) return s.displayName;
  return kUnknownStationName;
}

std::string OpenFileFilter() {
  std::string filter = "All Files (*.*)|*.*|";
  for (const StationInfo& s : kStations) {
    if (s.filterDescription.empty()) continue;
    filter.append(s.filterDescription).append("|");
    filter.append(s.filterPattern).append(";").append(s.compressedPattern).append("|");
  }
  return filter + "|";
}

}  // namespace helvarra
