#pragma once
// What the end-to-end tests do on the X server: run xdotool, find a window
// and its geometry, click, look at the screen, poll until the screen shows
// what is awaited, and count the checks that pass and fail.

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QThread>
#include <cstdio>
#include <cstring>
#include <functional>

#include "resources/dialog_templates.h"

namespace e2e {

inline int passes = 0, failures = 0;

inline void Check(bool ok, const QString& what) {
  std::printf("%s: %s\n", ok ? "ok" : "FAILED", qPrintable(what));
  ++(ok ? passes : failures);
}

inline QString Xdotool(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral("xdotool"), args);
  p.waitForFinished(10000);
  return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// Polls a condition on what the screen shows (or the processes do) until it
// holds or the time is up.
inline bool WaitFor(const std::function<bool()>& condition, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) {
    if (condition()) return true;
    QThread::msleep(50);
  }
  return condition();
}

inline QString FindWindow(const QString& name) {
  return Xdotool({"search", "--onlyvisible", "--name", name}).section('\n', 0, 0);
}

// The window's client area on the screen, in the screen's pixels
// ("X=..\nY=..\nWIDTH=..\nHEIGHT=..").
inline QRect WindowGeometry(const QString& window) {
  int values[4] = {};
  const char* keys[4] = {"X=", "Y=", "WIDTH=", "HEIGHT="};
  for (const QString& line : Xdotool({"getwindowgeometry", "--shell", window}).split('\n'))
    for (int k = 0; k < 4; ++k)
      if (line.startsWith(keys[k])) values[k] = line.mid(static_cast<qsizetype>(std::strlen(keys[k]))).toInt();
  return {values[0], values[1], values[2], values[3]};
}

inline void Click(const QPoint& at) {
  Xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y())});
  Xdotool({"click", "1"});
}

inline QImage Screen() {
  return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

// Where the dialog's template puts a control, in client pixels.
inline QRect TemplateRect(int id) {
  using namespace helvarra::resources;
  for (const ControlTemplate& c : kMainDialogControls)
    if (c.id == id)
      return {DialogUnitsToPixelsX(c.x), DialogUnitsToPixelsY(c.y), DialogUnitsToPixelsX(c.width),
              DialogUnitsToPixelsY(c.height)};
  return {};
}

}  // namespace e2e
