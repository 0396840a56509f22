#pragma once
// Two stations' calibrations side by side: in the seconds both hold, per
// channel, how many hold flux at both (holes and values below 5 SFU left
// out) and the median of the second station's flux over the first's. A
// receiver drifting shows as a ratio moving away from its usual value.

#include <array>
#include <cstddef>
#include <optional>
#include <span>

#include "analysis/text_table.h"
#include "data/flux_table.h"

namespace helvarra {

struct ChannelAgreement {
  std::size_t common = 0;            // seconds with flux at both stations
  std::optional<double> medianRatio;  // second / first; of an even count the mean of the middle two
  friend bool operator==(const ChannelAgreement&, const ChannelAgreement&) = default;
};

struct StationAgreement {
  std::size_t commonSeconds = 0;  // seconds both stations hold records of, flux or not
  std::array<ChannelAgreement, kChannelCount> channels{};
};

// The rows of each station to compare (records in UT order); where a second
// is held twice by one station, its first record.
StationAgreement CompareStations(const FluxTable& first, RowRange firstRows, const FluxTable& second,
                                 RowRange secondRows);

// "station,reference,frequency_mhz,common_seconds,median_ratio": a row per
// channel, the stations by the codes of their first records, the ratio with
// four decimals (empty without a common second of flux).
TextTable AgreementTable(const FluxTable& first, const FluxTable& second, const StationAgreement& agreement);

}  // namespace helvarra
