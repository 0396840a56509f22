// How long the viewer takes for what the user does, on the real Qt window
// (offscreen), with files made by the sample tool, and the floor the plotter
// is measured against: the same strokes written straight into pixels.
//
// helvarra_bench DATA_DIR [benchmark options]
// DATA_DIR holds day.apl (24 hours), two-hours.apl and archive-day.apl.gz (the
// same 24 hours in the archive's 8-wide layout, LF, gzip-compressed).

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QCheckBox>
#include <QSlider>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "data/flux_data_file.h"
#include "data/record_fields.h"
#include "platform/qt/qt_printer_surface.h"
#include "platform/qt/qt_window_services.h"
#include "viewer/flux_viewer_dlg.h"

namespace {

using namespace helvarra;

std::filesystem::path gData;
constexpr int kPlotIndex = 19000;  // a window with the day's burst in it

// The viewer with a file open, as after "&Files".
struct Viewer {
  explicit Viewer(const std::filesystem::path& file) {
    services.messageShown = [](auto, const std::string&) {};
    Choose(file);
    services.OpenMainWindow(&dlg);
    Settle();
    dlg.Dispatch({.kind = EventKind::Command, .id = 1000});
    Settle();
  }
  ~Viewer() { services.CloseMainWindow(); }
  void Choose(const std::filesystem::path& file) {
    services.fileChooser = [file](std::string_view, std::string_view) {
      return std::optional<ChosenFile>(ChosenFile{file.string(), file.filename().string()});
    };
  }
  static void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }
  qt::QtWindowServices services;
  CFluxViewerDlg dlg{services};
};

void PlotAll(benchmark::State& state) {
  Viewer v(gData / "day.apl");
  v.dlg.m_nRecordIndex = kPlotIndex;
  for (auto _ : state) {
    v.dlg.m_nRecordIndex = kPlotIndex;
    v.dlg.TracePlotter();
  }
}
BENCHMARK(PlotAll)->Name("plot/eight_channels")->Unit(benchmark::kMicrosecond);

void PlotNone(benchmark::State& state) {
  Viewer v(gData / "day.apl");
  for (int k = 0; k < kChannelCount; ++k) v.dlg.ShowFlag(k) = 0;
  for (auto _ : state) {
    v.dlg.m_nRecordIndex = kPlotIndex;
    v.dlg.TracePlotter();
  }
}
BENCHMARK(PlotNone)->Name("plot/no_channels")->Unit(benchmark::kMicrosecond);

// The floor: the window's records read into memory, and its strokes (the
// same ones the plotter draws) written into a pixel buffer by a plain loop.
void LimitRead(benchmark::State& state) {
  const auto path = gData / "day.apl";
  std::vector<char> bytes(1861 * 68);
  for (auto _ : state) {
    std::ifstream in(path, std::ios::binary);
    in.seekg(std::streamoff{kPlotIndex} * 68);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(LimitRead)->Name("limit/read_window")->Unit(benchmark::kMicrosecond);

struct Stroke {
  int x, top, bottom;
  std::uint32_t colour;
};

std::vector<Stroke> WindowStrokes() {
  std::ifstream in(gData / "day.apl", std::ios::binary);
  in.seekg(std::streamoff{kPlotIndex} * 68);
  std::vector<Stroke> strokes;
  std::string line;
  std::array<int, 8> prev{};
  int startSecond = -1;
  while (std::getline(in, line)) {
    const int t = RecordHour(line) * 3600 + RecordMinute(line) * 60 + RecordSecond(line);
    if (startSecond < 0) {
      startSecond = (t / 60 + 1) * 60;
      for (int k = 0; k < 8; ++k) prev[static_cast<std::size_t>(k)] = FluxRow(std::max(1, ChannelValue(line, k)));
      continue;
    }
    const int offset = t - startSecond;
    if (offset < 0) continue;
    if (offset >= 1800) break;
    for (int k = 0; k < 8; ++k) {
      const int row = FluxRow(std::max(1, ChannelValue(line, k)));
      const int y0 = 510 - prev[static_cast<std::size_t>(k)], y1 = 510 - row;
      if (y0 != y1)
        strokes.push_back({80 + offset / 3, std::min(y0, y1 + 1), std::max(y0, y1 - 1),
                           kChannelColours[static_cast<std::size_t>(k)]});
      prev[static_cast<std::size_t>(k)] = row;
    }
  }
  return strokes;
}

void LimitStrokes(benchmark::State& state) {
  const std::vector<Stroke> strokes = WindowStrokes();
  std::vector<std::uint32_t> pixels(798 * 574);
  for (auto _ : state) {
    std::fill(pixels.begin() + 9 * 798, pixels.begin() + 511 * 798, 0u);  // the plot's rows
    for (const Stroke& s : strokes)
      for (int y = std::max(s.top, 0); y <= std::min(s.bottom, 573); ++y) {
        pixels[static_cast<std::size_t>(y * 798 + s.x - 1)] = s.colour;
        pixels[static_cast<std::size_t>(y * 798 + s.x)] = s.colour;
      }
    benchmark::DoNotOptimize(pixels.data());
  }
  state.counters["strokes"] = static_cast<double>(strokes.size());
}
BENCHMARK(LimitStrokes)->Name("limit/strokes_to_pixels")->Unit(benchmark::kMicrosecond);

void Open(benchmark::State& state, const char* name) {
  Viewer v(gData / name);
  for (auto _ : state) v.dlg.Dispatch({.kind = EventKind::Command, .id = 1000});
}
BENCHMARK_CAPTURE(Open, two_hours, "two-hours.apl")->Name("open/two_hours")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Open, day, "day.apl")->Name("open/24_hours")->Unit(benchmark::kMicrosecond);

// The archive's compressed day: opened through "&Files" (inflating and
// decoding included), the file alone opened, and a window of it plotted.
BENCHMARK_CAPTURE(Open, gzip_day, "archive-day.apl.gz")->Name("open/gzip_day")->Unit(benchmark::kMillisecond);

void DecodeGzipDay(benchmark::State& state) {
  const std::string path = (gData / "archive-day.apl.gz").string();
  FluxDataFile file;
  for (auto _ : state) {
    if (!file.Open(path)) state.SkipWithError("cannot open archive-day.apl.gz");
    file.Close();
  }
  file.Open(path);
  state.counters["records"] = static_cast<double>(file.GetLength() / kRecordBytes);
  state.counters["record_bytes"] = static_cast<double>(file.DecodedBytes());
}
BENCHMARK(DecodeGzipDay)->Name("open/gzip_day_file_only")->Unit(benchmark::kMillisecond);

void PlotGzipDay(benchmark::State& state) {
  Viewer v(gData / "archive-day.apl.gz");
  for (auto _ : state) {
    v.dlg.m_nRecordIndex = kPlotIndex;
    v.dlg.TracePlotter();
  }
}
BENCHMARK(PlotGzipDay)->Name("plot/gzip_day")->Unit(benchmark::kMicrosecond);

void Browse(benchmark::State& state) {
  Viewer v(gData / "day.apl");
  int windows = 0;
  for (auto _ : state) {
    v.dlg.Dispatch({.kind = EventKind::Command, .id = 1001});
    windows = 0;
    while (v.dlg.m_bBrowsing == 1) {
      v.services.Deliver({.kind = EventKind::TimerTick, .id = 1});
      ++windows;
    }
  }
  state.counters["windows"] = windows;
}
BENCHMARK(Browse)->Name("browse/whole_day")->Unit(benchmark::kMillisecond);

void SliderRelease(benchmark::State& state) {
  Viewer v(gData / "day.apl");
  QSlider* slider = v.services.MainWindow()->Slider();
  for (auto _ : state) {
    slider->setValue(kPlotIndex);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(5, 5));
    Viewer::Settle();  // the release reaches the viewer, the window repaints
  }
}
BENCHMARK(SliderRelease)->Name("interaction/slider_release")->Unit(benchmark::kMicrosecond);

void CheckBoxClick(benchmark::State& state) {
  Viewer v(gData / "day.apl");
  v.dlg.m_nRecordIndex = kPlotIndex;
  QWidget* box = v.services.MainWindow()->Control(1010);
  for (auto _ : state) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, box->height() / 2));
    Viewer::Settle();
  }
}
BENCHMARK(CheckBoxClick)->Name("interaction/check_box_click")->Unit(benchmark::kMicrosecond);

void CursorReadout(benchmark::State& state) {
  Viewer v(gData / "day.apl");
  for (auto _ : state) {
    QTest::mousePress(v.services.MainWindow(), Qt::LeftButton, {}, QPoint(300, 300));
    Viewer::Settle();
  }
}
BENCHMARK(CursorReadout)->Name("interaction/cursor_readout")->Unit(benchmark::kMicrosecond);

void PrintPdf(benchmark::State& state) {
  Viewer v(gData / "day.apl");
  const QString out = QString::fromStdString((std::filesystem::temp_directory_path() / "helvarra-bench.pdf").string());
  v.services.printerChooser = [out] {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(out);
    return std::optional<ChosenPrinter>(
        ChosenPrinter{std::make_unique<qt::QtPrinterSurface>(std::move(printer)), "PDF"});
  };
  for (auto _ : state) v.dlg.Dispatch({.kind = EventKind::Command, .id = 1003});
  QFile::remove(out);
}
BENCHMARK(PrintPdf)->Name("print/pdf_page")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: helvarra_bench DATA_DIR [benchmark options]\n");
    return 2;
  }
  gData = argv[1];
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
