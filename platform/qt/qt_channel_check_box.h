#pragma once
// A channel's check box: its label drawn on a band of the colour the dialog
// gives it when the box asks for its colours; the box itself keeps the
// dialog's background.

#include <QCheckBox>
#include <functional>

namespace helvarra::qt {

class ChannelCheckBox : public QCheckBox {
 public:
  // bandColour is asked on every paint, as a control asks its dialog.
  ChannelCheckBox(const QString& text, std::function<QColor()> bandColour, QWidget* parent);

  // Where the label is drawn: right of the box, the control's full height.
  QRect TextArea() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override;

 private:
  std::function<QColor()> bandColour_;
};

}  // namespace helvarra::qt
