// The slider and "&Browse": the chart window moved to a chosen record, or on
// through the file one window every two seconds until stopped or the file
// ends. The step itself is the plotter's.

#include "viewer/flux_viewer_dlg.h"

namespace helvarra {

void CFluxViewerDlg::OnBrowse() {
  if (m_bFileLoaded != 1) return;
  m_bBrowsing = 1;
  m_nRecordIndex = 0;
  m_services.StartTimer();
}

void CFluxViewerDlg::OnStop() { StopBrowsing(); }

void CFluxViewerDlg::OnSliderReleased(long& result) {
  if (m_bBrowsing == 0 && m_bFileLoaded == 1) {
    m_nRecordIndex = m_ctlSlider.GetPos();
    TracePlotter();
  }
  result = 0;
}

void CFluxViewerDlg::OnTimerTick() {
  TracePlotter();
  if (m_nRecordIndex >= m_nRecordCount) {
    StopBrowsing();
    m_nRecordIndex = m_ctlSlider.GetPos();
  }
  m_services.DefaultHandling();
}

}  // namespace helvarra
