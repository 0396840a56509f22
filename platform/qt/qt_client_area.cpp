#include "platform/qt/qt_client_area.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace helvarra::qt {

ClientArea::ClientArea(QtCanvas& canvas, Pressed pressed) : canvas_(canvas), pressed_(std::move(pressed)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientArea::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.drawImage(event->rect(), canvas_.Image(), event->rect());
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
  if (pressed_) pressed_(*event);
  QWidget::mousePressEvent(event);
}

}  // namespace helvarra::qt
