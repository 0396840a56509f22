#pragma once
// The main window's client area: the chart's backing image drawn pixel for
// pixel, with the dialog's controls placed on it. Its mouse presses are
// handed on in its own coordinates, wherever the window has it scrolled to;
// a Shift+drag across it hands on the stretch instead.

#include <QWidget>
#include <functional>

#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_span_drag.h"

namespace helvarra::qt {

class ClientArea : public QWidget {
 public:
  using Pressed = std::function<void(const QMouseEvent&)>;

  ClientArea(QtCanvas& canvas, Pressed pressed, SpanDrag::Spanned spanned);

  // The whole of what the panel's file line shows cut short (empty: the
  // line shows it all), as that line's tooltip.
  void SetFileNameTip(const QString& tip) { fileNameTip_ = tip; }
  const QString& FileNameTip() const { return fileNameTip_; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QtCanvas& canvas_;
  Pressed pressed_;
  SpanDrag::Spanned spanned_;
  SpanDrag drag_{*this};
  QString fileNameTip_;
};

}  // namespace helvarra::qt
