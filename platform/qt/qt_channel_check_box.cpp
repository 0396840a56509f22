#include "platform/qt/qt_channel_check_box.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace helvarra::qt {

ChannelCheckBox::ChannelCheckBox(const QString& text, std::function<QColor()> bandColour, QWidget* parent)
    : QCheckBox(text, parent), bandColour_(std::move(bandColour)) {}

void ChannelCheckBox::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString label = option.text;
  option.text.clear();
  p.drawControl(QStyle::CE_CheckBox, option);

  // The label on its band, as wide as its text.
  option.text = label;
  const QRect contents = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
  const QRect text = option.fontMetrics.boundingRect(contents, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, label);
  const QColor band = bandColour_ ? bandColour_() : QColor();
  if (band.isValid()) p.fillRect(text.adjusted(-1, 0, 1, 0), band);
  p.drawItemText(contents, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, option.palette,
                 isEnabled(), label, QPalette::WindowText);
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = text.adjusted(-2, -1, 2, 1);
    p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

}  // namespace helvarra::qt
