#include "analysis/burst_catalogue.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>

#include "analysis/burst_confirm.h"
#include "analysis/csv_export.h"
#include "analysis/measurement_text.h"

namespace helvarra {
namespace {

std::string Sfu(double sfu) {
  char text[64];
  std::snprintf(text, sizeof text, sfu == std::floor(sfu) ? "%.0f" : "%.1f", sfu);
  return text;
}

}  // namespace

BurstCatalogue CatalogueBursts(const FluxNetwork& network) {
  BurstCatalogue c;
  for (const FluxSeries& s : network.stations) c.byStation.push_back(FindBursts(s.table.records));
  ConfirmBursts(c.byStation);
  for (std::size_t s = 0; s < c.byStation.size(); ++s)
    for (const FoundBurst& b : c.byStation[s]) c.list.push_back({s, &b});
  std::ranges::stable_sort(c.list, {}, [](const ListedBurst& l) { return std::tie(l.burst->begin, l.station); });
  return c;
}

TextTable BurstTable(const FluxNetwork& network, const BurstCatalogue& catalogue) {
  TextTable t;
  std::string_view header = kBurstCsvHeader;
  for (std::size_t at = 0, comma = 0; comma != std::string_view::npos; at = comma + 1) {
    comma = header.find(',', at);
    t.header.emplace_back(header.substr(at, comma == std::string_view::npos ? comma : comma - at));
  }
  for (const ListedBurst& l : catalogue.list) {
    const FluxTable& table = network.stations[l.station].table;
    const FoundBurst& b = *l.burst;
    t.rows.push_back({std::string(table[b.peakRow].Station()), std::to_string(Channel(b.channel).megahertz),
                      IsoTimeText(table[b.beginRow]), IsoTimeText(table[b.peakRow]), IsoTimeText(table[b.endRow]), Sfu(b.background),
                      std::to_string(b.peak), Sfu(b.peakAboveBackground), std::to_string(b.stations)});
  }
  return t;
}

std::string BurstEventsLines(const FluxNetwork& network, const BurstCatalogue& catalogue) {
  std::string lines;
  for (const ListedBurst& l : catalogue.list) {
    const FluxTable& table = network.stations[l.station].table;
    const FoundBurst& b = *l.burst;
    lines += EventsListLine(table[b.beginRow], table[b.peakRow], table[b.endRow], b.channel, b.peakAboveBackground);
  }
  return lines;
}

}  // namespace helvarra
