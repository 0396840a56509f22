// Opening the day overview from the main window: its window-menu entry and
// Ctrl+D, a Shift+drag across the chart, and a click in the overview that
// moves the chart window.

#include "chart/trace_plotter.h"
#include "resources/dialog_templates.h"
#include "viewer/day_overview_dlg.h"
#include "viewer/flux_viewer_dlg.h"

namespace helvarra {

std::string CFluxViewerDlg::OverviewTitle() const {
  std::string title(resources::kOverviewTitle);
  return m_bFileLoaded == 1 ? title + " - " + m_strFileName : title;
}

void CFluxViewerDlg::OnDayOverview() {
  if (!m_pOverview) m_pOverview = std::make_unique<CDayOverviewDlg>(*this, m_services);
  m_services.ShowOverview(*m_pOverview, OverviewTitle());
}

void CFluxViewerDlg::OnChartSpan(int x1, int x2) {
  if (m_bIdle != 1 || m_bFileLoaded != 1 || !m_shownRows) return;
  const std::optional<RowRange> rows =
      ChartRowsBetween(m_file.Table(), m_nFirstRowRead, m_nLastRowRead, m_nStartMinute, x1, x2);
  if (!rows) return;
  OnDayOverview();
  m_pOverview->Select(rows);
}

// A file opened, or one that failed: the overview follows, with no selection.
void CFluxViewerDlg::OverviewFollowsTheFile() {
  if (!m_pOverview) return;
  m_services.RetitleOverview(OverviewTitle());
  m_pOverview->Select(std::nullopt);
}

void CFluxViewerDlg::MoveWindowTo(int index) {
  if (m_bBrowsing != 0) return;
  m_ctlSlider.SetPos(index);
  long result = 0;
  OnSliderReleased(result);
}

}  // namespace helvarra
