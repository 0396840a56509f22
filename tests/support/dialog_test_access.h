#pragma once
// What tests set in the main dialog that no event can: a window surface held
// (m_bIdle 0), a channel flag out of range, a read-out's window start, a
// window plotted at a record past the slider's range.

#include <initializer_list>
#include <string>

#include "viewer/flux_viewer_dlg.h"

namespace helvarra {

class DialogTestAccess {
 public:
  static int& Idle(CFluxViewerDlg& d) { return d.m_bIdle; }
  static int& RecordIndex(CFluxViewerDlg& d) { return d.m_nRecordIndex; }
  // The left edge, UT, of the window shown (one is).
  static std::int64_t& WindowStart(CFluxViewerDlg& d) { return d.m_window->start; }
  static int& ShowFlag(CFluxViewerDlg& d, int k) { return d.Flag(k); }
  static const std::string& PathName(const CFluxViewerDlg& d) { return d.m_strPathName; }
  // The window of a record index plotted as a slider release there would,
  // the slider's range not applied.
  static void PlotAt(CFluxViewerDlg& d, int index) {
    d.m_nRecordIndex = index;
    d.TracePlotter();
  }
  static void ShowOnly(CFluxViewerDlg& d, std::initializer_list<int> channels) {
    for (int k = 0; k < kChannelCount; ++k) d.Flag(k) = 0;
    for (int k : channels) d.Flag(k) = 1;
  }
};

}  // namespace helvarra
