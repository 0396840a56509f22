// The built program's window on a screen too small for it: on a 1366 x 768
// screen scaled to 150 % the window would be 1197 x 861 pixels. It must lie
// within the screen; only its height does not fit, so it scrolls only down,
// with a vertical scroll bar beside the whole width of the client area, and
// the mouse wheel brings its bottom right into view: the last channel's check
// box, whole, and the slider, which then work when clicked. At 100 % on the
// same screen the window keeps its natural 798 x 574 pixels, without scroll
// bars. Every step waits for what the screen shows.
//
// e2e_window_fit TARRAWIN SAMPLE [SCREENSHOT.png]   (DISPLAY must name a 1366 x 768 screen)

#include "tests/e2e/e2e_scaled_viewer.h"

namespace {

using e2e::Bounds, e2e::Count, e2e::kLastChannel, e2e::ScaledViewer;
using e2e::Check, e2e::Click, e2e::Screen, e2e::WaitFor, e2e::Xdotool;
namespace res = helvarra::resources;

constexpr QRgb kWindowColour = qRgb(212, 208, 200);

// At 100 %: the natural size, the client area whole, nothing along its right
// and bottom edges where scroll bars would be. The band of the last check box
// is returned, in client pixels.
QRect CheckNaturalSize(const QString& program, const QString& sample) {
  ScaledViewer viewer(program, sample, "1");
  const QRect frame = viewer.Frame();
  Check(frame.size() == QSize(798, 574),
        QString("at 100 % the window is 798 x 574 (%1 x %2)").arg(frame.width()).arg(frame.height()));
  QImage window;
  QRect band;
  Check(WaitFor(
            [&] {
              window = Screen().copy(frame);
              band = Bounds(window, QRect(690, 0, 108, 574), kLastChannel);
              return Count(window, QRect(80, 10, 600, 500), kLastChannel) > 100 && band.width() > 20;
            },
            20000),
        "the sample is drawn and the last check box shows its band");
  Check(e2e::TemplateRect(res::IDC_CHECK_LAST).contains(band), "where the template puts the check box");
  const QRect right(792, 0, 6, 574), bottom(0, 571, 798, 3);
  Check(Count(window, right, kWindowColour) == 6 * 574 && Count(window, bottom, kWindowColour) == 798 * 3,
        "no scroll bars: the right and bottom edges show the window's colour");
  return band;
}

// At 150 %: the window within the screen, and its bottom right brought into
// view with the wheel, down only: the wheel turned right moves nothing across.
void CheckScrolled(const QString& program, const QString& sample, const QRect& naturalBand, const QString& screenshot) {
  ScaledViewer viewer(program, sample, "1.5");
  const QRect frame = viewer.Frame();
  Check(QRect(0, 0, 1366, 768).contains(frame),
        QString("at 150 % the window lies within the screen (%1 x %2 at %3, %4)")
            .arg(frame.width())
            .arg(frame.height())
            .arg(frame.x())
            .arg(frame.y()));
  // Left of the panel: the chart, whichever way it is scrolled.
  const QRect chart(frame.x(), frame.y(), 990, frame.height());
  Check(WaitFor([&] { return Count(Screen(), chart, kLastChannel) > 100; }, 20000), "the sample is drawn");
  const QRect panel(frame.x() + 1040, frame.y(), frame.width() - 1040, frame.height());
  Check(Count(Screen(), panel, kLastChannel) == 0, "the last check box is out of view at first");

  // The wheel over the chart, down and right, more than the window scrolls,
  // until the screen no longer changes and the band shows whole, half as big
  // again as at 100 % and as far right as the window puts it unscrolled.
  const QSize whole = naturalBand.size() * 3 / 2;
  Xdotool({"mousemove", "--sync", QString::number(frame.center().x()), QString::number(frame.center().y())});
  QImage shown = Screen();
  QRect band;
  const bool inView = WaitFor(
      [&] {
        Xdotool({"click", "--repeat", "4", "5"});
        Xdotool({"click", "--repeat", "4", "7"});
        const QImage before = shown;
        shown = Screen();
        band = Bounds(shown, panel, kLastChannel);
        return shown == before && !band.isEmpty() && std::abs(band.width() - whole.width()) <= 2 &&
               std::abs(band.height() - whole.height()) <= 2;
      },
      20000);
  Check(inView, QString("the wheel brings the last check box wholly into view (band %1 x %2, %3 x %4 expected)")
                    .arg(band.width())
                    .arg(band.height())
                    .arg(whole.width())
                    .arg(whole.height()));
  const int across = frame.x() + naturalBand.x() * 3 / 2;
  Check(std::abs(band.x() - across) <= 2,
        QString("no horizontal scroll bar: nothing scrolls across (the band at x %1, %2 unscrolled)")
            .arg(band.x())
            .arg(across));
  if (!screenshot.isEmpty()) shown.save(screenshot);

  Click(band.center());
  Check(WaitFor([&] { return Count(Screen(), chart, kLastChannel) == 0; }, 10000),
        "a click on it takes the channel's traces off the chart");

  // The slider, where the band puts it at this scale: within the window, and
  // a click on it moves the chart on.
  const QRect naturalSlider = e2e::TemplateRect(res::IDC_SLIDER);
  const QRect slider(band.topLeft() + (naturalSlider.topLeft() - naturalBand.topLeft()) * 3 / 2,
                     naturalSlider.size() * 3 / 2);
  Check(frame.contains(slider), "the slider lies within the window");
  const QImage before = Screen().copy(chart);
  Click(QPoint(slider.left() + slider.width() * 4 / 5, slider.center().y()));
  Check(WaitFor([&] { return Screen().copy(chart) != before; }, 10000), "a click on the slider moves the chart on");
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: e2e_window_fit TARRAWIN SAMPLE [SCREENSHOT.png]\n");
    return 2;
  }
  const QString program = QString::fromLocal8Bit(argv[1]), sample = QString::fromLocal8Bit(argv[2]);
  const QRect naturalBand = CheckNaturalSize(program, sample);
  CheckScrolled(program, sample, naturalBand, argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());
  e2e::CheckUnderWindowManager(program, sample, naturalBand);
  std::printf("%d passed, %d failed\n", e2e::passes, e2e::failures);
  return e2e::failures == 0 ? 0 : 1;
}
