// The window at 200 % on the 1366 x 768 screen under a window manager
// (openbox, started here), where its client area is twice the screen's
// height: framed and all it must lie within the screen, and with the mouse
// alone, the wheel over the chart and over the horizontal scroll bar (the
// window manager may keep Alt+wheel for itself), every button and the whole
// slider come into view and work when clicked.

#include "tests/e2e/e2e_scaled_viewer.h"

namespace e2e {
namespace {

namespace res = helvarra::resources;

// The window's client area on the screen, from the X server's own answer
// (xdotool's is off by the frame under a window manager).
QRect ClientOnScreen(const QString& window) {
  QProcess p;
  p.start("xwininfo", {"-id", window});
  p.waitForFinished(10000);
  int values[4] = {-1, -1, 0, 0};
  const char* keys[4] = {"Absolute upper-left X:", "Absolute upper-left Y:", "Width:", "Height:"};
  for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
    for (int k = 0; k < 4; ++k)
      if (line.trimmed().startsWith(keys[k])) values[k] = line.trimmed().mid(qsizetype(std::strlen(keys[k]))).toInt();
  return {values[0], values[1], values[2], values[3]};
}

// The frame the window manager puts round it: left, top, right, bottom.
QMargins FrameExtents(const QString& window) {
  QProcess p;
  p.start("xprop", {"-id", window, "_NET_FRAME_EXTENTS"});
  p.waitForFinished(10000);
  const QStringList v = QString::fromUtf8(p.readAllStandardOutput()).section('=', 1).split(',');
  if (v.size() != 4) return {};
  return {v[0].toInt(), v[2].toInt(), v[1].toInt(), v[3].toInt()};
}

bool WindowManagerRunning() {
  QProcess p;
  p.start("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"});
  p.waitForFinished(10000);
  return p.readAllStandardOutput().contains("window id");
}

// The wheel turned at a place until what the screen shows no longer changes.
bool WheelUntilStill(const QPoint& at, const QString& button) {
  Xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y())});
  QImage shown = Screen();
  return WaitFor(
      [&] {
        Xdotool({"click", "--repeat", "5", "--delay", "30", button});
        QThread::msleep(200);
        const QImage before = shown;
        shown = Screen();
        return shown == before;
      },
      30000);
}

// A control's place on the screen at 200 %, the client area's top left at
// `origin`.
QRect Doubled(int id, const QPoint& origin) {
  const QRect r = TemplateRect(id);
  return {origin + r.topLeft() * 2, r.size() * 2};
}

bool AnyWindowNamed(const QString& name) { return !FindWindow(name).isEmpty(); }

QString TextOf(int id) {
  for (const res::ControlTemplate& c : res::kMainDialogControls)
    if (c.id == id) return QString::fromLatin1(c.text.data(), qsizetype(c.text.size()));
  return {};
}

// The window framed, then fitted to its frame: its client area on the
// screen once the frame stays put, and the frame round it.
QRect Framed(const QString& window, QRect& client) {
  QRect framed;
  WaitFor(
      [&] {
        const QRect before = framed;
        QThread::msleep(200);
        client = ClientOnScreen(window);
        framed = client.marginsAdded(FrameExtents(window));
        return framed == before && framed != client;
      },
      15000);
  return framed;
}

// Scrolled right with the wheel over the horizontal scroll bar along the
// bottom, down with the wheel over the chart at the left: the last check
// box's band, whole at twice its size, says where the client area stands.
// The view, the part of the window the client area shows, is returned, and
// the slider checked whole in it and working.
QRect ReachTheBottomRight(const QRect& client, const QRect& naturalBand, QPoint& origin) {
  Check(WheelUntilStill({client.center().x(), client.bottom() - 3}, "5"), "the wheel scrolls the window across");
  Check(WheelUntilStill({client.left() + 40, client.center().y()}, "5"), "and down");
  const QRect panel(client.right() - 200, client.top(), 200, client.height());
  const QRect band = Bounds(Screen(), panel, kLastChannel);
  Check(!band.isEmpty() && std::abs(band.width() - naturalBand.width() * 2) <= 2 &&
            std::abs(band.height() - naturalBand.height() * 2) <= 2,
        QString("the last check box comes wholly into view (band %1 x %2)").arg(band.width()).arg(band.height()));
  origin = band.topLeft() - naturalBand.topLeft() * 2;
  // Scrolled to its end, the client area's bottom right is the view's.
  const QRect view(client.topLeft(), origin + QPoint(798 * 2 - 1, 574 * 2 - 1));
  Check(client.contains(view) && QRect(0, 0, 1366, 768).contains(view),
        "the view lies within the window, on the screen");
  const QRect slider = Doubled(res::IDC_SLIDER, origin);
  Check(view.contains(slider), "the whole slider is in view");
  // The chart in view: left of the buttons and above the slider.
  const QRect above(view.left(), view.top(), 900, slider.top() - view.top());
  const QImage before = Screen().copy(above);
  Click({slider.left() + slider.width() * 4 / 5, slider.center().y()});
  Check(WaitFor([&] { return Screen().copy(above) != before; }, 10000), "a click on the slider moves the chart on");
  return view;
}

// Scrolled up again: every button whole in view, and "&Files", "&Select
// Toggle" and "&Quit" working when clicked.
void ReachTheButtons(const QRect& client, const QRect& view, const QPoint& origin, const ScaledViewer& viewer) {
  Check(WheelUntilStill({client.left() + 40, client.center().y()}, "4"), "the wheel scrolls the window up");
  const QPoint top(origin.x(), client.top());
  for (int id : {res::IDC_FILES, res::IDC_BROWSE, res::IDC_STOP, res::IDC_PRINT, res::IDOK, res::IDC_SELECT_TOGGLE})
    Check(view.contains(Doubled(id, top)), QString("\"%1\" is whole in view").arg(TextOf(id)));
  Click(Doubled(res::IDC_FILES, top).center());
  Check(WaitFor([] { return AnyWindowNamed("^Open$"); }, 10000), "\"&Files\" opens the file dialog");
  Check(WaitFor(
            [] {
              Xdotool({"windowfocus", "--sync", FindWindow("^Open$")});
              Xdotool({"key", "Escape"});
              return WaitFor([] { return !AnyWindowNamed("^Open$"); }, 1500);
            },
            20000),
        "which Escape closes");
  const QRect chart(view.left(), view.top(), 900, view.height());
  Check(Count(Screen(), chart, kLastChannel) > 0, "the last channel's traces in view");
  Click(Doubled(res::IDC_SELECT_TOGGLE, top).center());
  Check(WaitFor([&] { return Count(Screen(), chart, kLastChannel) == 0; }, 10000),
        "\"&Select Toggle\" takes every channel off the chart");
  Click(Doubled(res::IDOK, top).center());
  Check(WaitFor([&] { return !viewer.Running(); }, 10000), "\"&Quit\" ends the program");
}

}  // namespace

void CheckUnderWindowManager(const QString& program, const QString& sample, const QRect& naturalBand) {
  // openbox keeps its settings and logs in a home of its own.
  QTemporaryDir home;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("HOME", home.path());
  for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"}) env.remove(name);
  QProcess openbox;
  openbox.setProcessEnvironment(env);
  openbox.start("openbox", {"--sm-disable"});
  Check(openbox.waitForStarted(10000) && WaitFor(WindowManagerRunning, 10000), "openbox manages the screen");
  {
    ScaledViewer viewer(program, sample, "2");
    QRect client;
    const QRect framed = Framed(viewer.Window(), client);
    Check(QRect(0, 0, 1366, 768).contains(framed),
          QString("at 200 %, framed, the window lies within the screen (%1 x %2 at %3, %4)")
              .arg(framed.width())
              .arg(framed.height())
              .arg(framed.x())
              .arg(framed.y()));
    Check(WaitFor([&] { return Count(Screen(), client, kLastChannel) > 100; }, 20000), "the sample is drawn");
    QPoint origin;
    const QRect view = ReachTheBottomRight(client, naturalBand, origin);
    ReachTheButtons(client, view, origin, viewer);
  }
  openbox.terminate();
  if (!openbox.waitForFinished(10000)) openbox.kill();
}

}  // namespace e2e
