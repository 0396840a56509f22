#include "platform/qt/snapshot_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QSlider>

#include "chart/chart_layout.h"
#include "data/record_scan.h"
#include "data/time_of_day.h"
#include "platform/qt/qt_settle.h"
#include "resources/dialog_templates.h"

namespace helvarra::snapshot {
namespace {

namespace res = resources;
using qt::Settle;

void Click(qt::FluxDialog& window, int id) {
  if (auto* button = qobject_cast<QAbstractButton*>(window.Control(id))) button->click();
}

}  // namespace

EventResult PaintWatch::Dispatch(const WindowEvent& event) {
  if (event.kind == EventKind::Paint) ++paints;
  return dlg_.Dispatch(event);
}

std::optional<QImage> SnapshotWindow::Draw() {
  services_.messageShown = [this](qt::QtWindowServices::MessageKind, const std::string& text) {
    failures_.push_back(text);
  };
  services_.printerChooser = [] { return std::optional<ChosenPrinter>(); };
  qt::FluxDialog& window = services_.OpenMainWindow(&watch_);
  QElapsedTimer clock;
  clock.start();
  while (watch_.paints == 0 && clock.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 20);
  Settle();

  for (int k = 0; k < kChannelCount; ++k) {
    auto* box = qobject_cast<QCheckBox*>(window.Control(res::IDC_CHECK_FIRST + k));
    if (box != nullptr && box->isChecked() != options_.channels[static_cast<std::size_t>(k)]) box->click();
  }
  Settle();
  if (!OpenFile(window)) return std::nullopt;
  const std::optional<int> index = ChosenIndex();
  if (!failures_.empty()) return std::nullopt;
  if (index && !ReleaseSliderAt(window, *index)) return std::nullopt;
  if (options_.browseToEnd && !BrowseToEnd(window)) return std::nullopt;

  services_.Canvas().Finish();
  const QImage picture = options_.wholeWindow ? services_.Canvas().Picture() : services_.Canvas().Image();
  return picture.copy(kPrintedArea.left, kPrintedArea.top, kPrintedArea.Width(), kPrintedArea.Height())
      .convertToFormat(QImage::Format_RGB32);
}

// Through "&Files", the file dialog answered with the file.
bool SnapshotWindow::OpenFile(qt::FluxDialog& window) {
  const QFileInfo info(QString::fromStdString(options_.file));
  const std::string pathName = info.absoluteFilePath().toStdString();
  services_.fileChooser = [pathName, fileName = info.fileName().toStdString()](std::string_view, std::string_view) {
    return std::optional<ChosenFile>(ChosenFile{pathName, fileName});
  };
  Click(window, res::IDC_FILES);
  Settle();
  if (!failures_.empty()) return false;
  if (dlg_.m_bFileLoaded == 1) return true;
  failures_.push_back("Failed to open " + pathName);
  return false;
}

// The record --index names, or the one --time finds in the open file.
std::optional<int> SnapshotWindow::ChosenIndex() {
  if (!options_.minuteOfDay) return options_.index;
  try {
    const TimeSearch found = FindRecordAtTime(dlg_.m_file, *options_.minuteOfDay);
    if (found.index) return found.index;
    failures_.push_back("no record at or after " + HourMinuteText(*options_.minuteOfDay) + " UT in " +
                        dlg_.m_file.GetFilePath() + " (its records run from " + HourMinuteText(found.firstMinute) +
                        " to " + HourMinuteText(found.lastMinute) + " UT)");
  } catch (const FileError& error) {
    failures_.push_back(error.Message());
  }
  return std::nullopt;
}

bool SnapshotWindow::ReleaseSliderAt(qt::FluxDialog& window, int index) {
  QSlider* slider = window.Slider();
  slider->setValue(index);  // held to the slider's range, as dragging it is
  if (slider->value() != index)
    notes_.push_back("record " + std::to_string(index) + " is beyond the slider's end; the window of record " +
                     std::to_string(slider->value()) + " is drawn");
  services_.Deliver({.kind = EventKind::SliderReleased, .id = res::IDC_SLIDER});
  Settle();
  return failures_.empty();
}

// "&Browse", then the timer's steps one after another until the end of the
// file stops the browse (a step moves the window on 30 minutes).
bool SnapshotWindow::BrowseToEnd(qt::FluxDialog& window) {
  Click(window, res::IDC_BROWSE);
  services_.StopTimer();  // the steps are run here, not by the clock
  const long limit = 10L + dlg_.m_nRecordCount / 60;
  for (long tick = 0; dlg_.m_bBrowsing == 1 && tick < limit && failures_.empty(); ++tick)
    services_.Deliver({.kind = EventKind::TimerTick, .id = 1});
  Settle();
  if (!failures_.empty()) return false;
  if (dlg_.m_bBrowsing == 1) {
    failures_.push_back("the browse did not reach the end of the file");
    return false;
  }
  return true;
}

}  // namespace helvarra::snapshot
