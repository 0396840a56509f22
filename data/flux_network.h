#pragma once
// The stations open together on one UT axis: each station's files joined
// into its series, the stations in the order of the station table (files of
// a station the table does not know after them, by their code).

#include <vector>

#include "data/series_join.h"

namespace helvarra {

struct FluxNetwork {
  std::vector<FluxSeries> stations;

  bool empty() const { return stations.empty(); }
  std::size_t FileCount() const;
};

// The files grouped by the station of their first record (a code and its
// aliases are one station) and each group joined into a series.
FluxNetwork GroupByStation(std::vector<DecodedFile> files);

}  // namespace helvarra
