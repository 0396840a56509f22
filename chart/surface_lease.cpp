#include "chart/chart_window.h"

namespace helvarra {

ChartWindow::SurfaceLease::SurfaceLease(ChartWindow& window, bool tracksIdle)
    : window_(window), tracksIdle_(tracksIdle), surface_(window.m_host.AcquireWindowSurface()) {
  if (tracksIdle_) window_.m_bIdle = 0;
}

ChartWindow::SurfaceLease::~SurfaceLease() {
  const int released = window_.m_host.ReleaseWindowSurface(std::move(surface_));
  if (tracksIdle_) window_.m_bIdle = released;
}

}  // namespace helvarra
