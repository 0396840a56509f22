#pragma once
// The viewer run at a scale of the screen on a copy of the sample, in folders
// of its own, for the end-to-end checks of its window's size and reach; and
// what they count on the screen.

#include <QFileInfo>
#include <QTemporaryDir>

#include "tests/e2e/e2e_desktop.h"

namespace e2e {

inline constexpr QRgb kLastChannel = qRgb(238, 130, 238);  // 15400 MHz: its traces and its check box's band

// Both look only at the part of an area that is on the image.
inline int Count(const QImage& image, const QRect& wanted, QRgb colour) {
  const QRect area = wanted & image.rect();
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == colour;
  return n;
}

inline QRect Bounds(const QImage& image, const QRect& wanted, QRgb colour) {
  const QRect area = wanted & image.rect();
  QRect bounds;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixel(x, y) == colour) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

class ScaledViewer {
 public:
  ScaledViewer(const QString& program, const QString& sample, const QString& scale) {
    QFile::copy(sample, work_.filePath(QFileInfo(sample).fileName()));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home_.path());
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "QT_QPA_PLATFORM"}) env.remove(name);
    env.insert("QT_SCALE_FACTOR", scale);
    process_.setProcessEnvironment(env);
    process_.setWorkingDirectory(work_.path());
    process_.start(program, {QFileInfo(sample).fileName()});
    Check(WaitFor([&] { return !(window_ = FindWindow("^HELVARRA$")).isEmpty(); }, 15000),
          "the window appears at " + scale);
    frame_ = WindowGeometry(window_);
  }
  // Escape ends the program, unless it has ended already ("&Quit").
  ~ScaledViewer() {
    if (process_.state() != QProcess::NotRunning) {
      Xdotool({"windowfocus", "--sync", window_});
      Xdotool({"key", "Escape"});
      process_.waitForFinished(10000);
    }
    Check(process_.state() == QProcess::NotRunning && process_.exitStatus() == QProcess::NormalExit &&
              process_.exitCode() == 0,
          "the program ends normally");
    if (process_.state() != QProcess::NotRunning) process_.kill();
  }
  ScaledViewer(const ScaledViewer&) = delete;
  ScaledViewer& operator=(const ScaledViewer&) = delete;

  // The window on the screen, in the screen's pixels, as first shown.
  const QRect& Frame() const { return frame_; }
  // The window as xdotool knows it.
  const QString& Window() const { return window_; }
  bool Running() const { return process_.state() == QProcess::Running; }

 private:
  QTemporaryDir work_, home_;
  QProcess process_;
  QString window_;
  QRect frame_;
};

// At 200 % under a window manager started for it (e2e_window_manager.cpp);
// `naturalBand` is the last check box's band at 100 %, in client pixels.
void CheckUnderWindowManager(const QString& program, const QString& sample, const QRect& naturalBand);

}  // namespace e2e
