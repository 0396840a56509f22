#pragma once
// The viewer's window for tarrawin-snapshot: the real dialog on the real
// window services (offscreen unless the platform names another), driven as a
// person would: the channels set on their check boxes, the file opened
// through "&Files", the slider let go at the chosen record or a browse run to
// the end, and the window's picture taken.

#include <QImage>
#include <optional>
#include <string>
#include <vector>

#include "platform/qt/qt_window_services.h"
#include "platform/qt/snapshot_options.h"
#include "viewer/flux_viewer_dlg.h"

namespace helvarra::snapshot {

// The dialog's events pass through here to be counted: the first paint of
// the shown window must have been drawn before the file is opened, as it
// always is for a person.
class PaintWatch : public DialogEvents {
 public:
  explicit PaintWatch(CFluxViewerDlg& dlg) : dlg_(dlg) {}
  bool InitWindow() override { return dlg_.InitWindow(); }
  EventResult Dispatch(const WindowEvent& event) override;
  int paints = 0;

 private:
  CFluxViewerDlg& dlg_;
};

class SnapshotWindow {
 public:
  explicit SnapshotWindow(const Options& options) : options_(options) {}
  ~SnapshotWindow() { services_.CloseMainWindow(); }
  SnapshotWindow(const SnapshotWindow&) = delete;
  SnapshotWindow& operator=(const SnapshotWindow&) = delete;

  // The window's picture (the printed area), or nothing, with the viewer's
  // messages in Failures().
  std::optional<QImage> Draw();

  const std::vector<std::string>& Failures() const { return failures_; }
  const std::vector<std::string>& Notes() const { return notes_; }

 private:
  bool OpenFile(qt::FluxDialog& window);
  std::optional<int> ChosenIndex();
  bool ReleaseSliderAt(qt::FluxDialog& window, int index);
  bool BrowseToEnd(qt::FluxDialog& window);

  const Options& options_;
  qt::QtWindowServices services_;
  CFluxViewerDlg dlg_{services_};
  PaintWatch watch_{dlg_};
  std::vector<std::string> failures_;
  std::vector<std::string> notes_;
};

}  // namespace helvarra::snapshot
