#pragma once
// The day overview's window on Qt: a window of its own the user may resize,
// its picture on top (drawn pixel for pixel from its backing image, which
// follows the picture's size), the measurement table under it, then "Copy"
// and "Export CSV...". A click on the picture, a drag across it, the buttons
// and every resize become events for the viewer's overview. It opens beside
// the main window or over it, on the screen, and is never smaller than shows
// the picture, the table's header and eight rows whole, and the buttons.

#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>
#include <functional>

#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_paint_request.h"
#include "platform/qt/qt_span_drag.h"
#include "analysis/text_table.h"
#include "viewer/window_event.h"

namespace helvarra::qt {

// Where a window's frame of `size` opens by the main window's frame `main`
// within the available `area`: beside it, to its right, left, below or
// above, on the first side with room for all of it; otherwise where it hides
// the least of it. Wholly within the area, and no larger than it.
QRect FrameBeside(const QRect& main, QSize size, const QRect& area);

class OverviewPicture : public QWidget {
 public:
  using Send = std::function<void(const WindowEvent&)>;
  OverviewPicture(QtCanvas& canvas, Send send);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QtCanvas& canvas_;
  Send send_;
  SpanDrag drag_{*this};
};

class OverviewWindow : public QWidget {
 public:
  explicit OverviewWindow(DialogEvents& events);

  QtCanvas& Canvas() { return canvas_; }
  OverviewPicture& Picture() { return *picture_; }
  QTableWidget& Table() { return *table_; }
  // The picture drawn again by the viewer, once the events queued now have run.
  void RequestPaint() { paintRequest_.Ask(); }
  // The tables under the picture, a tab each: the measurement, the
  // stations' agreement (its tab offered only with rows), the bursts.
  void ShowTable(const TextTable& table);
  void ShowAgreement(const TextTable& table);
  void ShowBursts(const TextTable& table);
  QTableWidget& BurstTable() { return *bursts_; }
  QTabWidget& Tabs() { return *tabs_; }
  void EnableButtons(bool copy, bool exportCsv);
  // Sized to its screen and placed beside the main window, or over it,
  // before it is first shown.
  void PlaceBy(const QWidget& main);

 protected:
  void keyPressEvent(QKeyEvent* event) override;  // Escape closes it
  // Without a window manager to hold it at its minimum size, the window
  // holds itself there.
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The table's least size: every header and cell text whole, the header
  // and the eight channels' rows; the window's follows from it.
  void FitTableMinimum();
  void Send(const WindowEvent& event) { events_.Dispatch(event); }

  DialogEvents& events_;
  QtCanvas canvas_{QSize(1200, 400)};
  OverviewPicture* picture_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QTableWidget* table_ = nullptr;
  QTableWidget* agreement_ = nullptr;
  QTableWidget* bursts_ = nullptr;
  QPushButton* copy_ = nullptr;
  QPushButton* export_ = nullptr;
  PaintRequest paintRequest_{*this, [this] { Send({.kind = EventKind::Paint}); }};
};

}  // namespace helvarra::qt
