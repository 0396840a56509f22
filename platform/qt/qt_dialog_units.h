#pragma once
// A control's rectangle in pixels: its left, top, width and height each
// converted from dialog units and rounded on its own.

#include <QRect>

#include "resources/dialog_templates.h"

namespace helvarra::qt {

inline QRect PixelRect(const resources::ControlTemplate& c) {
  using resources::DialogUnitsToPixelsX, resources::DialogUnitsToPixelsY;
  return QRect(DialogUnitsToPixelsX(c.x), DialogUnitsToPixelsY(c.y), DialogUnitsToPixelsX(c.width),
               DialogUnitsToPixelsY(c.height));
}

}  // namespace helvarra::qt
