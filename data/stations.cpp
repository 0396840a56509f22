#include "data/stations.h"

namespace helvarra {
namespace {

struct StationNames {
  std::string_view displayName = kUnknownStationName;
  std::string_view observatory = kUnknownObservatory;
};

// The one match of a record's first four characters with the station codes.
StationNames FindStation(std::string_view record) {
  const std::string_view code = record.substr(0, 4);
  for (const StationInfo& s : kStations)
    if (s.code == code) return {s.displayName, s.observatory};
  for (const StationAlias& s : kStationAliases)
    if (s.code == code) return {s.displayName, s.observatory};
  return {};
}

}  // namespace

std::string_view LookupStation(std::string_view record) { return FindStation(record).displayName; }

std::string_view LookupObservatory(std::string_view record) { return FindStation(record).observatory; }

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
