// The real slider moved from the keyboard or with the wheel: the chart
// follows it as a mouse release does, once the key is let go (not at each
// step a held key repeats) or once the wheel is still.

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QSlider>
#include <QWheelEvent>

#include "tests/platform/qt_viewer_fixture.h"

namespace helvarra::test {
namespace {

std::string Hours(int count) {
  std::string bytes;
  for (int t = 0; t < count; ++t)
    bytes +=
        RecordLine("APLM", 24, 5, 14, 12 + t / 3600, t / 60 % 60, t % 60, {100, 200, 300, 400, 500, 600, 700, 800});
  return bytes;
}

class SliderMovesTest : public QtViewerTest {
 protected:
  SliderMovesTest() {
    Open("slide.apl", Hours(7200));
    slider = services.MainWindow()->Slider();
    slider->setFocus();
  }
  void Key(QEvent::Type type, Qt::Key key, bool repeat = false) {
    QKeyEvent event(type, key, Qt::NoModifier, QString(), repeat);
    QApplication::sendEvent(slider, &event);
    Settle();
  }
  QSlider* slider = nullptr;
};

// A key held down moves the slider at each repeat; the chart follows once
// the key is let go. (End and Left let go at once are the end-to-end run's.)
TEST_F(SliderMovesTest, AHeldKeyRedrawsOnlyWhenLetGo) {
  Key(QEvent::KeyPress, Qt::Key_Right);
  for (int i = 0; i < 3; ++i) {
    Key(QEvent::KeyRelease, Qt::Key_Right, true);
    Key(QEvent::KeyPress, Qt::Key_Right, true);
  }
  EXPECT_EQ(slider->value(), 4);
  EXPECT_EQ(dlg.RecordIndex(), 0);
  Key(QEvent::KeyRelease, Qt::Key_Right);
  EXPECT_EQ(dlg.RecordIndex(), 4);
}

TEST_F(SliderMovesTest, TheWheelAtRestRedrawsTheChartWhereTheSliderStands) {
  for (int turn = 0; turn < 2; ++turn) {
    const QPointF at = slider->rect().center();
    QWheelEvent wheel(at, slider->mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(slider, &wheel);
  }
  ASSERT_GT(slider->value(), 0);
  QElapsedTimer clock;
  clock.start();
  while (dlg.RecordIndex() != slider->value() && clock.elapsed() < 5000) Settle();
  EXPECT_EQ(dlg.RecordIndex(), slider->value());
}

}  // namespace
}  // namespace helvarra::test
