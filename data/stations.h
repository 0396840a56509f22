#pragma once
// The observatories, their codes in the first four characters of a record,
// their display names (padded to 14 characters, so a shorter name drawn over
// a longer one erases it), and the file-dialog entries for their files.

#include <array>
#include <string>
#include <string_view>

namespace helvarra {

struct StationInfo {
  std::string_view code;
  std::string_view displayName;
  std::string_view filterDescription;  // empty: no entry in the file dialog
  std::string_view filterPattern;
  std::string_view compressedPattern;  // the same files gzip-compressed
};

inline constexpr std::array<StationInfo, 5> kStations{{
    {"APLM", "Learmonth     ", "Learmonth Files (*.apl)", "*.apl", "*.apl.gz"},
    {"PHFF", "Palehua       ", "Palehua Files (*.phf)", "*.phf", "*.phf.gz"},
    {"K7OL", "Sagamore Hill ", "Sagamore Hill Files (*.k7o)", "*.k7O", "*.k7O.gz"},
    {"LISS", "San Vito      ", "San Vito Files (*.lis)", "*.lis", "*.lis.gz"},
    {"KHMN", "Holloman      ", "", "", ""},
}};

// Other codes the archive's files use for the same stations: LEAR at
// Learmonth, and in older files PALE, SGMR, SVTO and HOLL.
struct StationAlias {
  std::string_view code;
  std::string_view displayName;
};

inline constexpr std::array<StationAlias, 5> kStationAliases{{
    {"LEAR", "Learmonth     "},
    {"PALE", "Palehua       "},
    {"SGMR", "Sagamore Hill "},
    {"SVTO", "San Vito      "},
    {"HOLL", "Holloman      "},
}};

inline constexpr std::string_view kUnknownStationName = "Unknown Site  ";

// The display name for the station code at the start of the record: an exact,
// case-sensitive match of the first four characters with a code of either
// table (a shorter record never matches).
std::string_view LookupStation(std::string_view record);

// The open-file dialog's filter: "All Files (*.*)|*.*|", then for each station
// with a dialog entry its description and its patterns, plain and compressed
// ("Learmonth Files (*.apl)|*.apl;*.apl.gz|"), and a closing "|".
std::string OpenFileFilter();

}  // namespace helvarra
