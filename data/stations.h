#pragma once
// The observatories, their codes in the first four characters of a record,
// their display names (padded to 14 characters, so a shorter name drawn over
// a longer one erases it), the three letters the edited events lists name
// them by, and the file-dialog entries for their files.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace helvarra {

struct StationInfo {
  std::string_view code;
  std::string_view displayName;
  std::string_view observatory;        // as the events lists write it
  std::string_view filterDescription;  // empty: no entry in the file dialog
  std::string_view filterPattern;
  std::string_view compressedPattern;  // the same files gzip-compressed
};

inline constexpr std::array<StationInfo, 5> kStations{{
    {"APLM", "Learmonth     ", "LEA", "Learmonth Files (*.apl)", "*.apl", "*.apl.gz"},
    {"PHFF", "Palehua       ", "PAL", "Palehua Files (*.phf)", "*.phf", "*.phf.gz"},
    {"K7OL", "Sagamore Hill ", "SAG", "Sagamore Hill Files (*.k7o)", "*.k7O", "*.k7O.gz"},
    {"LISS", "San Vito      ", "SVI", "San Vito Files (*.lis)", "*.lis", "*.lis.gz"},
    {"KHMN", "Holloman      ", "HOL", "", "", ""},
}};

// Other codes the archive's files use for the same stations: LEAR at
// Learmonth, and in older files PALE, SGMR, SVTO and HOLL.
struct StationAlias {
  std::string_view code;
  std::string_view displayName;
  std::string_view observatory;
};

inline constexpr std::array<StationAlias, 5> kStationAliases{{
    {"LEAR", "Learmonth     ", "LEA"},
    {"PALE", "Palehua       ", "PAL"},
    {"SGMR", "Sagamore Hill ", "SAG"},
    {"SVTO", "San Vito      ", "SVI"},
    {"HOLL", "Holloman      ", "HOL"},
}};

inline constexpr std::string_view kUnknownStationName = "Unknown Site  ";
inline constexpr std::string_view kUnknownObservatory = "???";

// The display name for the station code at the start of the record: an exact,
// case-sensitive match of the first four characters with a code of either
// table (a shorter record never matches).
std::string_view LookupStation(std::string_view record);

// The display name without its padding ("Learmonth"), by the same match.
std::string_view StationName(std::string_view record);

// The events lists' three letters for the same station ("LEA" for APLM and
// LEAR), by the same match; kUnknownObservatory for any other code.
std::string_view LookupObservatory(std::string_view record);

// The row of kStations for a station code, aliases included (LEAR gives
// Learmonth's row); none for a code of no known station. Files are grouped
// into stations by it, and stations listed in the table's order.
std::optional<std::size_t> StationIndex(std::string_view code);

// The open-file dialog's filter: "All Files (*.*)|*.*|", then for each station
// with a dialog entry its description and its patterns, plain and compressed
// ("Learmonth Files (*.apl)|*.apl;*.apl.gz|"), and a closing "|".
std::string OpenFileFilter();

}  // namespace helvarra
