// The channel check boxes' labels under a dark look, a dark palette or a
// style sheet with pale text: each stays black on its band, which every
// channel's colour calls for, rather than taking the look's pale text.

#include <QCheckBox>
#include <QPalette>

#include "tests/platform/qt_viewer_fixture.h"

namespace helvarra::test {
namespace {

// Black or nearly black pixels (text drawn smoothed) on the label's band:
// the band's own pixels bound the label.
int BlackOnBand(const QImage& box, Colour band) {
  QRect bounds;
  for (int y = 0; y < box.height(); ++y)
    for (int x = 0; x < box.width(); ++x)
      if (qt::FromQRgb(box.pixel(x, y)) == band) bounds |= QRect(x, y, 1, 1);
  int black = 0;
  for (int y = bounds.top(); y <= bounds.bottom(); ++y)
    for (int x = bounds.left(); x <= bounds.right(); ++x) black += qGray(box.pixel(x, y)) < 64;
  return black;
}

class ChannelLabelsTest : public QtViewerTest {};

TEST_F(ChannelLabelsTest, StayBlackOnTheirBandsUnderADarkLook) {
  QPalette dark = services.MainWindow()->palette();
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    dark.setColor(role, QColor(235, 235, 235));
  dark.setColor(QPalette::Window, QColor(40, 40, 40));
  const struct {
    const char* look;
    std::function<void(QWidget&)> apply;
  } looks[] = {
      {"dark palette", [&](QWidget& w) { w.setPalette(dark); }},
      {"style sheet", [](QWidget& w) { w.setStyleSheet("QCheckBox { color: #eeeeee; background: #282828; }"); }},
  };
  for (const auto& look : looks) {
    look.apply(*services.MainWindow());
    Settle();
    for (int k = 0; k < kChannelCount; ++k) {
      const QImage box = services.MainWindow()->Control(Channel(k).controlId)->grab().toImage();
      EXPECT_GT(BlackOnBand(box, Channel(k).colour), 20) << look.look << ", " << Channel(k).label;
    }
  }
}

}  // namespace
}  // namespace helvarra::test
