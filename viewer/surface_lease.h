#pragma once
// A window surface held for one drawing routine and given back on every path
// out of it, exceptions included. Given the dialog's m_bIdle, the flag is 0
// while the surface is held and takes the release result afterwards.

#include <memory>

#include "viewer/window_services.h"

namespace helvarra {

class SurfaceLease {
 public:
  SurfaceLease(WindowServices& services, int* idle)
      : services_(services), idle_(idle), surface_(services.AcquireWindowSurface()) {
    if (idle_ != nullptr) *idle_ = 0;
  }
  ~SurfaceLease() {
    const int released = services_.ReleaseWindowSurface(std::move(surface_));
    if (idle_ != nullptr) *idle_ = released;
  }
  SurfaceLease(const SurfaceLease&) = delete;
  SurfaceLease& operator=(const SurfaceLease&) = delete;

  DrawingSurface& operator*() const { return *surface_; }
  DrawingSurface* operator->() const { return surface_.get(); }

 private:
  WindowServices& services_;
  int* idle_;
  std::unique_ptr<DrawingSurface> surface_;
};

}  // namespace helvarra
