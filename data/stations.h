#pragma once
// The observatories, their codes in the first four characters of a record,
// their display names (padded to 14 characters, so a shorter name drawn over
// a longer one erases it), and the file-dialog entries for their files.

#include <array>
#include <string_view>

namespace helvarra {

struct StationInfo {
  std::string_view code;
  std::string_view displayName;
  std::string_view filterDescription;  // empty: no entry in the file dialog
  std::string_view filterPattern;
};

inline constexpr std::array<StationInfo, 5> kStations{{
    {"APLM", "Learmonth     ", "Learmonth Files (*.apl)", "*.apl"},
    {"PHFF", "Palehua       ", "Palehua Files (*.phf)", "*.phf"},
    {"K7OL", "Sagamore Hill ", "Sagamore Hill Files (*.k7o)", "*.k7O"},
    {"LISS", "San Vito      ", "San Vito Files (*.lis)", "*.lis"},
    {"KHMN", "Holloman      ", "", ""},
}};

inline constexpr std::string_view kUnknownStationName = "Unknown Site  ";

// The display name for the station code at the start of the record: an exact,
// case-sensitive match of the first four characters (a shorter record never
// matches).
std::string_view LookupStation(std::string_view record);

}  // namespace helvarra
