#include "platform/qt/qt_client_area.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

#include "chart/frame_painter.h"
#include <QPaintEvent>
#include <QPainter>

namespace helvarra::qt {
namespace {

QRect FileNameLine() {
  const Rect& r = kPanelFileNameLine;
  return QRect(r.left, r.top, r.Width(), r.Height());
}

}  // namespace

ClientArea::ClientArea(QtCanvas& canvas, Pressed pressed, SpanDrag::Spanned spanned)
    : canvas_(canvas), pressed_(std::move(pressed)), spanned_(std::move(spanned)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

bool ClientArea::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  if (!fileNameTip_.isEmpty() && FileNameLine().contains(help->pos()))
    QToolTip::showText(help->globalPos(), fileNameTip_, this, FileNameLine());
  else
    QToolTip::hideText();
  return true;
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
