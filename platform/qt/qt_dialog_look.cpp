#include "platform/qt/qt_dialog_look.h"

#include <QFont>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace helvarra::qt {
namespace {

QPalette LightPalette() {
  const QColor window(RedOf(kDialogWindowColour), GreenOf(kDialogWindowColour), BlueOf(kDialogWindowColour));
  QPalette p(Qt::black, window, window.lighter(130), window.darker(160), window.darker(120), Qt::black, Qt::white,
             Qt::white, window);
  p.setColor(QPalette::ButtonText, Qt::black);
  p.setColor(QPalette::Highlight, QColor(0, 84, 166));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
  p.setColor(QPalette::ToolTipText, Qt::black);
  p.setColor(QPalette::PlaceholderText, QColor(96, 96, 96));
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
  return p;
}

// One style object for all dialogs, made on first use and kept for the
// program's life.
QStyle* DialogStyle() {
  static QStyle* const style = QStyleFactory::create(QStringLiteral("Fusion"));
  return style;
}

}  // namespace

void ApplyDialogLook(QWidget& dialog) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(11);
  const QPalette palette = LightPalette();
  QStyle* style = DialogStyle();
  // A widget's style does not pass to its children: each control gets it.
  for (QWidget* w : dialog.findChildren<QWidget*>()) {
    if (style != nullptr) w->setStyle(style);
  }
  if (style != nullptr) dialog.setStyle(style);
  dialog.setPalette(palette);
  dialog.setFont(font);
}

}  // namespace helvarra::qt
