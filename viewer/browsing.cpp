// The slider and "&Browse": the chart window moved to a chosen record, or on
// through the series one window every two seconds until stopped or the
// series ends; the browse step that moves it on, and every way a browse ends.

#include <optional>

#include "chart/chart_layout.h"
#include "data/record_time.h"
#include "viewer/flux_viewer_dlg.h"

namespace helvarra {
namespace {

// Where a browse goes on when stepping back from the record that ended the
// last window does not land on a later window: after a gap longer than a
// window, the window of the first record after it; else the window that
// starts in the minute the last one ended in (that of the last record before
// that minute); failing those (records out of time order), the first record
// on whose window is later. Nothing where no later window is left.
std::optional<std::size_t> RowAfterTheWindow(const FluxTable& table, std::size_t endRow, std::int64_t lastStart) {
  const auto later = [&](std::size_t row) { return WindowStartOf(table[row]) > lastStart; };
  const std::int64_t end = RecordTime(table[endRow]);
  if ((endRow == 0 || end - RecordTime(table[endRow - 1]) > kWindowSeconds) && later(endRow)) return endRow;
  const std::int64_t endMinute = end - table[endRow].second;
  for (std::size_t row = endRow; row-- > 0;) {
    if (RecordTime(table[row]) >= endMinute) continue;
    if (later(row)) return row;
    break;
  }
  for (std::size_t row = endRow; row < table.size(); ++row)
    if (later(row)) return row;
  return std::nullopt;
}

}  // namespace

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

void CFluxViewerDlg::MoveWindowTo(int index) {
  if (m_bBrowsing != 0) return;
  m_ctlSlider.SetPos(index);
  long result = 0;
  OnSliderReleased(result);
}

// Back over the seconds of the last window's final minute and a few more
// from just after the record at the index: with a record every second the
// new window starts where the last one ended; never before the first
// record. The slider takes the index the same way back and gives it back
// held to its range. Where records are sparser or a gap follows the last
// window, so that this would not land on a later window, the browse goes on
// at the window after it (RowAfterTheWindow), the slider on its record, so
// that every step shows a later window and a browse always ends; where no
// later window is left, the browse ends on the window it was showing.
std::size_t CFluxViewerDlg::BrowseStep(RecordCursor& cursor) {
  cursor.Back(m_nLastSecond + 5);
  m_ctlSlider.SetPos(m_nRecordIndex - m_nLastSecond - 5);
  m_nRecordIndex = m_ctlSlider.GetPos();
  const auto landed = static_cast<std::size_t>(cursor.Position());
  cursor.Read(m_strRecord);
  if (!m_window || !m_nEndRow) return landed;
  const FluxTable& table = Table();
  if (WindowStartOf(m_strRecord) > m_window->start &&
      RecordTime(table[*m_nEndRow]) - RecordTime(table[*m_nEndRow - (*m_nEndRow > 0 ? 1 : 0)]) <= kWindowSeconds)
    return landed;
  const std::optional<std::size_t> after = RowAfterTheWindow(table, *m_nEndRow, m_window->start);
  if (!after) StopBrowsing();  // no later window: the browse ends on this one
  const std::size_t row = after.value_or(m_nFirstRowRead);
  cursor.MoveTo(static_cast<std::int64_t>(row));
  cursor.Read(m_strRecord);
  m_ctlSlider.SetPos(static_cast<int>(row));
  // the loop reads from the row while browsing: the index ends on its last record
  m_nRecordIndex = static_cast<int>(row) - (after ? 1 : 0);
  return row;
}

}  // namespace helvarra
