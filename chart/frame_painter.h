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

// The file line of the panel holds 13 of the small font's cells from x 690
// to the window's edge. A name of 14 characters (an archive name such as
// 28OCT13.APL.gz) starts at 681 instead, right of the plot, and still ends
// inside the printed area; a longer one is shortened in its middle to 14
// characters, "…" standing for what is left out, so that its end stays.
inline constexpr int kPanelFileNameCells = 14;
inline constexpr Rect kPanelFileNameLine{681, 50, 798, 63};  // from the plot's right to the window's edge
std::string PanelFileNameText(std::string_view name);
// True if the panel shows less than the whole name.
bool PanelFileNameCut(std::string_view name);
// The file line alone, blanked first.
void DrawFileNameLine(DrawingSurface& s, const ChartStyle& style, std::string_view name);

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
