#pragma once
// What a paint draws besides the chart window: the axis titles, the decade
// labels, the "File" "Start" "File" "End" labels, and the file-information
// panel (the file's name, its first and last times and its station); an
// empty black plot while no file is loaded.

#include <string>
#include <string_view>

#include "chart/chart_style.h"

namespace helvarra {

// The texts of the panel: the file's name, and the date (DD-MM-YY) and time
// (HH:MM UT) of its first and last record, each ending in a blank.
struct FilePanel {
  std::string_view fileName, startDate, startTime, endDate, endTime;
  std::string_view stationCode;  // the code of the record read most recently
};

// Where the start texts stand: a paint draws them at 155, opening a file at 160.
inline constexpr int kPaintStartTextX = 155, kOpenStartTextX = 160;

// The decade labels, "10" at (54, 469) up to "100000" at (22, 69).
void DrawDecadeLabels(DrawingSurface& s);
void DrawFileLabels(DrawingSurface& s);
// The axis titles, the file labels and the decade labels, in the small font.
void DrawFrameLabels(DrawingSurface& s, const ChartStyle& style);
// The panel, each line blanked to its full width before it is drawn; the
// station's name in the large font, which is left selected.
void DrawFilePanel(DrawingSurface& s, const ChartStyle& style, const FilePanel& panel, int startTextX);
// The panel's lines blank, and the read-out's.
void BlankFilePanel(DrawingSurface& s, const ChartStyle& style);
// The plot black, its border included, while no file is loaded.
void DrawEmptyPlot(DrawingSurface& s, const ChartStyle& style);

}  // namespace helvarra
