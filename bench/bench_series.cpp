// Files opened together: a month of one station (30 compressed 8-wide days)
// and four stations over three days opened as series; their overviews at
// 1200 x 400 on the real Qt surface; a window across two files plotted, and
// its floor.

#include <benchmark/benchmark.h>

#include <algorithm>

#include "analysis/burst_catalogue.h"
#include "bench/bench_common.h"
#include "chart/day_overview.h"
#include "data/flux_files.h"
#include "data/stations.h"
#include "platform/qt/qt_window_surface.h"
#include "tests/support/dialog_test_access.h"

namespace helvarra::bench {
namespace {

std::vector<std::string> FilesIn(const char* folder) {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(gData / folder)) files.push_back(entry.path().string());
  std::ranges::sort(files);
  return files;
}

void OpenTogether(benchmark::State& state, const char* folder) {
  const std::vector<std::string> paths = FilesIn(folder);
  FluxFiles files;
  for (auto _ : state)
    if (files.Open(paths)) state.SkipWithError("the files do not open");
  std::size_t records = 0;
  for (const FluxSeries& s : files.Network().stations) records += s.table.size();
  state.counters["files"] = static_cast<double>(paths.size());
  state.counters["records"] = static_cast<double>(records);
}
BENCHMARK_CAPTURE(OpenTogether, month, "month")->Name("open/month_series")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenTogether, network, "network")->Name("open/four_stations_three_days")->Unit(benchmark::kMillisecond);

// The overview as its window draws it: every strip, its bursts marked, the
// main window's 30 minutes shaded.
void Overview(benchmark::State& state, const char* folder) {
  FluxFiles files;
  if (files.Open(FilesIn(folder))) state.SkipWithError("the files do not open");
  const FluxNetwork& network = files.Network();
  const BurstCatalogue bursts = CatalogueBursts(network);
  std::vector<OverviewIndex> indexes;
  for (const FluxSeries& s : network.stations) indexes.emplace_back(s.table);
  OverviewRequest request;
  request.size = {1200, 400};
  request.shown.fill(true);
  for (std::size_t i = 0; i < network.stations.size(); ++i) {
    const FluxSeries& s = network.stations[i];
    OverviewStrip strip{&s.table, StationName(s.StationCode()), {}, &indexes[i]};
    for (const FoundBurst& b : bursts.byStation[i]) strip.bursts.push_back({RecordTime(s.table[b.peakRow]), b.channel});
    request.strips.push_back(std::move(strip));
  }
  request.shaded = SecondsOfRows(network.stations[0].table, RowRange{kPlotIndex, kPlotIndex + 1799});
  qt::QtCanvas canvas{QSize(1200, 400)};
  qt::QtWindowSurface surface(canvas);
  ChartStyle style;
  MakeChartFonts(style, surface);
  MakeChartColours(style, 0xC0C0C0);
  for (auto _ : state) DrawDayOverview(surface, style, request);
  canvas.Finish();
}
BENCHMARK_CAPTURE(Overview, month, "month")->Name("overview/month_1200px")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Overview, network, "network")->Name("overview/four_stations_1200px")->Unit(benchmark::kMillisecond);

// Two days of the month opened together in the viewer, the window of the
// record 20 minutes before midnight: 30 minutes across the two files.
constexpr int kAcrossIndex = 86400 - 1200;

void PlotAcrossFiles(benchmark::State& state) {
  auto viewer = std::make_unique<qt::ScriptedViewer>();
  const std::vector<std::string> month = FilesIn("month");
  viewer->OpenAll({month[0], month[1]});
  CFluxViewerDlg& dlg = viewer->Dialog();
  for (auto _ : state) DialogTestAccess::PlotAt(dlg, kAcrossIndex);
}
BENCHMARK(PlotAcrossFiles)->Name("plot/across_two_files")->Unit(benchmark::kMicrosecond);

void FloorAcrossFiles(benchmark::State& state) {
  FluxFiles files;
  const std::vector<std::string> month = FilesIn("month");
  if (files.Open({month[0], month[1]})) state.SkipWithError("the files do not open");
  std::vector<std::uint32_t> pixels(798 * 574);
  for (auto _ : state) {
    StrokesFromTable(files.Network().stations[0].table, kAcrossIndex, pixels);
    benchmark::DoNotOptimize(pixels.data());
  }
}
BENCHMARK(FloorAcrossFiles)->Name("floor/across_two_files")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace helvarra::bench
