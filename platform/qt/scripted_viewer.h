#pragma once
// The real viewer on the real window services, driven by a script as a
// person drives it: the window shown and painted, the channels set on their
// check boxes, a file opened through "&Files", the slider let go at a record,
// a browse run to its end, the window's picture taken. The file, print and
// message dialogs answer from the script, and the messages are kept. The
// snapshot tool, the benchmarks, the fuzzer and the Qt tests all drive the
// viewer through it.

#include <QImage>
#include <array>
#include <string>
#include <vector>

#include "platform/qt/qt_overview_services.h"
#include "platform/qt/qt_window_services.h"
#include "viewer/flux_viewer_dlg.h"

namespace helvarra::qt {

class ScriptedViewer : public DialogEvents {
 public:
  // The main window shown, with its first paint drawn.
  ScriptedViewer();
  ~ScriptedViewer() override;
  ScriptedViewer(const ScriptedViewer&) = delete;
  ScriptedViewer& operator=(const ScriptedViewer&) = delete;

  // Lets the window's queued events run, as a person waits between actions.
  static void Settle();

  // "&Files" with the file chosen; true if it is open and drawn.
  bool Open(const std::string& path, const std::string& fileName);
  // "&Files" with several files chosen together; true if they are open and drawn.
  bool OpenAll(const std::vector<std::string>& paths);
  // Each channel's check box clicked where its mark differs.
  void SetChannels(const std::array<bool, kChannelCount>& shown);
  // The slider moved to the record and let go; returns where it stood, held
  // to its range.
  int ReleaseSliderAt(int index);
  // "&Browse", then the timer's steps one after another (not by the clock)
  // until the end of the file stops the browse; false if it never does.
  bool BrowseToEnd();
  void Click(int controlId);

  // The window's picture of the printed area: the chart alone, or with the
  // buttons, check boxes and slider.
  QImage Picture(bool wholeWindow);

  CFluxViewerDlg& Dialog() { return dlg_; }
  QtWindowServices& Services() { return services_; }
  QtOverviewServices& OverviewServices() { return overview_; }
  FluxDialog& Window() { return *services_.MainWindow(); }
  const std::vector<std::string>& Messages() const { return messages_; }
  void ClearMessages() { messages_.clear(); }

  // DialogEvents: the dialog's own, with the paints counted.
  bool InitWindow() override { return dlg_.InitWindow(); }
  EventResult Dispatch(const WindowEvent& event) override;

 private:
  QtWindowServices services_;
  QtOverviewServices overview_{services_};
  CFluxViewerDlg dlg_{services_, overview_};
  std::vector<std::string> messages_;
  int paints_ = 0;
};

}  // namespace helvarra::qt
