// The dialog's trace plotter: it fixes the 30-minute window from the record
// at m_nRecordIndex (or, while browsing, takes the browse step), has the
// chart draw it, and keeps what the drawing read: the last record, its
// seconds, and while browsing the index one record on for each read. The end
// of the table ends a browse.

#include <algorithm>
#include <climits>

#include "chart/trace_plotter.h"
#include "viewer/flux_viewer_dlg.h"
#include "viewer/surface_lease.h"

namespace helvarra {

void CFluxViewerDlg::TracePlotter() {
  SurfaceLease s(m_services, &m_bIdle);
  const FluxTable& table = m_file.Table();
  RecordCursor cursor(table, std::max(m_nRecordIndex, 0));  // a negative index never reaches the table
  m_ctlSlider.SetPos(m_nRecordIndex);

  // The record at the index fixes the window; if there is none, the record
  // read before does. The loop then reads it again.
  cursor.Read(m_strRecord);
  if (m_bBrowsing == 1 && m_nRecordIndex != 0) BrowseStep(cursor);
  cursor.Back(1);
  m_nStartMinute = StartMinuteOf(m_strRecord);

  std::array<bool, kChannelCount> shown{};
  for (int k = 0; k < kChannelCount; ++k) shown[static_cast<std::size_t>(k)] = ShowFlag(k) != 0;
  const ChartWindowResult drawn = DrawChartWindow(
      *s, m_style, {table, static_cast<std::size_t>(cursor.Position()), m_strRecord, m_nStartMinute, shown});

  if (m_bBrowsing == 1) m_nRecordIndex += static_cast<int>(drawn.recordsRead);
  if (drawn.lastRow) m_strRecord = table[*drawn.lastRow];
  m_nLastSecond = m_strRecord.second;
  if (drawn.tableEnded) StopBrowsing();
  m_nFirstRowRead = static_cast<std::size_t>(cursor.Position());
  m_nLastRowRead = drawn.lastRow.value_or(m_nFirstRowRead);
  m_shownRows = drawn.lastRow ? ChartRowsBetween(table, m_nFirstRowRead, m_nLastRowRead, m_nStartMinute, 0, INT_MAX)
                              : std::nullopt;
  m_services.RepaintOverview();
}

}  // namespace helvarra
