#include "platform/qt/qt_channel_check_box.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include "chart/colour.h"

namespace helvarra::qt {
namespace {

// The dialog's check boxes: a 13-pixel box at the left edge, centred in
// height, and the label 3 pixels after it, so "15400 MHZ" fits its
// 75-pixel control.
constexpr int kBoxSize = 13;
constexpr int kTextLeft = kBoxSize + 3;

// The label's colours: on a band, black or white, whichever stands out from
// it, whatever the style's own text colour; without one, the style's.
QPalette LabelPalette(QPalette palette, const QColor& band) {
  if (!band.isValid()) return palette;
  const Colour text = TextColourOn(MakeColour(band.red(), band.green(), band.blue()));
  palette.setColor(QPalette::WindowText, QColor(RedOf(text), GreenOf(text), BlueOf(text)));
  return palette;
}

}  // namespace

ChannelCheckBox::ChannelCheckBox(const QString& text, std::function<QColor()> bandColour, QWidget* parent)
    : QCheckBox(text, parent), bandColour_(std::move(bandColour)) {}

QRect ChannelCheckBox::TextArea() const { return QRect(kTextLeft, 0, width() - kTextLeft, height()); }

void ChannelCheckBox::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.rect = QRect(0, (height() - kBoxSize) / 2, kBoxSize, kBoxSize);
  p.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);

  // The label on its band, as wide as its text.
  const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
  const QRect area = TextArea();
  const QRect label = fontMetrics().boundingRect(area, flags, text());
  const QColor band = bandColour_ ? bandColour_() : QColor();
  if (band.isValid()) p.fillRect(label.adjusted(-1, 0, 1, 0), band);
  p.drawItemText(area, flags, LabelPalette(palette(), band), isEnabled(), text(), QPalette::WindowText);
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = label.adjusted(-2, -1, 2, 1);
    p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

// The whole control takes the click, box and label alike.
bool ChannelCheckBox::hitButton(const QPoint& pos) const { return rect().contains(pos); }

}  // namespace helvarra::qt
