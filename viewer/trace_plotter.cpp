// The dialog's trace plotter, where the window's start is chosen: the record
// at m_nRecordIndex (or, while browsing, the one the browse step lands on)
// fixes it, at second 0 of the minute after that record's. The chart then
// draws the 30 minutes from there; the plotter keeps what the drawing read:
// the last record, its seconds, while browsing the index one record on for
// each read, the record that ended the window. The end of the series ends a
// browse.

#include <algorithm>

#include "chart/trace_plotter.h"
#include "data/record_time.h"
#include "viewer/day_overview_dlg.h"
#include "viewer/flux_viewer_dlg.h"
#include "viewer/surface_lease.h"

namespace helvarra {

void CFluxViewerDlg::TracePlotter() {
  SurfaceLease s(m_services, &m_bIdle);
  const FluxTable& table = Table();
  RecordCursor cursor(table, std::max(m_nRecordIndex, 0));  // a negative index never reaches the table
  m_ctlSlider.SetPos(m_nRecordIndex);

  // The record at the index fixes the window; if there is none, the record
  // read before does. The loop then reads it again.
  cursor.Read(m_strRecord);
  if (m_bBrowsing == 1 && m_nRecordIndex != 0) BrowseStep(cursor);
  cursor.Back(1);
  m_nStartMinute = StartMinuteOf(m_strRecord);
  const std::int64_t start = WindowStartOf(m_strRecord);

  const auto firstRow = static_cast<std::size_t>(cursor.Position());
  const ChartWindowResult drawn = DrawChartWindow(*s, m_style, {table, start, firstRow, m_strRecord, ShownChannels()});

  if (m_bBrowsing == 1) m_nRecordIndex += static_cast<int>(drawn.recordsRead);
  if (drawn.lastRow) m_strRecord = table[*drawn.lastRow];
  m_nLastSecond = m_strRecord.second;
  m_nEndRow = drawn.tableEnded ? std::nullopt : drawn.lastRow;
  if (drawn.tableEnded) StopBrowsing();
  m_nFirstRowRead = firstRow;
  m_nLastRowRead = drawn.lastRow.value_or(firstRow);
  m_window = ShownWindow{m_nStation, start, drawn.shown};
  FollowTheWindowsFile(*s);
  if (m_pOverview) m_pOverview->OnMainWindowMoved();
}

}  // namespace helvarra
