// Opening files: through "&Files" (read, inflate, decode, panel and chart)
// and by the reader alone.

#include <benchmark/benchmark.h>

#include "bench/bench_common.h"
#include "data/flux_data_file.h"
#include "resources/dialog_templates.h"

namespace helvarra::bench {
namespace {

void OpenThroughFiles(benchmark::State& state, const char* name) {
  auto viewer = ViewerWith(name);
  for (auto _ : state) viewer->Dialog().Dispatch({.kind = EventKind::Command, .id = resources::IDC_FILES});
}
BENCHMARK_CAPTURE(OpenThroughFiles, two_hours, "two-hours.apl")->Name("open/two_hours")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenThroughFiles, day, "day.apl")->Name("open/24_hours")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenThroughFiles, gzip, "archive-day.apl.gz")->Name("open/gzip_day")->Unit(benchmark::kMillisecond);

void OpenFileOnly(benchmark::State& state, const char* name) {
  const std::string path = (gData / name).string();
  FluxDataFile file;
  for (auto _ : state) {
    if (!file.Open(path)) state.SkipWithError("cannot open the file");
    file.Close();
  }
  file.Open(path);
  state.counters["records"] = static_cast<double>(file.Table().size());
  state.counters["table_bytes"] = static_cast<double>(file.Table().records.capacity() * sizeof(FluxRecord));
}
BENCHMARK_CAPTURE(OpenFileOnly, day, "day.apl")->Name("open/24_hours_file_only")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenFileOnly, gzip, "archive-day.apl.gz")
    ->Name("open/gzip_day_file_only")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace helvarra::bench
