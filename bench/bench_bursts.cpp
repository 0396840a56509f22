// Every burst of the realistic day found at each frequency, from the opened
// table: what cataloguing a year of a station's days costs per day.

#include <benchmark/benchmark.h>

#include "analysis/burst_detect.h"
#include "bench/bench_common.h"
#include "data/flux_data_file.h"

namespace helvarra::bench {
namespace {

void Bursts(benchmark::State& state) {
  FluxDataFile file;
  if (!file.Open((gData / "day.apl").string())) state.SkipWithError("cannot open day.apl");
  std::size_t found = 0;
  for (auto _ : state) {
    const std::vector<FoundBurst> bursts = FindBursts(file.Table().records);
    found = bursts.size();
    benchmark::DoNotOptimize(bursts.data());
  }
  state.counters["records"] = static_cast<double>(file.Table().size());
  state.counters["bursts"] = static_cast<double>(found);
}
BENCHMARK(Bursts)->Name("bursts/day")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace helvarra::bench
