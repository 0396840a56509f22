#pragma once
// The faces that stand in for the chart's font names, chosen the same way on
// every machine: "Courier" is Liberation Mono (Courier's metrics, 8-pixel
// cells at 13 pixels), "New Roman" is Liberation Serif. Text is drawn without
// antialiasing so every pixel holds the exact colour drawn.

#include <QFont>

#include "chart/drawing_surface.h"

namespace helvarra::qt {

QFont ToQFont(const Font& font);

}  // namespace helvarra::qt
