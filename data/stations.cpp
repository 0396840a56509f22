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

std::string_view StationName(std::string_view record) {
  std::string_view name = LookupStation(record);
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return name;
}

std::string_view LookupObservatory(std::string_view record) { return FindStation(record).observatory; }

std::optional<std::size_t> StationIndex(std::string_view code) {
  for (std::size_t i = 0; i < kStations.size(); ++i)
    if (kStations[i].code == code) return i;
  for (const StationAlias& a : kStationAliases)
    for (std::size_t i = 0; i < kStations.size(); ++i)
      if (a.code == code && kStations[i].observatory == a.observatory) return i;
  return std::nullopt;
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
