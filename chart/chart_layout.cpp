#include "chart/chart_layout.h"

#include <cmath>

namespace helvarra {

int FluxRow(int value) {
  if (value < 0) return 0;
  const double v = value == 0 ? 1.0 : static_cast<double>(value);
  return static_cast<int>(100.0 * std::log10(v) - 69.0);
}

int DecadeY(int decade) {
  return static_cast<int>(579.0 - 100.0 * std::log10(static_cast<double>(decade)));
}

Pen MakePen(PenStyle style, int width, Colour colour) { return Pen{style, width, colour}; }

Brush MakeSolidBrush(Colour colour) { return Brush{colour}; }

Font MakePointFont(std::string_view face, int tenthsOfPoint, const DrawingSurface& surface) {
  return Font{std::string(face), tenthsOfPoint, surface.PixelsPerInchY() * tenthsOfPoint / 720};
}

}  // namespace helvarra
