#pragma once
// The window's backing image and the one painter that draws on it. Qt lets
// only one painter work on an image at a time, while the viewer may hold two
// surfaces of the window at once, so the surfaces share this painter and set
// their own pen, font and colours on every operation.

#include <QImage>
#include <QPainter>
#include <functional>
#include <optional>

namespace helvarra::qt {

class QtCanvas {
 public:
  explicit QtCanvas(QSize size) : image_(size, QImage::Format_RGB32) {}

  QImage& Image() { return image_; }
  const QImage& Image() const { return image_; }

  QPainter& Painter() {
    if (!painter_) {
      painter_.emplace(&image_);
      painter_->setRenderHint(QPainter::Antialiasing, false);
      painter_->setRenderHint(QPainter::TextAntialiasing, false);
    }
    return *painter_;
  }
  // Ends the painting, so the image holds everything drawn.
  void Finish() { painter_.reset(); }

  // What the window shows, controls included; the image alone by default.
  void SetPictureSource(std::function<QImage()> source) { pictureSource_ = std::move(source); }
  QImage Picture() {
    Finish();
    return pictureSource_ ? pictureSource_() : image_;
  }

 private:
  QImage image_;
  std::optional<QPainter> painter_;
  std::function<QImage()> pictureSource_;
};

}  // namespace helvarra::qt
