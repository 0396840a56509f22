#include "platform/qt/scripted_viewer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QSlider>

#include "chart/chart_layout.h"
#include "platform/qt/qt_file_dialog.h"
#include "resources/dialog_templates.h"

namespace helvarra::qt {

namespace res = resources;

ScriptedViewer::ScriptedViewer() {
  services_.messageShown = [this](QtWindowServices::MessageKind, const std::string& text) {
    messages_.push_back(text);
  };
  services_.printerChooser = [] { return std::optional<ChosenPrinter>(); };
  services_.OpenMainWindow(this);
  QElapsedTimer clock;
  clock.start();
  while (paints_ == 0 && clock.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 20);
  Settle();
}

ScriptedViewer::~ScriptedViewer() { services_.CloseMainWindow(); }

void ScriptedViewer::Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

EventResult ScriptedViewer::Dispatch(const WindowEvent& event) {
  if (event.kind == EventKind::Paint) ++paints_;
  return dlg_.Dispatch(event);
}

void ScriptedViewer::Click(int controlId) {
  if (auto* button = qobject_cast<QAbstractButton*>(Window().Control(controlId))) button->click();
}

bool ScriptedViewer::Open(const std::string& path, const std::string& fileName) {
  services_.fileChooser = [path, fileName](std::string_view, std::string_view) {
    return std::optional<std::vector<ChosenFile>>({ChosenFile{path, fileName}});
  };
  Click(res::IDC_FILES);
  Settle();
  return dlg_.IsFileLoaded();
}

bool ScriptedViewer::OpenAll(const std::vector<std::string>& paths) {
  QStringList files;
  for (const std::string& p : paths) files << QString::fromStdString(p);
  services_.fileChooser = [chosen = ChoicesOf(files)](std::string_view, std::string_view) {
    return std::optional<std::vector<ChosenFile>>(chosen);
  };
  Click(res::IDC_FILES);
  Settle();
  return dlg_.IsFileLoaded();
}

void ScriptedViewer::SetChannels(const std::array<bool, kChannelCount>& shown) {
  for (int k = 0; k < kChannelCount; ++k) {
    auto* box = qobject_cast<QAbstractButton*>(Window().Control(Channel(k).controlId));
    if (box != nullptr && box->isChecked() != shown[static_cast<std::size_t>(k)]) box->click();
  }
  Settle();
}

int ScriptedViewer::ReleaseSliderAt(int index) {
  QSlider* slider = Window().Slider();
  slider->setValue(index);  // held to the slider's range, as dragging it is
  services_.Deliver({.kind = EventKind::SliderReleased, .id = res::IDC_SLIDER});
  Settle();
  return slider->value();
}

bool ScriptedViewer::BrowseToEnd() {
  Click(res::IDC_BROWSE);
  services_.StopTimer();  // the steps are run here, not by the clock
  const long limit = 10L + dlg_.RecordCount() / 60;
  for (long tick = 0; dlg_.IsBrowsing() && tick < limit && messages_.empty(); ++tick)
    services_.Deliver({.kind = EventKind::TimerTick, .id = 1});
  Settle();
  return !dlg_.IsBrowsing();
}

QImage ScriptedViewer::Picture(bool wholeWindow) {
  services_.Canvas().Finish();
  const QImage picture = wholeWindow ? services_.Canvas().Picture() : services_.Canvas().Image();
  return picture.copy(kPrintedArea.left, kPrintedArea.top, kPrintedArea.Width(), kPrintedArea.Height())
      .convertToFormat(QImage::Format_RGB32);
}

}  // namespace helvarra::qt
