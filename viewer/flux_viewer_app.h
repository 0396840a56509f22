#pragma once
// The application: one object whose start-up runs the main dialog modally.
// Every way of closing the dialog ends the program the same way.

#include "viewer/window_services.h"

namespace helvarra {

class CFluxViewerApp {
 public:
  // Runs the main dialog on the given window services and returns false:
  // the program ends when the dialog does.
  bool StartUp(WindowServices& services);
};

}  // namespace helvarra
