#pragma once
// The bursts of every station open: found in each station's series,
// confirmed between the stations, and listed in UT order, as a table (the
// catalogue's CSV, the overview's list) or as events-list lines.

#include <cstddef>
#include <string>
#include <vector>

#include "analysis/burst_detect.h"
#include "analysis/text_table.h"
#include "data/flux_network.h"

namespace helvarra {

inline constexpr const char* kBurstCsvHeader =
    "station,frequency_mhz,begin_ut,peak_ut,end_ut,background_sfu,peak_sfu,peak_above_background_sfu,stations";

// A burst of a station, as the list orders them: by begin, then station,
// then channel.
struct ListedBurst {
  std::size_t station = 0;
  const FoundBurst* burst = nullptr;
};

struct BurstCatalogue {
  std::vector<std::vector<FoundBurst>> byStation;  // the network's order
  std::vector<ListedBurst> list;                   // into byStation
};

// Every station's bursts, each confirmed by the others.
BurstCatalogue CatalogueBursts(const FluxNetwork& network);

// The list as rows of kBurstCsvHeader: the station's four-letter code, the
// times as YYYY-MM-DDTHH:MM:SSZ, the background and the peak above it whole
// or with one decimal.
TextTable BurstTable(const FluxNetwork& network, const BurstCatalogue& catalogue);
// The list as events-list lines (measurement_text.h).
std::string BurstEventsLines(const FluxNetwork& network, const BurstCatalogue& catalogue);

}  // namespace helvarra
