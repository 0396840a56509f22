#pragma once
// A control's rectangle in pixels: its corners converted from dialog units
// and rounded, so widths follow from the rounded corners.

#include <QRect>

#include "resources/dialog_templates.h"

namespace helvarra::qt {

inline QRect PixelRect(const resources::ControlTemplate& c) {
  using resources::DialogUnitsToPixelsX, resources::DialogUnitsToPixelsY;
  const int left = DialogUnitsToPixelsX(c.x), top = DialogUnitsToPixelsY(c.y);
  return QRect(left, top, DialogUnitsToPixelsX(c.x + c.width) - left, DialogUnitsToPixelsY(c.y + c.height) - top);
}

}  // namespace helvarra::qt
