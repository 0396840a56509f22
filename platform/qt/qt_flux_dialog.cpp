#include "platform/qt/qt_flux_dialog.h"

#include <algorithm>
#include <cmath>

#include <QDropEvent>
#include <QExposeEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "chart/chart_layout.h"
#include "platform/qt/qt_channel_check_box.h"
#include "platform/qt/qt_dialog_look.h"
#include "platform/qt/qt_dialog_units.h"
#include "platform/qt/qt_file_dialog.h"
#include "platform/qt/qt_window_surface.h"
#include "resources/dialog_templates.h"
#include "resources/strings.h"

namespace helvarra::qt {
namespace {

namespace res = resources;

bool InPlot(const QPoint& p) {
  return p.x() >= kPlotRect.left && p.x() < kPlotRect.right && p.y() >= kPlotRect.top && p.y() < kPlotRect.bottom;
}

// The files a drop carries: the local files of its list, opened together as
// if chosen together with "&Files".
QStringList DroppedFiles(const QMimeData* data) {
  QStringList files;
  if (data == nullptr) return files;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) files << url.toLocalFile();
  return files;
}

// Alt+Space opens the window menu, whichever control has the focus; a push
// button or check box would otherwise take the Space as a press.
bool IsWindowMenuKey(const QKeyEvent& key) {
  return key.key() == Qt::Key_Space && (key.modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
}

// The frame the window manager put round a window; the offscreen platform
// (the snapshot tool's, the tests') reports one it does not draw.
QMargins FrameOf(const QWindow* window) {
  if (window == nullptr || QGuiApplication::platformName() == QLatin1String("offscreen")) return {};
  return window->frameMargins();
}

}  // namespace

FluxDialog::FluxDialog(QtCanvas& canvas, Deliver deliver, ControlBackground controlBackground)
    : canvas_(canvas), deliver_(std::move(deliver)), controlBackground_(std::move(controlBackground)) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QString::fromLatin1(res::kMainDialogTitle.data(), res::kMainDialogTitle.size()));
  setSizeGripEnabled(false);
  setAcceptDrops(true);
  // The client area in a scroll area that fills the window, without a frame:
  // where the window has its natural size, the client area is its own.
  client_ = new ClientArea(
      canvas_, [this](const QMouseEvent& e) { ClientPressed(e); },
      [this](int x1, int x2) { Send({.kind = EventKind::SpanSelected, .x = x1, .x2 = x2}); });
  client_->setFixedSize(res::DialogUnitsToPixelsX(res::kMainDialogWidth),
                        res::DialogUnitsToPixelsY(res::kMainDialogHeight));
  scroll_ = new QScrollArea(this);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setFocusPolicy(Qt::NoFocus);  // the tab order is the controls' alone
  scroll_->setWidget(client_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll_);
  BuildControls();
  ApplyDialogLook(*this);
  FitToScreen();

  windowMenu_.addAction(tr("Mi&nimise"), this,
                        [this] { Send({.kind = EventKind::SystemCommand, .command = SC_MINIMIZE}); });
  windowMenu_.addAction(tr("&Close"), this, [this] { Send({.kind = EventKind::SystemCommand, .command = SC_CLOSE}); });
  wheelRest_.setSingleShot(true);
  wheelRest_.setInterval(kWheelRestMilliseconds);
  connect(&wheelRest_, &QTimer::timeout, this, [this] { SliderReleased(); });
}

void FluxDialog::BuildControls() {
  QWidget* previous = nullptr;
  for (const res::ControlTemplate& c : res::kMainDialogControls) {
    const QString text = QString::fromLatin1(c.text.data(), static_cast<qsizetype>(c.text.size()));
    QWidget* control = nullptr;
    switch (c.kind) {
      case res::ControlKind::DefaultButton:
      case res::ControlKind::Button: {
        auto* button = new QPushButton(text, client_);
        button->setDefault(c.kind == res::ControlKind::DefaultButton);
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this,
                [this, id = c.id] { Send({.kind = EventKind::Command, .id = id}); });
        control = button;
        break;
      }
      case res::ControlKind::CheckBox: {
        const int id = c.id;
        auto band = [this, id] { return controlBackground_ ? controlBackground_(id, CTLCOLOR_STATIC) : QColor(); };
        auto* box = new ChannelCheckBox(text, band, client_);
        connect(box, &QCheckBox::clicked, this, [this, id] { Send({.kind = EventKind::Command, .id = id}); });
        control = box;
        break;
      }
      case res::ControlKind::Slider: {
        slider_ = new QSlider(Qt::Horizontal, client_);
        slider_->setTickPosition(QSlider::NoTicks);
        slider_->setRange(0, 100);
        connect(slider_, &QAbstractSlider::actionTriggered, this, [this] {
          movedByKey_ = movedByKey_ || sliderInput_ == SliderInput::Key;
          if (sliderInput_ == SliderInput::Wheel) wheelRest_.start();
        });
        control = slider_;
        break;
      }
      case res::ControlKind::Icon:
      case res::ControlKind::Label: continue;
    }
    control->setObjectName(QStringLiteral("control%1").arg(c.id));
    control->setGeometry(PixelRect(c));
    control->setFocusPolicy(Qt::StrongFocus);
    control->installEventFilter(this);
    controls_[c.id] = control;
    if (previous != nullptr) setTabOrder(previous, control);
    previous = control;
  }
}

// The window at its natural size, the client area's, and fixed there where
// that fits the available area of its screen less its frame; otherwise as
// large as the area allows, scrolled where the client area does not fit.
void FluxDialog::FitToScreen() {
  const QSize natural = client_->size();
  const QScreen* where = screen();
  fittedFrame_ = FrameOf(windowHandle());
  // At a fractional scale the frame is known to the nearest whole pixel of
  // the window's: one pixel less keeps all of it on the screen.
  const qreal scale = where != nullptr ? where->devicePixelRatio() : 1;
  const int slack = scale == std::floor(scale) ? 0 : 1;
  const QRect area = where != nullptr ? where->availableGeometry() : QRect(QPoint(), natural.grownBy(fittedFrame_));
  const QSize bars(scroll_->verticalScrollBar()->sizeHint().width(),
                   scroll_->horizontalScrollBar()->sizeHint().height());
  const QSize fitted =
      ScrolledWindowSize(natural, area.marginsRemoved(fittedFrame_ + QMargins(0, 0, slack, slack)).size(), bars);
  if (fitted == natural) {
    setFixedSize(natural);
  } else {
    setMinimumSize(scroll_->minimumSizeHint().boundedTo(fitted));
    setMaximumSize(fitted.expandedTo(natural));
    resize(fitted);
  }
  if (isVisible()) KeepOnScreen();
}

void FluxDialog::KeepOnScreen() {
  if (screen() == nullptr) return;
  const QRect area = screen()->availableGeometry();
  const QRect framed(pos(), size().grownBy(fittedFrame_));
  QPoint to = framed.topLeft();
  to.setX(std::max(area.left(), std::min(to.x(), area.right() + 1 - framed.width())));
  to.setY(std::max(area.top(), std::min(to.y(), area.bottom() + 1 - framed.height())));
  if (to != framed.topLeft()) move(to);
}

QWidget* FluxDialog::Control(int id) const {
  auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

void FluxDialog::Send(const WindowEvent& event) {
  if (deliver_) deliver_(event);
}

void FluxDialog::accept() { Send({.kind = EventKind::Command, .id = res::IDOK}); }

void FluxDialog::reject() { Send({.kind = EventKind::Command, .id = res::IDCANCEL}); }

void FluxDialog::RequestPaint() { paintRequest_.Ask(); }

bool FluxDialog::event(QEvent* event) {
  if (event->type() == QEvent::Show && windowHandle() != nullptr) windowHandle()->installEventFilter(this);
  return QDialog::event(event);
}

bool FluxDialog::eventFilter(QObject* watched, QEvent* event) {
  if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && watched != windowHandle() &&
      IsWindowMenuKey(*static_cast<QKeyEvent*>(event))) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyPress && !key->isAutoRepeat()) ShowWindowMenu(mapToGlobal(QPoint(0, 0)));
    return true;
  }
  if (watched == slider_) {
    SliderEvent(*event);
  } else if (watched == windowHandle() && event->type() == QEvent::Expose) {
    // The window asks to be painted when it is shown, restored or exposed anew.
    const bool exposed = windowHandle()->isExposed();
    if (exposed && FrameOf(windowHandle()) != fittedFrame_) FitToScreen();  // framed only now
    if (exposed && !exposed_) RequestPaint();
    exposed_ = exposed;
  }
  return QDialog::eventFilter(watched, event);
}

// Seen before the slider takes the event: a press says where the moves that
// follow come from, and the release of the mouse button or of a key that
// moved the slider lets it go. Keys held down repeat without letting go.
void FluxDialog::SliderEvent(const QEvent& event) {
  switch (event.type()) {
    case QEvent::MouseButtonPress: sliderInput_ = SliderInput::Mouse; break;
    case QEvent::KeyPress: sliderInput_ = SliderInput::Key; break;
    case QEvent::Wheel: sliderInput_ = SliderInput::Wheel; break;
    case QEvent::MouseButtonRelease:
      if (static_cast<const QMouseEvent&>(event).button() == Qt::LeftButton) SliderReleased();
      break;
    case QEvent::KeyRelease:
      if (movedByKey_ && !static_cast<const QKeyEvent&>(event).isAutoRepeat()) {
        movedByKey_ = false;
        SliderReleased();
      }
      break;
    default: break;
  }
}

void FluxDialog::SliderReleased() {
  // After the slider has taken the release and settled its position.
  QTimer::singleShot(0, this, [this] { Send({.kind = EventKind::SliderReleased, .id = res::IDC_SLIDER}); });
}

void FluxDialog::ClientPressed(const QMouseEvent& event) {
  const QPoint at = event.position().toPoint();
  if (event.button() == Qt::LeftButton) {
    Send({.kind = EventKind::LeftButtonDown, .x = at.x(), .y = at.y()});
  } else if (event.button() == Qt::RightButton && !InPlot(at)) {
    ShowWindowMenu(event.globalPosition().toPoint());
  }
}

void FluxDialog::keyPressEvent(QKeyEvent* event) {
  if (IsWindowMenuKey(*event)) {
    ShowWindowMenu(mapToGlobal(QPoint(0, 0)));
    return;
  }
  QDialog::keyPressEvent(event);
}

void FluxDialog::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void FluxDialog::dragMoveEvent(QDragMoveEvent* event) {
  if (!DroppedFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void FluxDialog::dropEvent(QDropEvent* event) {
  const QStringList files = DroppedFiles(event->mimeData());
  if (files.isEmpty()) return;
  event->acceptProposedAction();
  Send({.kind = EventKind::OpenDocument, .files = ChoicesOf(files)});
}

void FluxDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if ((change->oldState() & Qt::WindowMinimized) && !(windowState() & Qt::WindowMinimized)) RequestPaint();
  }
  QDialog::changeEvent(event);
}

QImage FluxDialog::Picture() {
  // Drawn one window pixel to one picture pixel, whatever the screen's
  // scale: the chart's pixels exactly, the controls as at 100 %.
  QImage picture(client_->size(), QImage::Format_RGB32);
  picture.setDevicePixelRatio(1.0);
  client_->render(&picture);
  return picture;
}

}  // namespace helvarra::qt
