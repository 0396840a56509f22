// The benchmarks of `make bench`: how long the viewer takes for what the
// user does, on the real Qt window (offscreen), with files made by the
// sample tool, against floors and outside programs.
//
// helvarra_bench DATA_DIR [benchmark options]

#include <benchmark/benchmark.h>
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "bench/bench_common.h"

namespace helvarra::bench {
std::filesystem::path gData;
}

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: helvarra_bench DATA_DIR [benchmark options]\n");
    return 2;
  }
  helvarra::bench::gData = argv[1];
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
