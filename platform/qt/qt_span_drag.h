#pragma once
// A stretch dragged across a picture with the mouse: a band shows it while
// the button is held, and letting go hands on its two ends, or a click where
// the mouse hardly moved.

#include <QMouseEvent>
#include <QRubberBand>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <memory>

namespace helvarra::qt {

class SpanDrag {
 public:
  using Spanned = std::function<void(int x1, int x2)>;
  using Clicked = std::function<void(int x, int y)>;

  explicit SpanDrag(QWidget& picture) : picture_(picture) {}

  bool Active() const { return band_ != nullptr; }
  void Start(const QMouseEvent& e) {
    from_ = e.position().toPoint();
    band_ = std::make_unique<QRubberBand>(QRubberBand::Rectangle, &picture_);
    Move(e);
    band_->show();
  }
  void Move(const QMouseEvent& e) {
    if (band_)
      band_->setGeometry(
          QRect(from_, QPoint(e.position().toPoint().x(), from_.y())).normalized().adjusted(0, -8, 0, 8));
  }
  // A drag of three pixels or more is a stretch; less, a click.
  void Finish(const QMouseEvent& e, const Spanned& spanned, const Clicked& clicked) {
    if (!band_) return;
    band_.reset();
    const int x = e.position().toPoint().x();
    if (std::abs(x - from_.x()) >= 3)
      spanned(from_.x(), x);
    else if (clicked)
      clicked(from_.x(), from_.y());
  }

 private:
  QWidget& picture_;
  QPoint from_;
  std::unique_ptr<QRubberBand> band_;
};

}  // namespace helvarra::qt
