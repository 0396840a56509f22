#pragma once
// The application: one object whose start-up runs the main dialog modally.
// Every way of closing the dialog ends the program the same way.

#include "viewer/overview_services.h"
#include "viewer/window_services.h"

namespace helvarra {

class CFluxViewerApp {
 public:
  // Runs the main dialog on the given window services (its own, and the day
  // overview's) and returns false: the program ends when the dialog does.
  bool StartUp(WindowServices& services, OverviewServices& overviewServices);
};

}  // namespace helvarra
