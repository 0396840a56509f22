// Plotting a 30-minute window from the table, and its floor: the same
// window's strokes worked out from the table and written straight into a
// pixel buffer by a plain loop.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "bench/bench_common.h"
#include "tests/support/dialog_test_access.h"
#include "chart/chart_layout.h"
#include "data/flux_data_file.h"
#include "data/record_time.h"

namespace helvarra::bench {
namespace {

void Plot(benchmark::State& state, const char* name, bool channels) {
  auto viewer = ViewerWith(name);
  CFluxViewerDlg& dlg = viewer->Dialog();
  for (int k = 0; k < kChannelCount; ++k) DialogTestAccess::ShowFlag(dlg, k) = channels ? 1 : 0;
  for (auto _ : state) {
    DialogTestAccess::PlotAt(dlg, kPlotIndex);
  }
}
BENCHMARK_CAPTURE(Plot, all, "day.apl", true)->Name("plot/eight_channels")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Plot, none, "day.apl", false)->Name("plot/no_channels")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Plot, gzip, "archive-day.apl.gz", true)->Name("plot/gzip_day")->Unit(benchmark::kMicrosecond);

}  // namespace

// The plot black, then for each record of the window at a record and each
// channel a stroke two pixels wide from its previous row to its new one.
void StrokesFromTable(const FluxTable& t, std::size_t at, std::vector<std::uint32_t>& pixels) {
  std::fill(pixels.begin() + 9 * 798, pixels.begin() + 511 * 798, 0u);
  const FluxRecord& first = t[at];
  const std::int64_t start = RecordTime(first) - first.second + 60;
  std::array<int, kChannelCount> prev{};
  for (int k = 0; k < kChannelCount; ++k) prev[static_cast<std::size_t>(k)] = FluxRow(first.Value(k));
  RecordClock clock;
  for (std::size_t i = at + 1; i < t.size(); ++i) {
    const auto offset = static_cast<int>(clock.TimeOf(t[i]) - start);
    if (offset < 0) continue;
    if (offset >= 1800) break;
    const int x = 80 + offset / 3;
    for (int k = 0; k < kChannelCount; ++k) {
      const int row = FluxRow(t[i].Value(k));
      const int y0 = std::clamp(510 - prev[static_cast<std::size_t>(k)], 0, 573), y1 = std::clamp(510 - row, 0, 573);
      for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y) {
        pixels[static_cast<std::size_t>(y * 798 + x - 1)] = Channel(k).colour;
        pixels[static_cast<std::size_t>(y * 798 + x)] = Channel(k).colour;
      }
      prev[static_cast<std::size_t>(k)] = row;
    }
  }
}

namespace {

void Floor(benchmark::State& state) {
  FluxDataFile file;
  if (!file.Open((gData / "day.apl").string())) state.SkipWithError("cannot open day.apl");
  std::vector<std::uint32_t> pixels(798 * 574);
  for (auto _ : state) {
    StrokesFromTable(file.Table(), kPlotIndex, pixels);
    benchmark::DoNotOptimize(pixels.data());
  }
}
BENCHMARK(Floor)->Name("floor/strokes_from_table")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace helvarra::bench
