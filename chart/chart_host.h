#pragma once
// What the chart's drawing routines need from the window they draw on: its
// surfaces, the slider and the browse timer they move and stop, and the
// minimised state with the sizes the minimised icon is centred by.

#include "chart/drawing_surface.h"

namespace helvarra {

class ChartHost : public WindowSurfaces {
 public:
  // The slider limits a position to its range, 0 to its maximum, and never
  // reports a negative position.
  virtual void SetSliderPos(int position) = 0;
  virtual int GetSliderPos() const = 0;
  // Timer 1, the browse timer; stopping it twice is harmless.
  virtual void StopTimer() = 0;

  virtual bool IsMinimised() const = 0;
  virtual Size GetClientSize() const = 0;
  virtual Size GetIconSize() const = 0;
  // Paints the minimised window's background before its icon is drawn.
  virtual void EraseIconBackground(DrawingSurface& paintSurface) = 0;
};

}  // namespace helvarra
