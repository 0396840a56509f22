// The day overview of the whole day at 1200 x 400 pixels, from the table,
// eight channels, the main window's 30 minutes shaded and an hour selected:
// onto the real Qt surface, and onto a surface that draws nothing, which
// leaves the columns' gathering and the drawing calls.

#include <benchmark/benchmark.h>

#include "bench/bench_common.h"
#include "chart/day_overview.h"
#include "data/flux_data_file.h"
#include "platform/qt/qt_window_surface.h"

namespace helvarra::bench {
namespace {

class NoSurface : public DrawingSurface {
 public:
  int PixelsPerInchY() const override { return 96; }
  void SelectFont(const Font&) override {}
  void SelectPen(const Pen&) override {}
  void SelectBrush(const Brush&) override {}
  void SetBackgroundColour(Colour) override {}
  void SetTextColour(Colour) override {}
  void PutText(int, int, std::string_view) override {}
  void MovePen(int, int) override {}
  void DrawLineTo(int, int) override {}
  void DrawRectangle(const Rect&) override {}
  void FrameRectangle(const Rect&, const Brush&) override {}
  Colour ReadPixel(int, int) const override { return 0; }
  void DrawIconAt(int, int, const Icon&) override {}
};

void Overview(benchmark::State& state, bool onQt) {
  FluxDataFile file;
  if (!file.Open((gData / "day.apl").string())) state.SkipWithError("cannot open day.apl");
  qt::QtCanvas canvas{QSize(1200, 400)};
  qt::QtWindowSurface window(canvas);
  NoSurface none;
  DrawingSurface& s = onQt ? static_cast<DrawingSurface&>(window) : none;
  ChartStyle style;
  MakeChartFonts(style, window);
  MakeChartColours(style, 0xC0C0C0);
  std::array<bool, kChannelCount> shown;
  shown.fill(true);
  OverviewRequest request;
  request.strips = {{&file.Table(), ""}};
  request.size = {1200, 400};
  request.shown = shown;
  request.shaded = SecondsOfRows(file.Table(), RowRange{kPlotIndex, kPlotIndex + 1799});
  request.selected = SecondsOfRows(file.Table(), RowRange{40000, 43599});
  for (auto _ : state) DrawDayOverview(s, style, request);
  canvas.Finish();
  state.counters["records"] = static_cast<double>(file.Table().size());
}
BENCHMARK_CAPTURE(Overview, qt, true)->Name("overview/day_1200px")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Overview, none, false)->Name("overview/day_1200px_no_surface")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace helvarra::bench
