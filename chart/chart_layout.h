#pragma once
// The chart's fixed geometry, its two scales, and its colours and fonts.
// Every number here is a pixel of the main window's client area; nothing
// scales with the window, the screen or the fonts.

#include <array>
#include <cstdint>

#include "chart/drawing_surface.h"
#include "data/record_time.h"  // kGapSeconds: a longer step between records is not drawn

namespace helvarra {

inline constexpr Size kClientSize{798, 574};
// The window's picture that printing puts on the page: the chart with its
// labels and panel, the buttons, check boxes and slider included.
inline constexpr Rect kPrintedArea{0, 0, 792, 574};

inline constexpr Rect kPlotRect{79, 9, 681, 511};        // black, border included
inline constexpr Rect kTimeAxisRect{60, 511, 705, 535};  // background colour

inline constexpr int kTraceLeftX = 80;    // time offset 0 s
inline constexpr int kTraceRightX = 680;  // time offset 1800 s
inline constexpr int kRowZeroY = 510;     // flux row 0
inline constexpr int kHighestStartRow = 500;
inline constexpr int kWindowSeconds = 1800;

// Time axis: one tick a minute, 20 columns apart, labelled every ten minutes.
inline constexpr int kTickTopY = 511;
inline constexpr int kMinorTickEndY = 516;
inline constexpr int kMajorTickEndY = 521;
inline constexpr int kTickSpacing = 20;
inline constexpr int kTickLabelDX = -15, kTickLabelY = 522;

// The cursor read-out's three lines right of the plot: channel, flux, time.
inline constexpr int kReadoutLines = 3;
inline constexpr int kReadoutX = 690;
inline constexpr std::array<int, kReadoutLines> kReadoutLineY{80, 95, 110};
// How many blanks erase each line: a click, wide enough for the longest text
// a line can hold; opening a file, as wide as a label, a flux and a time.
using ReadoutBlanks = std::array<int, kReadoutLines>;
inline constexpr ReadoutBlanks kReadoutBlanks{13, 13, 13};
inline constexpr ReadoutBlanks kOpenReadoutBlanks{10, 10, 12};

// Flux row of a value: 100 x log10(v) - 69 truncated toward zero, 0 taken as
// 1, a negative value (no logarithm) row 0.
int FluxRow(int value);

// The rows of the values below kTabulatedFluxRows, where nearly all flux
// lies, worked out once by FluxRow's formula, for a loop over a window's
// values: FluxRowIn(table, v) is FluxRow(v).
inline constexpr int kTabulatedFluxRows = 1 << 17;
const std::int16_t* FluxRowTable();
inline int FluxRowIn(const std::int16_t* table, int value) {
  return value >= 0 && value < kTabulatedFluxRows ? table[value] : FluxRow(value);
}
constexpr int RowY(int row) { return kRowZeroY - row; }
constexpr int OffsetX(int seconds) { return kTraceLeftX + seconds / 3; }
// The scales backwards, for a point of the plot: the middle one of the three
// seconds whose column is x, and the lowest flux of the row at y (10^((579 -
// y) / 100), truncated; exact on the decades' grid lines).
constexpr int SecondsAtX(int x) { return 3 * (x - kTraceLeftX) + 1; }
int FluxAtY(int y);
// The y of a decade's grid line: 579 - 100 x log10(decade).
int DecadeY(int decade);

inline constexpr Colour kGridColour = 0x444444;
inline constexpr Colour kPlotColour = 0x000000;
inline constexpr Colour kTextColour = 0xFFFFFF;

inline constexpr int kTracePenWidth = 2;

inline constexpr const char* kSmallFontFace = "Courier";
inline constexpr int kSmallFontTenths = 100;
inline constexpr const char* kLargeFontFace = "New Roman";
inline constexpr int kLargeFontTenths = 140;

}  // namespace helvarra
