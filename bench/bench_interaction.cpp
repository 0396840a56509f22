// What the user does with a day open: browse it through, let the slider go,
// click a check box, click for the read-out, print to a PDF file.

#include <benchmark/benchmark.h>
#include <QFile>
#include <QPrinter>
#include <QSlider>
#include <QTest>

#include "bench/bench_common.h"
#include "tests/support/dialog_test_access.h"
#include "platform/qt/qt_printer_surface.h"
#include "resources/dialog_templates.h"

namespace helvarra::bench {
namespace {

namespace res = resources;

void Browse(benchmark::State& state) {
  auto viewer = ViewerWith("day.apl");
  int windows = 0;
  for (auto _ : state) {
    viewer->Dialog().Dispatch({.kind = EventKind::Command, .id = res::IDC_BROWSE});
    for (windows = 0; viewer->Dialog().IsBrowsing() == 1; ++windows)
      viewer->Services().Deliver({.kind = EventKind::TimerTick, .id = 1});
  }
  state.counters["windows"] = windows;
}
BENCHMARK(Browse)->Name("browse/whole_day")->Unit(benchmark::kMillisecond);

void SliderRelease(benchmark::State& state) {
  auto viewer = ViewerWith("day.apl");
  QSlider* slider = viewer->Window().Slider();
  for (auto _ : state) {
    slider->setValue(kPlotIndex);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(5, 5));
    qt::ScriptedViewer::Settle();  // the release reaches the viewer, the window repaints
  }
}
BENCHMARK(SliderRelease)->Name("interaction/slider_release")->Unit(benchmark::kMicrosecond);

void CheckBoxClick(benchmark::State& state) {
  auto viewer = ViewerWith("day.apl");
  DialogTestAccess::RecordIndex(viewer->Dialog()) = kPlotIndex;
  QWidget* box = viewer->Window().Control(Channel(4).controlId);
  for (auto _ : state) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, box->height() / 2));
    qt::ScriptedViewer::Settle();
  }
}
BENCHMARK(CheckBoxClick)->Name("interaction/check_box_click")->Unit(benchmark::kMicrosecond);

void CursorReadout(benchmark::State& state) {
  auto viewer = ViewerWith("day.apl");
  for (auto _ : state) {
    QTest::mousePress(&viewer->Window(), Qt::LeftButton, {}, QPoint(300, 300));
    qt::ScriptedViewer::Settle();
  }
}
BENCHMARK(CursorReadout)->Name("interaction/cursor_readout")->Unit(benchmark::kMicrosecond);

void PrintPdf(benchmark::State& state) {
  auto viewer = ViewerWith("day.apl");
  const QString out = QString::fromStdString((std::filesystem::temp_directory_path() / "helvarra-bench.pdf").string());
  viewer->Services().printerChooser = [out] {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(out);
    return std::optional<ChosenPrinter>(
        ChosenPrinter{std::make_unique<qt::QtPrinterSurface>(std::move(printer)), "PDF"});
  };
  for (auto _ : state) viewer->Dialog().Dispatch({.kind = EventKind::Command, .id = res::IDC_PRINT});
  QFile::remove(out);
}
BENCHMARK(PrintPdf)->Name("print/pdf_page")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace helvarra::bench
