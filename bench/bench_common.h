#pragma once
// What the benchmarks share: the folder of data files the sample tool made
// (bench/run.sh), and the real viewer with one of them open.

#include <filesystem>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/qt/scripted_viewer.h"

namespace helvarra::bench {

// day.apl (24 hours of 68-byte records), two-hours.apl, and
// archive-day.apl.gz (the same 24 hours, 8-wide, LF, broken lines, gzip).
extern std::filesystem::path gData;

// A window with the day's burst in it.
inline constexpr int kPlotIndex = 19000;

// The floor of a window's plot: the plot cleared and the strokes of the
// window at record `at` worked out from the table and written straight into
// a pixel buffer of the client area by a plain loop.
void StrokesFromTable(const FluxTable& t, std::size_t at, std::vector<std::uint32_t>& pixels);

// The real viewer (offscreen) with the file opened through "&Files".
inline std::unique_ptr<qt::ScriptedViewer> ViewerWith(const char* name) {
  auto viewer = std::make_unique<qt::ScriptedViewer>();
  viewer->Open((gData / name).string(), name);
  return viewer;
}

}  // namespace helvarra::bench
