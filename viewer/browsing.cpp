// The slider and "&Browse": the chart window moved to a chosen record, or on
// through the file one window every two seconds until stopped or the file
// ends; the browse step that moves it on, and every way a browse ends.

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

void CFluxViewerDlg::StopBrowsing() {
  m_services.StopTimer();
  m_bBrowsing = 0;
}

// Back over the seconds of the last window's final minute and a few more from
// just after the record at the index, so the new window starts where that
// one ended; never before the first record. The slider takes the index the
// same way back and gives it back held to its range.
void CFluxViewerDlg::BrowseStep(RecordCursor& cursor) {
  cursor.Back(m_nLastSecond + 5);
  m_ctlSlider.SetPos(m_nRecordIndex - m_nLastSecond - 5);
  m_nRecordIndex = m_ctlSlider.GetPos();
  cursor.Read(m_strRecord);
}

}  // namespace helvarra
