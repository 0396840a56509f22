#pragma once
// A window's paint, asked for now and delivered once the events already
// queued have run; asking again before then asks for the same paint.

#include <QObject>
#include <QTimer>
#include <functional>

namespace helvarra::qt {

class PaintRequest {
 public:
  PaintRequest(QObject& owner, std::function<void()> paint) : owner_(owner), paint_(std::move(paint)) {}

  void Ask() {
    if (pending_) return;
    pending_ = true;
    QTimer::singleShot(0, &owner_, [this] {
      pending_ = false;
      paint_();
    });
  }

 private:
  QObject& owner_;
  std::function<void()> paint_;
  bool pending_ = false;
};

}  // namespace helvarra::qt
