#include "apps/snapshot/snapshot_bursts.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <thread>
#include <vector>

#include "analysis/burst_catalogue.h"
#include "analysis/measurement_text.h"
#include "data/flux_files.h"

namespace helvarra::snapshot {
namespace {

// A burst's line of the output, and when it begins.
struct Entry {
  std::int64_t begin = 0;
  std::string line;
};

// The files' bursts, or why they could not be read.
struct Catalogued {
  std::vector<Entry> entries;
  std::string error;
};

Catalogued CatalogueOf(const std::vector<std::string>& files, bool eventsList) {
  FluxFiles open;
  if (const auto failure = open.Open(files)) return {{}, failure->message};
  const FluxNetwork& network = open.Network();
  const BurstCatalogue catalogue = CatalogueBursts(network);
  const TextTable table = BurstTable(network, catalogue);
  Catalogued out;
  for (std::size_t i = 0; i < catalogue.list.size(); ++i) {
    const ListedBurst& l = catalogue.list[i];
    const FoundBurst& b = *l.burst;
    const FluxTable& t = network.stations[l.station].table;
    out.entries.push_back({b.begin, eventsList ? EventsListLine(t[b.beginRow], t[b.peakRow], t[b.endRow], b.channel,
                                                                b.peakAboveBackground)
                                               : CsvOf({{}, {table.rows[i]}}).substr(1)});
  }
  return out;
}

// Each file alone, on every core.
std::vector<Catalogued> CatalogueEach(const Options& options) {
  std::vector<Catalogued> each(options.files.size());
  std::atomic<std::size_t> next{0};
  const std::size_t workers =
      std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), options.files.size());
  std::vector<std::thread> threads;
  for (std::size_t w = 0; w < workers; ++w)
    threads.emplace_back([&] {
      for (std::size_t i = next++; i < options.files.size(); i = next++)
        each[i] = CatalogueOf({options.files[i]}, options.eventsList);
    });
  for (std::thread& t : threads) t.join();
  return each;
}

bool Write(const Options& options, const std::string& text) {
  if (options.output.empty()) return std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
  std::ofstream out(options.output, std::ios::binary | std::ios::trunc);
  if (out.write(text.data(), static_cast<std::streamsize>(text.size())) && out.flush()) return true;
  out.close();
  std::remove(options.output.c_str());
  return false;
}

}  // namespace

int WriteBursts(const Options& options) {
  std::vector<Catalogued> parts =
      options.join ? std::vector<Catalogued>{CatalogueOf(options.files, options.eventsList)} : CatalogueEach(options);
  int status = 0;
  std::vector<Entry> entries;
  for (Catalogued& part : parts) {
    if (!part.error.empty()) {
      std::fprintf(stderr, "tarrawin-snapshot: %s\n", part.error.c_str());
      status = 1;
    }
    std::move(part.entries.begin(), part.entries.end(), std::back_inserter(entries));
  }
  std::ranges::stable_sort(entries, {}, &Entry::begin);
  std::string text = options.eventsList ? std::string() : std::string(kBurstCsvHeader) + "\n";
  for (const Entry& e : entries) text += e.line;
  if (!Write(options, text)) {
    std::fprintf(stderr, "tarrawin-snapshot: cannot write %s\n", options.output.c_str());
    return 1;
  }
  return status;
}

}  // namespace helvarra::snapshot
