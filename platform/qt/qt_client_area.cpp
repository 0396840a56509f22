#include "platform/qt/qt_client_area.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace helvarra::qt {

ClientArea::ClientArea(QtCanvas& canvas, Pressed pressed, SpanDrag::Spanned spanned)
    : canvas_(canvas), pressed_(std::move(pressed)), spanned_(std::move(spanned)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientArea::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.drawImage(event->rect(), canvas_.Image(), event->rect());
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier))
    drag_.Start(*event);
  else if (pressed_)
    pressed_(*event);
  QWidget::mousePressEvent(event);
}

void ClientArea::mouseMoveEvent(QMouseEvent* event) {
  drag_.Move(*event);
  QWidget::mouseMoveEvent(event);
}

void ClientArea::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) drag_.Finish(*event, spanned_, nullptr);
  QWidget::mouseReleaseEvent(event);
}

}  // namespace helvarra::qt
