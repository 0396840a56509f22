#pragma once
// The time slider, control 1005, as the dialog's member sees it.

#include "viewer/window_services.h"

namespace helvarra {

class SliderCtrl {
 public:
  void Bind(WindowServices& services, int controlId) {
    services_ = &services;
    id_ = controlId;
  }
  bool IsBound() const { return services_ != nullptr; }
  int GetDlgCtrlID() const { return id_; }
  void SetPos(int position) { services_->SetSliderPos(position); }
  int GetPos() const { return services_->GetSliderPos(); }
  void SetRangeMax(int maximum) { services_->SetSliderMax(maximum); }

 private:
  WindowServices* services_ = nullptr;
  int id_ = 0;
};

}  // namespace helvarra
