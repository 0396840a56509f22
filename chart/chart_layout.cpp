#include "chart/chart_layout.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace helvarra {

namespace {

int FluxRowByFormula(int value) {
  const double v = value == 0 ? 1.0 : static_cast<double>(value);
  return static_cast<int>(100.0 * std::log10(v) - 69.0);
}

}  // namespace

// A plot asks for some fifteen thousand rows.
const std::int16_t* FluxRowTable() {
  static const std::vector<std::int16_t> table = [] {
    std::vector<std::int16_t> rows(kTabulatedFluxRows);
    for (int v = 0; v < kTabulatedFluxRows; ++v)
      rows[static_cast<std::size_t>(v)] = static_cast<std::int16_t>(FluxRowByFormula(v));
    return rows;
  }();
  return table.data();
}

int FluxRow(int value) {
  if (value < 0) return 0;
  if (value < kTabulatedFluxRows) return FluxRowTable()[value];
  return FluxRowByFormula(value);
}

int FluxAtY(int y) { return static_cast<int>(std::pow(10.0, (kRowZeroY + 69 - y) * 0.01)); }

int DecadeY(int decade) { return static_cast<int>(579.0 - 100.0 * std::log10(static_cast<double>(decade))); }

Pen MakePen(PenStyle style, int width, Colour colour) { return Pen{style, width, colour}; }

Brush MakeSolidBrush(Colour colour) { return Brush{colour}; }

Font MakePointFont(std::string_view face, int tenthsOfPoint, const DrawingSurface& surface) {
  return Font{std::string(face), tenthsOfPoint, surface.PixelsPerInchY() * tenthsOfPoint / 720};
}

}  // namespace helvarra
