#pragma once
// The main window on Qt: a fixed-size dialog whose client area shows the
// chart's backing image, with the controls of the main dialog template on
// top. Everything the user does becomes a window event for the viewer. On a
// screen too small for it, the window is smaller and its client area scrolls.

#include <QDialog>
#include <QMenu>
#include <QPointer>
#include <QScrollArea>
#include <QSlider>
#include <QTimer>
#include <functional>
#include <map>

#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_paint_request.h"
#include "platform/qt/qt_client_area.h"
#include "viewer/window_event.h"

namespace helvarra::qt {

// The size of a window showing a client area of `natural` size in `room`,
// the available area less the window's frame: the natural size where it
// fits; otherwise as large as the room allows and no larger than the client
// area with the scroll bars it then needs. `bars` is the vertical bar's width
// and the horizontal bar's height: a bar is needed only in a direction the
// client area does not fit, or no longer fits beside the other bar.
inline QSize ScrolledWindowSize(QSize natural, QSize room, QSize bars) {
  bool across = false, down = false;  // the horizontal and the vertical scroll bar
  for (int pass = 0; pass < 2; ++pass) {
    across = natural.width() + (down ? bars.width() : 0) > room.width();
    down = natural.height() + (across ? bars.height() : 0) > room.height();
  }
  return (natural + QSize(down ? bars.width() : 0, across ? bars.height() : 0)).boundedTo(room);
}

class FluxDialog : public QDialog {
 public:
  using Deliver = std::function<EventResult(const WindowEvent&)>;

  // The background a control's label is drawn on, as the viewer sets it.
  using ControlBackground = std::function<QColor(int controlId, int kind)>;

  FluxDialog(QtCanvas& canvas, Deliver deliver, ControlBackground controlBackground);

  QWidget* Control(int id) const;
  // The client area, where the chart is drawn and clicked on.
  ClientArea* Client() const { return client_; }
  QSlider* Slider() const { return slider_; }
  QMenu& WindowMenu() { return windowMenu_; }
  void ShowWindowMenu(const QPoint& globalPos);
  // A window-menu item for a command, with the keys that choose it too
  // (platform/qt/qt_command_keys.h), and its offering or greying out.
  void AddCommand(const QString& text, unsigned command);
  void EnableCommand(unsigned command, bool enabled);
  QAction* Command(unsigned command) const;
  // Ends the modal run with a code, without asking the viewer.
  void EndWith(int code) { QDialog::done(code); }
  // The window's paint request: the frame painter runs once for it.
  void RequestPaint();
  // The client area's picture, controls included, one pixel per window
  // pixel, all of it however the window is scrolled.
  QImage Picture();

  void accept() override;
  void reject() override;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  // A file dropped on the window opens as if chosen with "&Files".
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildControls();
  // Fits the window to its screen's available area less its frame; called
  // again once the window manager has framed the window, when the frame's
  // size is known, and the window then kept on the screen.
  void FitToScreen();
  // The window moved wholly into its screen's available area, frame and all,
  // where it lies partly outside it and fits.
  void KeepOnScreen();
  void ClientPressed(const QMouseEvent& event);
  void Send(const WindowEvent& event);
  // The slider let go, by the mouse, the keys or the wheel: the viewer is
  // told once the slider has settled its position.
  void SliderEvent(const QEvent& event);
  void SliderReleased();

  QtCanvas& canvas_;
  Deliver deliver_;
  ControlBackground controlBackground_;
  ClientArea* client_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  std::map<int, QWidget*> controls_;
  std::map<unsigned, QAction*> commands_;
  QSlider* slider_ = nullptr;
  // What moves the slider now: a move by a key is let go with the key, one
  // by the wheel once the wheel has come to rest, one by the mouse with its
  // button.
  enum class SliderInput { Mouse, Key, Wheel } sliderInput_ = SliderInput::Mouse;
  bool movedByKey_ = false;
  static constexpr int kWheelRestMilliseconds = 250;  // still that long, the wheel lets go
  QTimer wheelRest_;
  QMenu windowMenu_;
  PaintRequest paintRequest_{*this, [this] { Send({.kind = EventKind::Paint}); }};
  bool exposed_ = false;
  QMargins fittedFrame_;  // the frame the window was last fitted with
};

}  // namespace helvarra::qt
