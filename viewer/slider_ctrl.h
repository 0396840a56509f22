#pragma once
// The time slider, control 1005, as the dialog's member sees it.

#include "viewer/window_services.h"

namespace helvarra {

class SliderCtrl {
 public:
  // The slider is control 1005; the services know it by that.
  void Bind(WindowServices& services) { services_ = &services; }
  bool IsBound() const { return services_ != nullptr; }
  void SetPos(int position) { services_->SetSliderPos(position); }
  int GetPos() const { return services_->GetSliderPos(); }
  void SetRangeMax(int maximum) { services_->SetSliderMax(maximum); }

 private:
  WindowServices* services_ = nullptr;
};

}  // namespace helvarra
