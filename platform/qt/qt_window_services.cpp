#include "platform/qt/qt_window_services.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>

#include "chart/chart_layout.h"
#include "platform/qt/qt_about_dialog.h"
#include "platform/qt/qt_dialog_look.h"
#include "platform/qt/qt_file_dialog.h"
#include "platform/qt/qt_icon.h"
#include "platform/qt/qt_print_dialog.h"
#include "platform/qt/qt_window_surface.h"
#include "resources/dialog_templates.h"
#include "resources/strings.h"

namespace helvarra::qt {
namespace {

namespace res = resources;

QString ToQString(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The chart's background is the dialog's window colour, so the chart's text
// cells sit on the window's own colour.
constexpr Colour kActiveBorderStandIn = kDialogWindowColour;

constexpr int kTimerMilliseconds = 2000;

}  // namespace

QtWindowServices::QtWindowServices()
    : canvas_(QSize(kClientSize.width, kClientSize.height)), iconCanvas_(QSize(kClientSize.width, kClientSize.height)) {
  // The program keeps no settings. Qt's file dialog would remember its last
  // folder in the user's configuration; give such settings nowhere to go.
  for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
    QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
  canvas_.Image().fill(qt::ToQColor(kActiveBorderStandIn));
  timer_.setInterval(kTimerMilliseconds);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Deliver({.kind = EventKind::TimerTick, .id = 1}); });
}

QtWindowServices::~QtWindowServices() { CloseMainWindow(); }

QString QtWindowServices::ApplicationName() {
  const QString path = QCoreApplication::applicationFilePath();
  return path.isEmpty() ? ToQString(res::kExecutableName) : QFileInfo(path).completeBaseName();
}

FluxDialog& QtWindowServices::OpenMainWindow(DialogEvents* events) {
  CloseMainWindow();
  events_ = events;
  dialog_ = std::make_unique<FluxDialog>(
      canvas_, [this](const WindowEvent& e) { return Deliver(e); },
      [this](int id, int kind) { return ControlBackground(id, kind); });
  canvas_.SetPictureSource([this] { return dialog_ ? dialog_->Picture() : canvas_.Image(); });
  if (events_ != nullptr) events_->InitWindow();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = dialog_->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    dialog_->move(frame.topLeft());
  }
  dialog_->show();
  if (QWidget* quit = dialog_->Control(res::IDOK)) quit->setFocus(Qt::OtherFocusReason);
  return *dialog_;
}

void QtWindowServices::CloseMainWindow() {
  timer_.stop();
  canvas_.SetPictureSource({});
  if (mainWindowClosed) mainWindowClosed();
  dialog_.reset();
  events_ = nullptr;
}

int QtWindowServices::RunModal(int templateId, DialogEvents* events) {
  if (templateId == res::kAboutDialogId) {
    AboutDialog about(dialog_.get());
    return about.exec();
  }
  FluxDialog& dialog = OpenMainWindow(events);
  const int code = dialog.exec();
  CloseMainWindow();
  return code;
}

void QtWindowServices::EndModal(int code) {
  if (dialog_) dialog_->EndWith(code);
}

EventResult QtWindowServices::Deliver(const WindowEvent& event) {
  if (events_ == nullptr) return {};
  dispatching_.push_back(event);
  EventResult result = events_->Dispatch(event);
  if (!result.routed) DefaultFor(event);
  dispatching_.pop_back();
  if (event.kind == EventKind::Paint && !openAtStart_.empty() && dialog_) {
    std::vector<ChosenFile> files = std::exchange(openAtStart_, {});
    QTimer::singleShot(0, dialog_.get(),
                       [this, files] { Deliver({.kind = EventKind::OpenDocument, .files = files}); });
  }
  return result;
}

void QtWindowServices::DefaultHandling() {
  if (!dispatching_.empty()) DefaultFor(dispatching_.back());
}

void QtWindowServices::DefaultFor(const WindowEvent& event) {
  if (!dialog_) return;
  if (event.kind == EventKind::Paint) {
    dialog_->Client()->update();  // the paint request is done; the window shows the image
  } else if (event.kind == EventKind::SystemCommand) {
    switch (event.command & 0xFFF0) {
      case SC_MINIMIZE: dialog_->showMinimized(); break;
      case SC_RESTORE: dialog_->showNormal(); break;
      case SC_CLOSE: dialog_->close(); break;
      default: break;
    }
  }
}

void QtWindowServices::WriteControls(int controlId, int check) {
  auto* box = dialog_ ? qobject_cast<QCheckBox*>(dialog_->Control(controlId)) : nullptr;
  if (box == nullptr) return;
  box->setTristate(check == 2);
  box->setCheckState(check == 1 ? Qt::Checked : check == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

int QtWindowServices::ReadControls(int controlId) const {
  auto* box = dialog_ ? qobject_cast<QCheckBox*>(dialog_->Control(controlId)) : nullptr;
  return box != nullptr && box->checkState() == Qt::Checked ? 1 : 0;
}

void QtWindowServices::SetSliderPos(int position) {
  if (dialog_) dialog_->Slider()->setValue(position);  // limited to the range by the slider
}

int QtWindowServices::GetSliderPos() const { return dialog_ ? dialog_->Slider()->value() : 0; }

// A maximum below the minimum leaves the slider at 0 alone, so a position read
// back is never negative.
void QtWindowServices::SetSliderMax(int maximum) {
  if (!dialog_) return;
  QSlider* slider = dialog_->Slider();
  const int top = std::max(maximum, 0);
  slider->setRange(0, top);
  slider->setPageStep(std::max(1, top / 5));
}

void QtWindowServices::StartTimer() { timer_.start(); }

void QtWindowServices::StopTimer() { timer_.stop(); }

std::optional<std::vector<ChosenFile>> QtWindowServices::ChooseOpenFiles(std::string_view filter,
                                                                         std::string_view folder) {
  if (fileChooser) return fileChooser(filter, folder);
  return RunOpenFileDialog(dialog_.get(), filter, folder);
}

std::optional<ChosenPrinter> QtWindowServices::ChoosePrinter() {
  if (printerChooser) return printerChooser();
  return RunPrintDialog(dialog_.get());
}

void QtWindowServices::ShowBox(MessageKind kind, std::string_view text) {
  const std::string message(text);
  if (messageShown) {
    messageShown(kind, message);
    return;
  }
  const QMessageBox::Icon icon = kind == MessageKind::Warning ? QMessageBox::Warning
                                 : kind == MessageKind::Error ? QMessageBox::Critical
                                                              : QMessageBox::NoIcon;
  QMessageBox box(icon, ApplicationName(), QString::fromStdString(message), QMessageBox::Ok, dialog_.get());
  box.exec();
}

void QtWindowServices::ShowWarning(std::string_view text) { ShowBox(MessageKind::Warning, text); }
void QtWindowServices::ShowMessage(std::string_view text) { ShowBox(MessageKind::Message, text); }
void QtWindowServices::ShowError(std::string_view text) { ShowBox(MessageKind::Error, text); }

void QtWindowServices::AppendSystemMenuSeparator() {
  if (dialog_) dialog_->WindowMenu().addSeparator();
}

void QtWindowServices::AppendSystemMenuItem(std::string_view text, unsigned command) {
  if (dialog_) dialog_->AddCommand(ToQString(text), command);
}

void QtWindowServices::EnableSystemMenuItem(unsigned command, bool enabled) {
  if (dialog_) dialog_->EnableCommand(command, enabled);
}

void QtWindowServices::SetFileNameTip(std::string_view text) {
  if (dialog_) dialog_->Client()->SetFileNameTip(ToQString(text));
}

void QtWindowServices::SetWindowIcon(const Icon& icon) {
  if (dialog_) dialog_->setWindowIcon(ProgramIcon(icon.resourceId));
}

Colour QtWindowServices::GetActiveBorderColour() const { return kActiveBorderStandIn; }

QColor QtWindowServices::ControlBackground(int controlId, int kind) {
  const EventResult r = Deliver({.kind = EventKind::ControlColor, .id = controlId, .controlKind = kind});
  return r.colour ? ToQColor(*r.colour) : QColor();
}

std::unique_ptr<DrawingSurface> QtWindowServices::AcquireWindowSurface() {
  ++surfacesHeld_;
  return std::make_unique<QtWindowSurface>(canvas_);
}

int QtWindowServices::ReleaseWindowSurface(std::unique_ptr<DrawingSurface> surface) {
  surface.reset();
  if (--surfacesHeld_ <= 0) {
    surfacesHeld_ = 0;
    canvas_.Finish();
    if (dialog_) dialog_->Client()->update();
  }
  return 1;
}

std::unique_ptr<DrawingSurface> QtWindowServices::BeginPaintCycle() {
  return std::make_unique<QtWindowSurface>(iconCanvas_);
}

void QtWindowServices::EndPaintCycle(std::unique_ptr<DrawingSurface> surface) {
  surface.reset();
  iconCanvas_.Finish();
}

bool QtWindowServices::IsMinimised() const { return dialog_ && dialog_->isMinimized(); }

Size QtWindowServices::GetClientSize() const { return kClientSize; }

void QtWindowServices::EraseIconBackground(DrawingSurface&) {
  iconCanvas_.Image().fill(ToQColor(kActiveBorderStandIn));
}

}  // namespace helvarra::qt
